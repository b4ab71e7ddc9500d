// Drives the window set through the typical run on the offscreen platform and writes a
// PNG of each window it passes: kvr_tour <folder>.
#include "Graphic.h"
#include "Help.h"
#include "LabReport.h"
#include "Main.h"
#include "Result.h"
#include "Warning.h"
#include "WindowSet.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>

#include <functional>

namespace {

class Tour {
public:
    explicit Tour(const QString &folder) : m_folder(folder) {}

    void Save(QWidget *window, const QString &name) {
        const QString path = QDir(m_folder).filePath(name + QStringLiteral(".png"));
        window->grab().save(path);
        QTextStream(stdout) << path << '\n';
    }

    // Presses `button`; a modal window it raises is photographed and closed.
    void PressAndSaveModal(QPushButton *button, const QString &name) {
        QTimer::singleShot(0, [this, name] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                Save(modal, name);
                modal->close();
            }
        });
        button->click();
    }

private:
    QString m_folder;
};

void Settle() { QApplication::processEvents(); }

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    kvr::KvrApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const QString folder = arguments.size() > 1 ? arguments.at(1) : QStringLiteral("screenshots");
    QDir().mkpath(folder);
    Tour tour(folder);

    kvr::WindowSet windows;
    windows.Start();
    Settle();
    using namespace kvr;
    TForm_Main &main = windows.Main();
    const MainControls &entry = main.Controls();
    TForm_Result &result = windows.Result();
    tour.Save(&main, QStringLiteral("1-main-start"));

    entry.studentName->setText(QStringLiteral("Петренко І. В."));
    entry.calculate->click();
    Settle();
    tour.Save(&main, QStringLiteral("2-main-calculated"));

    entry.results->click();
    Settle();
    tour.Save(&result, QStringLiteral("3-results-before"));
    result.Controls().determine->click();
    Settle();
    tour.Save(&result, QStringLiteral("4-results-determined"));

    entry.help->click();
    Settle();
    tour.Save(&windows.Help(), QStringLiteral("5-help"));

    entry.graphs->click();
    Settle();
    tour.Save(&windows.Graphic(), QStringLiteral("6-graphs"));
    // The lab report of the same run, as "Зберегти звіт у PDF…" writes it.
    Experiment &experiment = windows.TheExperiment();
    if (!experiment.Write(QDir(folder).filePath(QStringLiteral("9-report.pdf")),
                          *LabReportPdf(experiment.Status(), experiment.State())))
        return 1;

    qobject_cast<QLineEdit *>(entry.inputs[kAllowableFlankWearSlot])->setText(QStringLiteral("20"));
    tour.PressAndSaveModal(entry.calculate, QStringLiteral("7-warning-allowable-wear"));
    Settle();
    return 0;
}
