// Random runs through the five real windows: a seeded sequence of what a student can do
// (typing, choosing, pressing, closing, dragging and wheeling on the charts), with the
// modal windows answered as a student would. After every step no label shows "inf" or
// "nan", no chart holds a non-finite point, and "Графіки" is enabled only after a
// successful determination. KVR_RANDOM_SEED replays a run, KVR_RANDOM_STEPS sets its length.
#include "UiTestSupport.h"

#include "ResultLabels.h"
#include <kvrchart/TChart.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest/QTest>

#include <algorithm>
#include <random>
#include <string>

namespace kvr::test {

using namespace kvr::chart;

namespace {

constexpr int kDefaultSteps = 10000;

const char *const kHostileTexts[] = {
    "",        " ",          "-",        "+",       ".",
    ",",       "E5",         "1,2,3",    " 95",     "95 ",
    "-0",      "0",          "0,0",      "inf",     "-inf",
    "nan",     "NaN",        "1e308",    "-1e308",  "1.7976931348623157e308",
    "1.8e308", "1e400",      "4.9e-324", "1e-320",  "-1e-300",
    "1e-12",   "2147483648", "9e18",     "0x10",    "1 000",
    "\u0663",  "\u00a095",   "\u221e",   "5\u202e", "\U0001F600",
    "\t7",     "1e",         "e",        "++1",     "3x"};

QWidget *Window(const char *name) {
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name))
            return window;
    return nullptr;
}

bool ShowsInfOrNan(const QString &text) {
    const QString lower = text.toLower();
    return lower.contains(QLatin1String("inf")) || lower.contains(QLatin1String("nan"));
}

// One random run: the student, the modal answers and the model of "Графіки".
class RandomRun {
public:
    explicit RandomRun(std::uint64_t seed);

    std::string Step();
    std::string Violation() const;

    int determinations = 0;
    int graphsShown = 0;

private:
    template <typename T> T *Control(const char *window, const char *name) const {
        return Window(window)->findChild<T *>(QString::fromLatin1(name));
    }
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(m_random); }

    void AnswerModal();
    QString OrdinaryText(QLineEdit *edit);
    QString HostileText();
    std::string Type();
    std::string TypeDefaults();
    std::string Choose();
    std::string Press();
    std::string PressCalculate();
    std::string PressDetermine();
    std::string CloseWindow();
    std::string OnChart();
    QPoint SomewhereOn(QWidget *widget);

    std::mt19937_64 m_random;
    QTimer m_modalAnswer;
    QStringList m_modalTexts;
    bool m_warned = false;
    bool m_faulted = false;
    QHash<QLineEdit *, QString> m_defaults;
    bool m_calculationUsable = false;
    bool m_graphsAllowed = false;
};

RandomRun::RandomRun(std::uint64_t seed) : m_random(seed) {
    for (const char *window : {"Form_Main", "Form_Result"})
        for (QLineEdit *edit : Window(window)->findChildren<QLineEdit *>())
            m_defaults.insert(edit, edit->text());
    m_defaults.insert(Control<QLineEdit>("Form_Main", "Edit1"), QStringLiteral("Студент"));
    m_modalAnswer.setInterval(0);
    QObject::connect(&m_modalAnswer, &QTimer::timeout, &m_modalAnswer, [this] { AnswerModal(); });
    m_modalAnswer.start();
}

// "Добре" or the title bar's close box for the warning, OK for the error box.
void RandomRun::AnswerModal() {
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        if (!box->button(QMessageBox::Ok)) // a question, such as a report of old results
            return box->reject();
        m_faulted = true;
        m_modalTexts << box->text();
        box->button(QMessageBox::Ok)->click();
        return;
    }
    m_warned = true;
    for (QLabel *label : modal->findChildren<QLabel *>())
        m_modalTexts << label->text();
    if (Chance(0.8))
        modal->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    else
        modal->close();
}

// The field's own default, or a number near it written with a point or a comma.
QString RandomRun::OrdinaryText(QLineEdit *edit) {
    const QString typical = m_defaults.value(edit);
    bool numeric = false;
    const double value =
        QString(typical).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&numeric);
    if (!numeric || Chance(0.5))
        return typical;
    const double near = value * std::uniform_real_distribution<double>(0.5, 2.0)(m_random);
    const QString number = QString::number(near, 'f', Pick(4));
    return Chance(0.5) ? number : QString(number).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString RandomRun::HostileText() {
    if (Chance(0.8))
        return QString::fromUtf8(kHostileTexts[Pick(int(std::size(kHostileTexts)))]);
    static const QString pool = QStringLiteral("0123456789.,eE+- \u00a0\u0663x");
    QString text;
    for (int n = Pick(Chance(0.1) ? 400 : 12); n > 0; --n)
        text += pool[Pick(int(pool.size()))];
    return text;
}

