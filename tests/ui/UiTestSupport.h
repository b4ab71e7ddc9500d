// A fresh window set and a zeroed calculation record for every widget test, plus the
// means to answer the modal windows a handler raises.
#pragma once

#include "CalculationState.h"
#include "RunStatus.h"
#include "WindowSet.h"

#include <QLabel>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>

namespace kvr::test {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        State = CalculationState{};
        Runs = RunStatus{};
        m_windows = std::make_unique<WindowSet>();
        m_windows->Start();
    }
    void TearDown() override { m_windows.reset(); }

    std::unique_ptr<WindowSet> m_windows;
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

// Runs `action`; every modal window it opens is recorded and closed. A modal window that
// refuses to close for `limit` fails the test and is ended.
QList<ModalCapture> AnswerModals(const std::function<void()> &action,
                                 std::chrono::milliseconds limit = std::chrono::seconds(10));

// Decimal separator of the locale the test runs under.
QString Sep();

} // namespace kvr::test
