// Every handler of every window runs through RunHandler: a fault that escapes it ends the
// handler, the application's error box shows it, and the application goes on.
#pragma once

#include "CalculationRun.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>

namespace kvr {

inline constexpr const char *kApplicationTitle = "Kelvora \"KVR\"";

// A window's title: the application's, a full stop and the window's own words.
inline QString WindowTitle(const char *words) {
    return QString::fromUtf8(kApplicationTitle) + QStringLiteral(". ") +
           QCoreApplication::translate("Title", words);
}

void RunHandler(const std::function<void()> &handler);

// A message box with the application's title and one button, "Добре".
void ShowMessage(QMessageBox::Icon icon, const QString &text, QWidget *parent,
                 const char *objectName);

// The error box: error icon, the application's title, the message with a full stop, and
// under it the cause, when one is known.
void ShowFaultBox(const QString &message, const QString &cause = {});
// The fault that stopped a press, where the press ends; nothing when none did.
void ShowPressFault(const std::optional<std::string> &fault, const std::optional<CauseText> &cause);

// Connects a signal to a handler of `receiver` guarded by RunHandler.
template <typename Sender, typename Signal, typename Receiver, typename Handler>
void ConnectHandler(Sender *sender, Signal signal, Receiver *receiver, Handler handler) {
    QObject::connect(sender, signal, receiver,
                     [receiver, handler] { RunHandler([&] { (receiver->*handler)(); }); });
}

} // namespace kvr