std::string RandomRun::Type() {
    const char *window =
        Window("Form_Result")->isVisible() && Chance(0.3) ? "Form_Result" : "Form_Main";
    const QList<QLineEdit *> edits = Window(window)->findChildren<QLineEdit *>();
    QLineEdit *edit = edits[Pick(int(edits.size()))];
    const QString text = Chance(0.8) ? OrdinaryText(edit) : HostileText();
    // Typed key by key where the test library knows the keys: printable ASCII.
    const bool typeable =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u' ' && c <= u'~'; });
    if (typeable && text.size() < 20 && Chance(0.1)) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    } else {
        edit->setText(text);
    }
    return "type \"" + text.toStdString() + "\" into " + edit->objectName().toStdString();
}

// The student starts over from the worked example.
std::string RandomRun::TypeDefaults() {
    for (auto it = m_defaults.cbegin(); it != m_defaults.cend(); ++it)
        it.key()->setText(it.value());
    return "type the defaults into every field";
}

std::string RandomRun::Choose() {
    const QList<QComboBox *> lists = Window("Form_Main")->findChildren<QComboBox *>();
    QComboBox *list = lists[Pick(int(lists.size()))];
    list->setCurrentIndex(Pick(list->count()));
    return "choose \"" + list->currentText().toStdString() + "\" in " +
           list->objectName().toStdString();
}

std::string RandomRun::PressCalculate() {
    Control<QPushButton>("Form_Main", "Button1")->click();
    m_calculationUsable = Control<QPushButton>("Form_Main", "Button2")->isEnabled();
    // A new calculation needs a new determination before the graphs.
    m_graphsAllowed = false;
    return "press Розрахувати";
}

std::string RandomRun::PressDetermine() {
    Control<QPushButton>("Form_Result", "Button1")->click();
    if (!m_calculationUsable)
        return "press the disabled Визначити параметри";
    if (m_warned || m_faulted) {
        m_graphsAllowed = false;
    } else {
        ++determinations;
        // Graphs only from results the last "Розрахувати" left usable.
        m_graphsAllowed = State().input_error_flags[kChosenTimeSlot] == 0 && m_calculationUsable;
    }
    return "press Визначити параметри";
}

std::string RandomRun::Press() {
    const bool resultsOpen = Window("Form_Result")->isVisible();
    switch (Pick(6)) {
    case 0:
    case 1:
        return PressCalculate();
    case 2:
        if (resultsOpen)
            return PressDetermine();
        [[fallthrough]];
    case 3:
        Control<QPushButton>("Form_Main", "Button2")->click();
        return "press Результати розрахунків";
    case 4:
        if (Control<QPushButton>("Form_Main", "Button3")->isEnabled())
            ++graphsShown;
        Control<QPushButton>("Form_Main", "Button3")->click();
        return "press Графіки";
    default:
        Control<QPushButton>("Form_Main", "BitBtn1")->click();
        return "press Допомога";
    }
}

std::string RandomRun::CloseWindow() {
    const char *names[] = {"Form_Result", "Form_Graphic", "Form_Help"};
    const char *name = names[Pick(3)];
    Window(name)->close();
    return std::string("close ") + name;
}

QPoint RandomRun::SomewhereOn(QWidget *widget) {
    return {Pick(widget->width() + 40) - 20, Pick(widget->height() + 40) - 20};
}

