// A fresh window set and a zeroed calculation record for every widget test, plus the
// means to answer the modal windows a handler raises.
#pragma once

#include "CalculationState.h"
#include "Main.h"
#include "Result.h"
#include "RunStatus.h"
#include "WindowSet.h"

#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>

namespace kvr::test {

// The window set the running test made, and its windows; null between tests.
inline WindowSet *CurrentWindows = nullptr;
inline TForm_Main *Form_Main() { return &CurrentWindows->Main(); }
inline TForm_Result *Form_Result() { return &CurrentWindows->Result(); }
inline TForm_Graphic *Form_Graphic() { return &CurrentWindows->Graphic(); }
inline TForm_Warning *Form_Warning() { return &CurrentWindows->Warning(); }
inline TForm_Help *Form_Help() { return &CurrentWindows->Help(); }

// The running test's records, and a change of them through the experiment (`Forge`).
inline const CalculationState &State() { return CurrentWindows->TheExperiment().State(); }
inline const RunStatus &Status() { return CurrentWindows->TheExperiment().Status(); }
inline void Forge(const std::function<void(CalculationState &)> &change) {
    CalculationState state = State();
    change(state);
    CurrentWindows->TheExperiment().Restore(state, Status());
}

// The running test's controls by role.
inline const MainControls &Main() { return Form_Main()->Controls(); }
inline const ResultControls &Results() { return Form_Result()->Controls(); }
template <typename Field = QLineEdit> Field *Edit(int slot) {
    return qobject_cast<Field *>(Main().inputs[std::size_t(slot)]);
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings(QStringLiteral("kelvora"), QStringLiteral("kvr")).clear();
        m_windows = std::make_unique<WindowSet>();
        CurrentWindows = m_windows.get();
        m_windows->Start();
        GuardAgainstUnansweredModals();
    }
    void TearDown() override {
        CurrentWindows = nullptr;
        m_windows.reset();
    }

    std::unique_ptr<WindowSet> m_windows;

private:
    // A message box nobody answers fails the test within seconds instead of waiting for
    // CTest's time-out.
    void GuardAgainstUnansweredModals();
    QTimer m_modalGuard;
};

template <typename T> T *Find(QWidget *window, const char *name) {
    T *control = window->findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

// What a modal window showed before it was closed by the test.
struct ModalCapture {
    QString objectName;
    QString windowTitle;
    QStringList texts; // the texts of its labels, in child order
    int width = 0;
};

// Answers a modal window as a person would; false leaves it to be closed.
using ModalAnswer = std::function<bool(QWidget *modal)>;

// Runs `action`; every modal window it opens is recorded, then answered or closed. A modal
// window that refuses to close for `limit` fails the test and is ended.
QList<ModalCapture> AnswerModals(const std::function<void()> &action,
                                 std::chrono::milliseconds limit = std::chrono::seconds(10),
                                 const ModalAnswer &answer = {});

// A tmpfs of its own in a mount namespace private to the test process, so that a test
// meets a really full or read-only disk. A test stops on a disk that could not be mounted:
// ASSERT_EQ(disk.Failure(), "").
class SmallDisk {
public:
    SmallDisk();
    ~SmallDisk();
    // Why the disk is not there; empty once it is mounted.
    const std::string &Failure() const { return m_failure; }
    QString Path(const QString &name) const { return m_folder.filePath(name); }
    // Fills it until `freeBytes` (whole pages) stay free.
    void Fill(qint64 freeBytes);
    void MakeReadOnly();
    QStringList Entries() const;

private:
    QTemporaryDir m_folder;
    std::string m_failure;
};

// What `work` returns, run in a child process as the user nobody, whom permissions bind.
std::string AsNobody(const std::function<std::string()> &work);

// Decimal separator of the locale the test runs under.
QString Sep();

} // namespace kvr::test
