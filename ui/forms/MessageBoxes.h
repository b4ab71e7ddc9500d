// The program's own message boxes: its title, one button "Добре", and the error box of a
// fault with what to fix under it.
#pragma once

#include "CalculationRun.h"

#include <QMessageBox>
#include <QString>

#include <optional>
#include <string>

namespace kvr {

// A message box with the application's title and one button, "Добре".
void ShowMessage(QMessageBox::Icon icon, const QString &text, QWidget *parent,
                 const char *objectName);

// The fields changed since the results were calculated: whether a copy or a report may be
// made of those results all the same. Enter makes none.
bool MayTakeOldResults(QWidget *parent);

// The error box: error icon, the application's title, the message with a full stop, and
// under it the cause, when one is known.
void ShowFaultBox(const QString &message, const QString &cause = {});
// The fault that stopped a press, where the press ends; nothing when none did.
void ShowPressFault(const std::optional<std::string> &fault, const std::optional<CauseText> &cause);

} // namespace kvr