std::string RandomRun::OnChart() {
    QWidget *graphs = Window("Form_Graphic");
    if (!graphs->isVisible())
        return Press();
    const char *names[] = {"Chart1", "Chart2", "Chart3"};
    auto *chart = graphs->findChild<TChart *>(QString::fromLatin1(names[Pick(3)]));
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    const Qt::MouseButton button = buttons[Pick(3)];
    const Qt::KeyboardModifiers modifiers = Chance(0.2) ? Qt::ShiftModifier : Qt::NoModifier;
    const QPoint from = SomewhereOn(chart);
    switch (Pick(3)) {
    case 0: {
        QTest::mousePress(chart, button, modifiers, from);
        QPoint to = from;
        for (int moves = Pick(4); moves >= 0; --moves)
            QTest::mouseMove(chart, to = SomewhereOn(chart));
        QTest::mouseRelease(chart, button, modifiers, to);
        return "drag on " + chart->objectName().toStdString();
    }
    case 1: {
        const int delta = (Pick(2) ? 1 : -1) * (Chance(0.5) ? 120 : Pick(240));
        QWheelEvent wheel(from, chart->mapToGlobal(from), QPoint(), QPoint(0, delta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(chart, &wheel);
        return "wheel " + std::to_string(delta) + " on " + chart->objectName().toStdString();
    }
    default: {
        const Qt::Key keys[] = {Qt::Key_Plus,   Qt::Key_Equal, Qt::Key_Minus,  Qt::Key_Left,
                                Qt::Key_Right,  Qt::Key_Up,    Qt::Key_Down,   Qt::Key_Home,
                                Qt::Key_Escape, Qt::Key_Tab,   Qt::Key_Return, Qt::Key_C};
        const Qt::Key key = keys[Pick(int(std::size(keys)))];
        // A key held down zooms or pans again and again, toward the ends of a double.
        const int presses = Chance(0.2) ? 1 + Pick(200) : 1;
        for (int n = 0; n < presses; ++n)
            QTest::keyClick(chart, key, key == Qt::Key_C ? Qt::ControlModifier : modifiers);
        return std::to_string(presses) + " × key " + std::to_string(key) + " on " +
               chart->objectName().toStdString();
    }
    }
}

std::string RandomRun::Step() {
    m_modalTexts.clear();
    m_warned = m_faulted = false;
    const int kind = Pick(100);
    std::string action = kind < 33   ? Type()
                         : kind < 35 ? TypeDefaults()
                         : kind < 43 ? Choose()
                         : kind < 73 ? Press()
                         : kind < 78 ? CloseWindow()
                                     : OnChart();
    QApplication::processEvents();
    return action;
}

std::string RandomRun::Violation() const {
    for (const QString &text : m_modalTexts)
        if (ShowsInfOrNan(text))
            return "modal shows \"" + text.toStdString() + "\"";
    for (const char *name :
         {"Form_Main", "Form_Result", "Form_Graphic", "Form_Warning", "Form_Help"})
        for (QLabel *label : Window(name)->findChildren<QLabel *>())
            // The student line repeats the typed name, whatever it is.
            if (label->objectName() != QLatin1String(kStudentLabel) && ShowsInfOrNan(label->text()))
                return label->objectName().toStdString() + " shows \"" +
                       label->text().toStdString() + "\"";
    for (TChart *chart : Window("Form_Graphic")->findChildren<TChart *>())
        for (int s = 0; s < chart->Model().SeriesCount(); ++s) {
            const TChartSeries &series = chart->Model().Series(s);
            for (int k = 0; k < series.Count(); ++k)
                if (!std::isfinite(series.XValues().ValueAt(k)) ||
                    !std::isfinite(series.YValues().ValueAt(k)))
                    return chart->objectName().toStdString() + " holds a non-finite point";
        }
    if (Control<QPushButton>("Form_Result", "Button1")->isEnabled() != m_calculationUsable)
        return "Визначити параметри enabled unlike Результати розрахунків";
    const bool graphsEnabled = Control<QPushButton>("Form_Main", "Button3")->isEnabled();
    if (graphsEnabled && !m_graphsAllowed)
        return "Графіки enabled without a successful determination";
    if (!graphsEnabled && m_graphsAllowed)
        return "Графіки disabled after a successful determination";
    return {};
}

std::uint64_t Seed() {
    bool given = false;
    const qulonglong seed = qEnvironmentVariable("KVR_RANDOM_SEED").toULongLong(&given);
    return given ? seed : std::random_device{}();
}

int Steps() {
    bool given = false;
    const int steps = qEnvironmentVariableIntValue("KVR_RANDOM_STEPS", &given);
    return given ? steps : kDefaultSteps;
}

using RandomUiRun = WindowTest;

TEST_F(RandomUiRun, NothingAStudentDoesBreaksTheWindows) {
    const std::uint64_t seed = Seed();
    const int steps = Steps();
    std::printf("RandomUiRun: KVR_RANDOM_SEED=%llu, %d steps\n", (unsigned long long)seed, steps);
    RandomRun run(seed);
    for (int step = 1; step <= steps; ++step) {
        const std::string action = run.Step();
        const std::string violation = run.Violation();
        ASSERT_TRUE(violation.empty()) << violation << "\n  at step " << step << ": " << action
                                       << "\n  replay with KVR_RANDOM_SEED=" << seed;
    }
    std::printf("RandomUiRun: %d determinations, graphs shown %d times\n", run.determinations,
                run.graphsShown);
    if (steps >= kDefaultSteps) {
        // The run reaches the results and the graphs often enough to mean something.
        EXPECT_GT(run.determinations, steps / 200);
        EXPECT_GT(run.graphsShown, steps / 500);
    }
}

} // namespace
} // namespace kvr::test
