// Start-up of Kelvora "KVR": the application object with its error box for faults that
// escape an event handler, and the five windows created in their fixed order.
#pragma once

#include "Experiment.h"
#include "Windows.h"

#include <QApplication>

#include <functional>
#include <memory>

namespace kvr {

// Any fault escaping an event handler ends that handler only: the error box shows it.
class KvrApplication : public QApplication {
public:
    KvrApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

// Owns the five windows for the whole run and publishes them as Form_Main ... Form_Help.
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

private:
    void Connect();
    void ConnectExperimentFiles(const std::function<void()> &applyButtons);

    Experiment m_experiment{State, Runs};
    std::unique_ptr<TForm_Main> m_main;
    std::unique_ptr<TForm_Result> m_result;
    std::unique_ptr<TForm_Graphic> m_graphic;
    std::unique_ptr<TForm_Warning> m_warning;
    std::unique_ptr<TForm_Help> m_help;
};

} // namespace kvr
