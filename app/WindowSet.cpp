#include "WindowSet.h"

#include "AccessibleLists.h"
#include "AccessibleNames.h"
#include "Graphic.h"
#include "Handler.h"
#include "Help.h"
#include "KeyboardPresses.h"
#include "Main.h"
#include "ReportActions.h"
#include "Result.h"
#include "ResultsCopy.h"
#include "Translations.h"
#include "Warning.h"
#include "Windows.h"

#include <QIcon>
#include <QTimer>

#include <exception>

namespace kvr {

KvrApplication::KvrApplication(int &argc, char **argv) : QApplication(argc, argv) {
    // No display name: on X11 and Wayland the toolkit appends one to every window title
    // that does not end with it, and each window's caption is fixed as it stands.
    setApplicationName(QString::fromUtf8(kApplicationTitle));
    setApplicationVersion(QStringLiteral(KVR_VERSION));
    // The classic style draws group boxes and buttons as the window layouts were designed.
    setStyle(QStringLiteral("Windows"));
    InstallTranslations(*this);
    // A Wayland task bar matches windows to the menu entry by this id alone.
    setDesktopFileName(QStringLiteral("ua.kelvora.kvr"));
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/kvr-%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);
    InstallAccessibleLists();
    InstallKeyboardPresses(this);
}

bool KvrApplication::notify(QObject *receiver, QEvent *event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &fault) {
        ShowFaultBox(QString::fromUtf8(fault.what()));
        return true;
    }
}

WindowSet::WindowSet() {
    m_main = std::make_unique<TForm_Main>(m_experiment);
    Form_Main = m_main.get();
    m_result = std::make_unique<TForm_Result>(m_experiment);
    Form_Result = m_result.get();
    m_graphic = std::make_unique<TForm_Graphic>();
    Form_Graphic = m_graphic.get();
    m_warning = std::make_unique<TForm_Warning>();
    Form_Warning = m_warning.get();
    m_help = std::make_unique<TForm_Help>();
    Form_Help = m_help.get();
    Connect();
    for (QWidget *window : std::initializer_list<QWidget *>{Form_Main, Form_Result, Form_Graphic})
        NameControls(window);
}

namespace {

void ShowNonModal(QWidget *window) {
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

// The windows meet only here: what one window reports, another shows.
void WindowSet::Connect() {
    TForm_Main *main = m_main.get();
    TForm_Result *result = m_result.get();
    QObject::connect(main, &TForm_Main::CalculationShown, result, &TForm_Result::ShowCalculation);
    // The buttons that use results follow the run's status, whichever window changed it.
    const auto applyButtons = [main, result] {
        const AllowedButtons allowed = Buttons(Runs);
        main->ApplyButtons(allowed);
        result->ApplyButtons(allowed);
    };
    QObject::connect(main, &TForm_Main::RunChanged, result, applyButtons);
    QObject::connect(result, &TForm_Result::RunChanged, main, applyButtons);
    QObject::connect(main, &TForm_Main::ResultsWindowRequested, result,
                     [result] { ShowNonModal(result); });
    // Shown already, the graphs still draw the run that asks for them.
    QObject::connect(main, &TForm_Main::GraphsWindowRequested, m_graphic.get(),
                     [graphic = m_graphic.get()] {
                         if (graphic->isVisible())
                             RunHandler([graphic] { graphic->Refill(); });
                         ShowNonModal(graphic);
                     });
    QObject::connect(main, &TForm_Main::HelpWindowRequested, m_help.get(),
                     [help = m_help.get()] { ShowNonModal(help); });
    AddCopyResultsAction(result);
    AddReportActions(result, m_graphic.get(), m_experiment);
    // Nothing to copy, print or determine until a calculation may be used.
    applyButtons();
    ConnectExperimentFiles(applyButtons);
}

// An opened experiment starts afresh with the file's texts typed: what the last run left
// in the other windows and on the buttons no longer belongs to them.
void WindowSet::ConnectExperimentFiles(const std::function<void()> &applyButtons) {
    TForm_Main *main = m_main.get();
    TForm_Result *result = m_result.get();
    main->SetChosenTimeSource([result] { return result->ChosenTime(); });
    m_experiment.SetStartTexts(main->FieldTexts());
    QObject::connect(
        main, &TForm_Main::ExperimentOpened, result,
        [main, result, graphic = m_graphic.get(), applyButtons](const QString &chosenTime) {
            applyButtons();
            result->StartAnew(chosenTime);
            result->close();
            graphic->close();
            main->ClearMarks();
        });
}

void WindowSet::OpenExperimentLater(const QString &path) {
    QTimer::singleShot(0, m_main.get(), [main = m_main.get(), path] {
        RunHandler([&] { main->OpenExperiment(path); });
    });
}

WindowSet::~WindowSet() {
    Form_Main = nullptr;
    Form_Result = nullptr;
    Form_Graphic = nullptr;
    Form_Warning = nullptr;
    Form_Help = nullptr;
}

void WindowSet::Start() { m_main->show(); }

} // namespace kvr
