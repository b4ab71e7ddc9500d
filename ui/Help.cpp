#include "Help.h"

#include "Fonts.h"
#include "FormBuilder.h"
#include "Handler.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>

#include <array>

namespace kvr {

namespace {

struct HelpLine {
    int leading;
    const char *text;
    int trailing;
};

constexpr std::array<HelpLine, 26> kHelpLines{{
    {10, "Програма призначена для дослідження впливу технологіч-", 0},
    {0, "них факторів на зношування різального інструмента, а саме -", 1},
    {0, "впливу діаметра заготовки, режиму оброблення, геометричних", 0},
    {0, "параметрів прохідного різця на його зношування.", 0},
    {10, "Вихідними даними для розрахунків є: матеріал та діаметр", 1},
    {0, "заготовки, режим оброблення та значення допустимого", 1},
    {0, "зношування по задній поверхні інструменту. Допустиме зношу-", 0},
    {0, "вання по задній поверхні надається викладачем.", 0},
    {10, "Результати вимірювання мають містити тривалість роботи", 1},
    {0, "інструмента та значення зношування по задній поверхні після", 1},
    {0, "кожного відповідного часу його роботи.", 0},
    {10, "Ідентифікаційні дані користувача програми повинні містити", 1},
    {0, "прізвище та ініціали студента. Ці дані необхідні для звіту по", 1},
    {0, "виконанню даної роботи.", 0},
    {10, "Результати розрахунків містять швидкість різання, загаль-", 0},
    {0, "ну тривалість роботи та значення розмірного зношування інстру-", 0},
    {0, "мента після кожного проміжку його роботи.", 0},
    {10, "Для отримання невідомих параметрів математичних моде-", 0},
    {0, "лей необхідно задати довільше значення тривалості роботи", 1},
    {0, "інструмента (значення довільного часу оброблення не повинно", 1},
    {0, "виходити за межі часу проведення експерименту на 15%).", 0},
    {10, "Після визначення невідомих параматрів математичних мо-", 0},
    {0, "делей можна побудувати графіки залежностей: розмірного", 1},
    {0, "зношування від часу оброблення, розмірного зношування від", 0},
    {0, "швидкості різання, періоду стійкості інструмента від швидкості", 1},
    {0, "різання.", 0},
}};

constexpr int kClientWidth = 361;
constexpr int kClientHeight = 531;
constexpr int kImageTop = 352;

constexpr std::array kLayout{
    ControlRow{ControlKind::Label, "Label1", nullptr, 16, 8},
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

} // namespace

QString HelpText() {
    QStringList lines;
    for (const HelpLine &line : kHelpLines) {
        lines << QString(line.leading, QLatin1Char(' ')) + QString::fromUtf8(line.text) +
                     QString(line.trailing, QLatin1Char(' '));
    }
    return lines.join(QLatin1Char('\n'));
}

TForm_Help::TForm_Help()
    : TFixedForm(
          "Form_Help", WindowTitle("Допомога"), QPoint(505, 94), QSize(kClientWidth, kClientHeight),
          Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setFixedSize(kClientWidth, kClientHeight);

    FormBuilder builder(this);
    builder.Build(kLayout);
    Label1 = builder.Get<QLabel>("Label1");
    Image2 = builder.Get<QLabel>("Image2");

    // Where the design face is missing, a wider stand-in must still leave the text inside
    // the window and above the drawing.
    for (int pixelSize = kWindowFontPx;; --pixelSize) {
        Label1->setFont(WindowFont(pixelSize));
        Label1->setText(HelpText());
        Label1->adjustSize();
        const bool fits = Label1->geometry().right() < kClientWidth - 8 &&
                          Label1->geometry().bottom() < kImageTop - 2;
        if (fits || pixelSize <= 8)
            break;
    }

    Image2->setPixmap(TransparentDrawing(QStringLiteral(":/cutter.png"), Image2->size()));
}

} // namespace kvr
