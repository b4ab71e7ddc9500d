#include "Help.h"

#include "Fonts.h"
#include "FormBuilder.h"
#include "Titles.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPixmap>

#include <array>

namespace kvr {

namespace {

// The text as the window lays it out, line by line: a paragraph starts with ten blanks,
// and some lines keep the blank the line breaking left at their end.
constexpr const char *kHelpText = QT_TRANSLATE_NOOP(
    "Help", "          Програма призначена для дослідження впливу технологіч-\n"
            "них факторів на зношування різального інструмента, а саме - \n"
            "впливу діаметра заготовки, режиму оброблення, геометричних\n"
            "параметрів прохідного різця на його зношування.\n"
            "          Вихідними даними для розрахунків є: матеріал та діаметр \n"
            "заготовки, режим оброблення та значення допустимого \n"
            "зношування по задній поверхні інструменту. Допустиме зношу-\n"
            "вання по задній поверхні надається викладачем.\n"
            "          Результати вимірювання мають містити тривалість роботи \n"
            "інструмента та значення зношування по задній поверхні після \n"
            "кожного відповідного часу його роботи.\n"
            "          Ідентифікаційні дані користувача програми повинні містити \n"
            "прізвище та ініціали студента. Ці дані необхідні для звіту по \n"
            "виконанню даної роботи.\n"
            "          Результати розрахунків містять швидкість різання, загаль-\n"
            "ну тривалість роботи та значення розмірного зношування інстру-\n"
            "мента після кожного проміжку його роботи.\n"
            "          Для отримання невідомих параметрів математичних моде-\n"
            "лей необхідно задати довільше значення тривалості роботи \n"
            "інструмента (значення довільного часу оброблення не повинно \n"
            "виходити за межі часу проведення експерименту на 15%).\n"
            "          Після визначення невідомих параматрів математичних мо-\n"
            "делей можна побудувати графіки залежностей: розмірного \n"
            "зношування від часу оброблення, розмірного зношування від\n"
            "швидкості різання, періоду стійкості інструмента від швидкості \n"
            "різання.");

constexpr int kClientWidth = 361;
constexpr int kClientHeight = 531;
constexpr int kImageTop = 352;
constexpr int kTextLeft = 16;
// The text's lines end short of the window's right edge by its left margin's half.
constexpr int kTextWidth = kClientWidth - 8 - kTextLeft - 1;

constexpr std::array kLayout{
    ControlRow{ControlKind::Label, "Label1", nullptr, kTextLeft, 8},
    ControlRow{ControlKind::Image, "Image2", nullptr, 48, kImageTop, 265, 169},
};

// Scaled into the box with its proportions kept; pixels of the bottom-left pixel's colour
// are keyed out before scaling, so the smoothed edges fade into the face colour.
QPixmap TransparentDrawing(const QString &path, QSize box) {
    QImage picture = QImage(path).convertToFormat(QImage::Format_ARGB32);
    if (picture.isNull())
        return QPixmap();
    const QRgb key = picture.pixel(0, picture.height() - 1);
    for (int y = 0; y < picture.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (row[x] == key)
                row[x] = qRgba(0, 0, 0, 0);
        }
    }
    return QPixmap::fromImage(picture.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                  .scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

// A line wider than `width` is broken at its last space that fits, so that a translation
// written as whole paragraphs flows as the original does; a line that fits stays as it is.
QString Flowed(const QString &text, const QFontMetrics &metrics, int width) {
    QStringList lines;
    for (QString rest : text.split(QLatin1Char('\n'))) {
        while (metrics.horizontalAdvance(rest) > width) {
            qsizetype cut = rest.lastIndexOf(QLatin1Char(' '));
            while (cut > 0 && metrics.horizontalAdvance(rest.left(cut)) > width)
                cut = rest.lastIndexOf(QLatin1Char(' '), cut - 1);
            if (cut <= 0 || rest.left(cut).trimmed().isEmpty())
                break; // one word wider than the line: left whole
            lines << rest.left(cut);
            rest = rest.mid(cut + 1);
        }
        lines << rest;
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

QString HelpText() { return QCoreApplication::translate("Help", kHelpText); }

TForm_Help::TForm_Help()
    : TFixedForm("Form_Help", WindowTitle(QT_TRANSLATE_NOOP("Title", "Допомога")), QPoint(505, 94),
                 QSize(kClientWidth, kClientHeight),
                 Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowCloseButtonHint) {
    setFixedSize(kClientWidth, kClientHeight);

    FormBuilder builder(this);
    builder.Build(kLayout);
    Label1 = builder.Get<QLabel>("Label1");
    Image2 = builder.Get<QLabel>("Image2");

    // Where the design face is missing, a wider stand-in must still leave the text inside
    // the window and above the drawing.
    for (int pixelSize = kWindowFontPx;; --pixelSize) {
        Label1->setFont(WindowFont(pixelSize));
        Label1->setText(Flowed(HelpText(), Label1->fontMetrics(), kTextWidth));
        Label1->adjustSize();
        const bool fits = Label1->geometry().right() < kClientWidth - 8 &&
                          Label1->geometry().bottom() < kImageTop - 2;
        if (fits || pixelSize <= 8)
            break;
    }

    Image2->setPixmap(
        TransparentDrawing(QCoreApplication::translate("Picture", ":/cutter.png"), Image2->size()));
}

} // namespace kvr
