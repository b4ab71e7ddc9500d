// Start-up of Kelvora "KVR": the application object with its error box for faults that
// escape an event handler, and the five windows created in their fixed order.
#pragma once

#include "Experiment.h"

#include <QApplication>

#include <memory>
#include <vector>

class QAction;

namespace kvr {

class TForm_Main;
class TForm_Result;
class TForm_Graphic;
class TForm_Warning;
class TForm_Help;

// Any fault escaping an event handler ends that handler only: the error box shows it.
class KvrApplication : public QApplication {
public:
    KvrApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

// Owns the experiment and the five windows that show it, for the whole run. The windows
// meet only here; another set beside it shares nothing with it.
class WindowSet {
public:
    WindowSet();
    ~WindowSet();
    WindowSet(const WindowSet &) = delete;
    WindowSet &operator=(const WindowSet &) = delete;

    // Shows the main window only; closing it ends the application.
    void Start();
    // The file given on the command line, once the event loop runs.
    void OpenExperimentLater(const QString &path);
    kvr::Experiment &TheExperiment() { return m_experiment; }
    TForm_Main &Main() const { return *m_main; }
    TForm_Result &Result() const { return *m_result; }
    TForm_Graphic &Graphic() const { return *m_graphic; }
    TForm_Warning &Warning() const { return *m_warning; }
    TForm_Help &Help() const { return *m_help; }
    // The copy and the two reports, which follow the run's status.
    const std::vector<QAction *> &TakeAwayActions() const { return m_takeAway; }

private:
    void Connect();
    void ApplyButtons();
    void ShowNotes();
    void FollowRun();
    void ConnectExperimentFiles();

    Experiment m_experiment;
    std::unique_ptr<TForm_Main> m_main;
    std::unique_ptr<TForm_Result> m_result;
    std::unique_ptr<TForm_Graphic> m_graphic;
    std::unique_ptr<TForm_Warning> m_warning;
    std::unique_ptr<TForm_Help> m_help;
    std::vector<QAction *> m_takeAway;
};

} // namespace kvr
