#include "WindowSet.h"

#include "AccessibleGroups.h"
#include "AccessibleLists.h"
#include "AccessibleNames.h"
#include "Graphic.h"
#include "Handler.h"
#include "Help.h"
#include "KeyboardPresses.h"
#include "Main.h"
#include "MessageBoxes.h"
#include "ReportActions.h"
#include "Result.h"
#include "ResultsCopy.h"
#include "Titles.h"
#include "Translations.h"
#include "Warning.h"

#include <QAction>
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
    InstallAccessibleGroups();
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
    m_result = std::make_unique<TForm_Result>(m_experiment);
    m_graphic = std::make_unique<TForm_Graphic>(m_experiment);
    m_warning = std::make_unique<TForm_Warning>();
    m_help = std::make_unique<TForm_Help>();
    Connect();
    NameControls(*m_main);
    NameControls(*m_result);
    NameControls(*m_graphic, m_experiment);
    NameControls(*m_help);
}

WindowSet::~WindowSet() = default;

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
    TForm_Warning *warning = m_warning.get();
    QObject::connect(main, &TForm_Main::CalculationShown, result, &TForm_Result::ShowCalculation);
    QObject::connect(main, &TForm_Main::WarningRaised, warning, &TForm_Warning::ShowWarning);
    QObject::connect(result, &TForm_Result::WarningRaised, warning, &TForm_Warning::ShowWarning);
    // The buttons that use results follow the run's status, whichever window changed it.
    QObject::connect(&m_experiment, &Experiment::RunChanged, main, [this] {
        ApplyButtons();
        FollowRun();
    });
    QObject::connect(main, &TForm_Main::FieldsEdited, result, [this] { ShowNotes(); });
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
    m_takeAway = {AddCopyResultsAction(*result, m_experiment)};
    for (QAction *action : AddReportActions(*result, *m_graphic, m_experiment))
        m_takeAway.push_back(action);
    // Nothing to copy, print or determine until a calculation may be used.
    ApplyButtons();
    ConnectExperimentFiles();
}

void WindowSet::ApplyButtons() {
    const AllowedButtons allowed = Buttons(m_experiment.Status());
    m_main->ApplyButtons(allowed);
    m_result->ApplyButtons(allowed);
    for (QAction *action : m_takeAway)
        action->setEnabled(allowed.copy);
}

void WindowSet::ShowNotes() {
    m_result->ShowNotes(m_experiment.Recalculated(m_main->FieldTexts()));
}

// An open graphs window draws only the run the report is made of: a press that ends in a
// fault or allows no graphs empties it, a determination that allows them redraws it.
void WindowSet::FollowRun() {
    ShowNotes();
    const std::optional<Presses> &presses = m_experiment.LastPresses();
    if (!presses || !m_graphic->isVisible())
        return;
    const std::optional<DeterminationOutcome> &determination = presses->determination;
    TForm_Graphic *graphic = m_graphic.get();
    if (presses->calculation.fault || (determination && !determination->graphsAllowed))
        RunHandler([graphic] { graphic->FormClose(); });
    else if (determination && Buttons(m_experiment.Status()).graphs)
        RunHandler([graphic] { graphic->Refill(); });
}

// An opened experiment starts afresh with the file's texts typed: what the last run left
// in the other windows no longer belongs to them.
void WindowSet::ConnectExperimentFiles() {
    TForm_Main *main = m_main.get();
    TForm_Result *result = m_result.get();
    m_experiment.SetStartTexts(main->FieldTexts());
    QObject::connect(main, &TForm_Main::ExperimentOpened, result,
                     [main, result, graphic = m_graphic.get()] {
                         result->StartAnew();
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

void WindowSet::Start() { m_main->show(); }

} // namespace kvr
