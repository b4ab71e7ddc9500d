// The typical run of the exercise through the real windows, reaching the controls by
// their names: defaults, a student's name, "Розрахувати", "Визначити параметри", "Графіки".
#pragma once

#include "UiTestSupport.h"

#include "Main.h"
#include "Result.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include <string>

namespace kvr::test {

inline void CalculateDefaults() {
    Main().studentName->setText(QStringLiteral("Іваненко"));
    AnswerModals([] { Main().calculate->click(); });
}

inline void DetermineModels() {
    AnswerModals([] { Results().determine->click(); });
}

inline void ShowDefaultGraphs() {
    CalculateDefaults();
    DetermineModels();
    Main().graphs->click();
    QApplication::processEvents();
}

// Replaces the decimal commas of an expected text (a comma between digits) by the
// locale's separator.
inline std::string ShownText(const char *text) {
    static const QRegularExpression decimalComma(QStringLiteral("(\\d),(\\d)"));
    return QString::fromUtf8(text)
        .replace(decimalComma, QStringLiteral("\\1") + Sep() + QStringLiteral("\\2"))
        .toStdString();
}

} // namespace kvr::test
