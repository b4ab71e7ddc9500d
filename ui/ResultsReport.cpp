#include "ResultsReport.h"

#include "ShownValue.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QStringList>
#include <QWidget>

namespace kvr {

namespace {

// Inputs read one per row, captioned by their spoken names.
const char *const kInputControls[] = {"ComboBox1", "Edit3",     "ComboBox2", "ComboBox3",
                                      "ComboBox4", "ComboBox5", "Edit10",    "Edit11",
                                      "Edit12",    "Edit13",    "Edit14",    "Edit2"};

struct CutterControls {
    const char *times[3];
    const char *wears[3];
    const char *speed;
    const char *total;
    const char *dimensionalWears[3];
};

const CutterControls kCutterControls[] = {
    {{"Edit4", "Edit5", "Edit6"},
     {"Edit19", "Edit20", "Edit21"},
     "Label6",
     "Label3",
     {"Label13", "Label14", "Label15"}},
    {{"Edit7", "Edit9", "Edit15"},
     {"Edit16", "Edit17", "Edit18"},
     "Label8",
     "Label7",
     {"Label9", "Label10", "Label11"}},
    {{"Edit22", "Edit23", "Edit24"},
     {"Edit25", "Edit26", "Edit27"},
     "Label24",
     "Label23",
     {"Label25", "Label26", "Label27"}},
};

struct ModelControls {
    const char *formula;
    const char *coefficient;
    const char *exponent;
};

const ModelControls kModels[] = {
    {"hр = C·V^k", "Label34", "Label39"},
    {"Tр = C·V^z", "Label41", "Label46"},
};

template <typename T> const T *Child(const QWidget *window, const char *name) {
    return window->findChild<const T *>(QString::fromLatin1(name));
}

// A typed number reads with a point; the report writes it as the windows write numbers.
QString TypedNumber(const QWidget *window, const char *edit) {
    const auto *field = Child<QLineEdit>(window, edit);
    return field
               ? QString(field->text()).replace(QLatin1Char('.'), QLocale::system().decimalPoint())
               : QString();
}

QString InputValue(const QWidget *window, const char *control) {
    if (const auto *list = Child<QComboBox>(window, control))
        return list->currentText();
    return TypedNumber(window, control);
}

QString LabelNumber(const QWidget *window, const char *label) {
    const auto *shown = Child<QLabel>(window, label);
    return shown ? ShownNumber(shown->text()) : QString();
}

QString Row(const QStringList &cells) { return cells.join(QLatin1Char('\t')); }

// "Виконав: Іваненко" as two cells.
QString CaptionAndValue(const QString &line) {
    const qsizetype colon = line.indexOf(QLatin1String(": "));
    return colon < 0 ? line.trimmed() : Row({line.left(colon), line.mid(colon + 2).trimmed()});
}

QStringList InputRows(const QWidget *mainWindow) {
    QStringList rows{QString::fromUtf8("Вихідні дані")};
    for (const char *control : kInputControls)
        if (const auto *widget = Child<QWidget>(mainWindow, control))
            rows << Row({widget->accessibleName(), InputValue(mainWindow, control)});
    rows << QString::fromUtf8(
        "Інструмент\tτ1, хв.\tτ2, хв.\tτ3, хв.\thз1, мкм\thз2, мкм\thз3, мкм");
    int cutter = 1;
    for (const CutterControls &controls : kCutterControls) {
        QStringList cells{QString::number(cutter++)};
        for (const char *edit : controls.times)
            cells << TypedNumber(mainWindow, edit);
        for (const char *edit : controls.wears)
            cells << TypedNumber(mainWindow, edit);
        rows << Row(cells);
    }
    return rows;
}

QStringList ResultRows(const QWidget *resultWindow) {
    QStringList rows{
        QString::fromUtf8("Результати розрахунків"),
        QString::fromUtf8("Інструмент\tV, м/хв.\tτΣ, хв.\thр1, мкм\thр2, мкм\thр3, мкм")};
    int cutter = 1;
    for (const CutterControls &controls : kCutterControls) {
        QStringList cells{QString::number(cutter++), LabelNumber(resultWindow, controls.speed),
                          LabelNumber(resultWindow, controls.total)};
        for (const char *label : controls.dimensionalWears)
            cells << LabelNumber(resultWindow, label);
        rows << Row(cells);
    }
    rows << Row({QString::fromUtf8("Допустиме розмірне зношування [hр], мкм"),
                 LabelNumber(resultWindow, "Label31")});
    return rows;
}

// Until a determination the formulas show their symbols and there is nothing to copy.
QStringList ModelRows(const QWidget *resultWindow) {
    if (LabelNumber(resultWindow, kModels[0].coefficient) == QLatin1String("C"))
        return {};
    QStringList rows{
        QString::fromUtf8("Математичні моделі"),
        Row({QString::fromUtf8("Тривалість роботи τд, хв."), TypedNumber(resultWindow, "Edit1")}),
        Row({QString::fromUtf8("Модель"), QStringLiteral("C"),
             QString::fromUtf8("Показник степеня")})};
    for (const ModelControls &model : kModels)
        rows << Row({QString::fromUtf8(model.formula), LabelNumber(resultWindow, model.coefficient),
                     LabelNumber(resultWindow, model.exponent)});
    return rows;
}

} // namespace

QString ResultsReport(const QWidget *mainWindow, const QWidget *resultWindow) {
    QStringList rows{QString::fromUtf8("Kelvora \"KVR\". Результати розрахунків")};
    for (const char *line : {"Label50", "Label51"})
        if (const auto *label = Child<QLabel>(resultWindow, line))
            rows << CaptionAndValue(label->text());
    rows << QString() << InputRows(mainWindow) << QString() << ResultRows(resultWindow);
    const QStringList models = ModelRows(resultWindow);
    if (!models.isEmpty())
        rows << QString() << models;
    return rows.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace kvr
