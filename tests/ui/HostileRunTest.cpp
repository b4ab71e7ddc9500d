// Whole runs with extreme numbers in every field: press after press, determination and
// graphs. Nothing may crash, hang or show "inf" or "nan".
#include "UiTestSupport.h"

#include "Graphic.h"
#include "Main.h"
#include "Result.h"
#include "Warning.h"
#include <kvrchart/TChart.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <random>

namespace kvr::test {

using namespace kvr::chart;

namespace {

bool ShowsInfOrNan(QWidget *window) {
    for (QLabel *label : window->findChildren<QLabel *>()) {
        const QString text = label->text().toLower();
        if (text.contains(QLatin1String("inf")) || text.contains(QLatin1String("nan")))
            return true;
    }
    return false;
}

using HostileRun = WindowTest;

TEST_F(HostileRun, ExtremeNumbersNeverBreakTheWindows) {
    const char *const values[] = {"0", "-1",  "1e-300", "1e300",  "1.7e308", "5e-324", "-0",
                                  "3", "1e6", "0.001",  "-1e300", "7",       "1e12"};
    std::mt19937 random(20261207);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(values) - 1);
    const QList<QLineEdit *> edits = Form_Main()->findChildren<QLineEdit *>();
    std::uniform_int_distribution<qsizetype> field(0, edits.size() - 1);
    QStringList defaults;
    for (QLineEdit *edit : edits)
        defaults << edit->text();
    Main().studentName->setText(QStringLiteral("Student"));
    int graphsShown = 0;
    for (int run = 0; run < 200; ++run) {
        // From the defaults, one or two fields made extreme.
        for (qsizetype k = 0; k < edits.size(); ++k)
            if (edits[k] != Main().studentName)
                edits[k]->setText(defaults[k]);
        for (int changes = 1 + run % 2; changes > 0; --changes)
            if (QLineEdit *edit = edits[field(random)]; edit != Main().studentName)
                edit->setText(QString::fromLatin1(values[pick(random)]));
        Results().chosenTime->setText(run % 3 ? QStringLiteral("3")
                                              : QString::fromLatin1(values[pick(random)]));
        AnswerModals([&graphsShown] {
            Main().calculate->click();
            Results().determine->click();
            if (Main().graphs->isEnabled()) {
                ++graphsShown;
                Main().graphs->click();
                for (TChart *chart :
                     {Form_Graphic()->Chart1, Form_Graphic()->Chart2, Form_Graphic()->Chart3})
                    chart->Picture();
                Form_Graphic()->close();
            }
        });
        ASSERT_FALSE(ShowsInfOrNan(Form_Result())) << "run " << run;
        ASSERT_FALSE(ShowsInfOrNan(Form_Warning())) << "run " << run;
    }
    EXPECT_GT(graphsShown, 10); // the runs reach the graphs often enough to mean something
}

} // namespace
} // namespace kvr::test
