// The pictures, the JPEG decoder, the warning window and the help window.
#include "Graphic.h"
#include "Help.h"
#include "InputFields.h"
#include "JpegImage.h"
#include "Titles.h"
#include "UiTestSupport.h"
#include "Warning.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <memory>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <tuple>

namespace kvr::test {
namespace {

// ---- Pictures ----------------------------------------------------------------------------

struct PictureCase {
    const char *path;
    int width;
    int height;
    QRgb ground;     // colour of the bottom-left pixel
    bool textRunsUp; // an axis title: its ink must fit along the height with a margin
};

class PictureTest : public ::testing::TestWithParam<PictureCase> {};

TEST_P(PictureTest, HasItsSizeGroundAndSomeInk) {
    const PictureCase &c = GetParam();
    const QImage picture(QString::fromLatin1(c.path));
    ASSERT_FALSE(picture.isNull()) << c.path;
    EXPECT_EQ(picture.size(), QSize(c.width, c.height));
    EXPECT_EQ(picture.pixel(0, c.height - 1) & 0xFFFFFF, c.ground & 0xFFFFFF);
    int dark = 0;
    int top = picture.height();
    int bottom = -1;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qGray(picture.pixel(x, y)) < 64) {
                ++dark;
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_GT(dark, 10) << "nothing drawn in " << c.path;
    if (c.textRunsUp) {
        EXPECT_GT(top, 0) << c.path;
        EXPECT_LT(bottom, c.height - 1) << c.path;
        EXPECT_GT(bottom - top, c.height * 3 / 4) << c.path;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Resources, PictureTest,
    ::testing::Values(PictureCase{":/warning.png", 33, 30, qRgb(240, 240, 240), false},
                      PictureCase{":/cutter.png", 338, 219, qRgb(255, 255, 255), false},
                      PictureCase{":/wear_axis_title.png", 17, 155, qRgb(240, 240, 240), true},
                      PictureCase{":/life_axis_title.png", 13, 111, qRgb(240, 240, 240), true}));

// ---- JPEG decoding -----------------------------------------------------------------------

TEST(LoadJpeg, CheckMarkDecodesToSeventeenSquareWithGreenInk) {
    const QImage check = LoadJpeg(QStringLiteral(":/checkmark.jpg"));
    ASSERT_FALSE(check.isNull());
    EXPECT_EQ(check.size(), QSize(17, 17));
    int green = 0;
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 17; ++x) {
            const QColor c = check.pixelColor(x, y);
            green += c.green() > 100 && c.green() > c.red() + 60 && c.green() > c.blue() + 60;
        }
    EXPECT_GT(green, 15);
    // The corner shows the button-face grey, within JPEG's error.
    const QColor corner = check.pixelColor(0, 0);
    EXPECT_NEAR(corner.red(), 240, 8);
    EXPECT_NEAR(corner.green(), 240, 8);
    EXPECT_NEAR(corner.blue(), 240, 8);
}

struct CorruptCase {
    const char *name;
    std::function<QByteArray(QByteArray)> spoil;
};

class CorruptJpegTest : public ::testing::TestWithParam<CorruptCase> {};

TEST_P(CorruptJpegTest, GivesANullImageAndTheProcessGoesOn) {
    QFile source(QStringLiteral(":/checkmark.jpg"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("spoilt.jpg"));
    QFile target(path);
    ASSERT_TRUE(target.open(QIODevice::WriteOnly));
    target.write(GetParam().spoil(source.readAll()));
    target.close();
    EXPECT_TRUE(LoadJpeg(path).isNull());
}

// Offset of the first start-of-frame marker's width field.
int FrameWidthOffset(const QByteArray &bytes) {
    const int marker = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    return marker < 0 ? -1 : marker + 7;
}

INSTANTIATE_TEST_SUITE_P(
    Spoilt, CorruptJpegTest,
    ::testing::Values(
        CorruptCase{"NotAJpeg", [](QByteArray) { return QByteArray("plain text, not a picture"); }},
        CorruptCase{"CutInTheHeader", [](QByteArray b) { return b.left(40); }},
        CorruptCase{"EmptyFile", [](QByteArray) { return QByteArray(); }},
        CorruptCase{"OnlyTheStartMarker", [](QByteArray b) { return b.left(2); }},
        CorruptCase{"ZeroWidth",
                    [](QByteArray b) {
                        const int at = FrameWidthOffset(b);
                        if (at > 0)
                            b[at] = b[at + 1] = 0;
                        return b;
                    }}),
    [](const ::testing::TestParamInfo<CorruptCase> &info) { return std::string(info.param.name); });

TEST(LoadJpeg, MissingFileGivesANullImage) {
    EXPECT_TRUE(LoadJpeg(QStringLiteral(":/no_such_picture.jpg")).isNull());
}

// ---- Warning window ----------------------------------------------------------------------

struct CentreCase {
    int outer;
    int width;
    int left;
};

class CentredLeftTest : public ::testing::TestWithParam<CentreCase> {};

TEST_P(CentredLeftTest, RoundsHalvesToTheEvenNeighbour) {
    const CentreCase &c = GetParam();
    EXPECT_EQ(TForm_Warning::CentredLeft(c.outer, c.width), c.left) << c.outer << " " << c.width;
}

INSTANTIATE_TEST_SUITE_P(Halves, CentredLeftTest,
                         ::testing::Values(CentreCase{200, 75, 62},  // 62.5 -> 62
                                           CentreCase{202, 75, 64},  // 63.5 -> 64
                                           CentreCase{201, 75, 63},  // exact
                                           CentreCase{110, 75, 18},  // 17.5 -> 18
                                           CentreCase{416, 75, 170}, // 170.5 -> 170
                                           CentreCase{70, 75, -2})); // -2.5 -> -2

class WarningWindowTest : public WindowTest {
protected:
    static const WarningControls &Shown() { return Form_Warning()->Controls(); }
    // Shows the warning with two lines and closes it with its own button.
    void Warn(const QString &first, const QString &second) {
        QTimer::singleShot(0, Form_Warning(), [] { Shown().ok->click(); });
        Form_Warning()->ShowWarning(first, second);
    }

    // What FormShow must produce: an outer width (frame included) of the longer line plus
    // 110, the button centred on that outer width.
    void ExpectFitted(int longerLine) {
        const int outer = Form_Warning()->frameGeometry().width();
        EXPECT_EQ(outer, longerLine + 110);
        const int buttonCentreTwice = 2 * Shown().ok->x() + Shown().ok->width();
        EXPECT_LE(std::abs(buttonCentreTwice - outer), 1);
        EXPECT_EQ(Shown().ok->y(), 64);
    }
};

const QString kLong =
    QStringLiteral("Мінімальне значення допустимого зношування по задній поверхні 28,68 мкм.");
const QString kShort = QStringLiteral("Невірне значення.");

// Each window's controls under their design names, of their kind, where the design puts
// them (a label sized to its text by its corner alone); the main window's tab order.
TEST_F(WarningWindowTest, ControlsStandUnderTheirNamesWhereTheDesignPutsThem) {
    // A window by its own name; a label sized to its text by its corner alone.
    const std::tuple<QWidget *, const char *, const char *, QRect> placed[] = {
        {Form_Warning(), "Form_Warning", "kvr::TForm_Warning", {482, 256, 406, 105}},
        {Form_Warning(), "Button1", "QPushButton", {168, 64, 75, 25}},
        {Form_Warning(), "Label1", "QLabel", {72, 16, 0, 0}},
        {Form_Warning(), "Label2", "QLabel", {72, 32, 0, 0}},
        {Form_Warning(), "Image1", "QLabel", {16, 16, 41, 41}},
        {Form_Graphic(), "Chart1", "kvr::chart::TChart", {8, 8, 441, 377}},
        {Form_Graphic(), "Label6", "QLabel", {121, 356, 179, 13}},
        {Form_Graphic(), "Image2", "QLabel", {8, 96, 17, 177}},
        {Form_Graphic(), "Image3", "QLabel", {8, 112, 17, 129}},
        {Form_Main(), "GroupBox10", "QGroupBox", {16, 208, 281, 97}},
        {Form_Main(), "Label3", "QLabel", {8, 16, 0, 0}},
        {Form_Main(), "Image1", "QLabel", {248, 352, 17, 17}},
        {Form_Main(), "BitBtn1", "QPushButton", {664, 344, 113, 33}},
    };
    for (const auto &[window, name, kind, geometry] : placed) {
        const QWidget *widget =
            window->objectName() == QLatin1String(name) ? window : Find<QWidget>(window, name);
        ASSERT_TRUE(widget) << name;
        EXPECT_STREQ(widget->metaObject()->className(), kind) << name;
        const QRect shown = geometry.isEmpty() ? QRect(widget->pos(), QSize(0, 0))
                                               : QRect(widget->pos(), widget->size());
        EXPECT_EQ(shown, geometry) << name;
    }
    EXPECT_EQ(Form_Warning()->windowTitle(), QStringLiteral("Увага!"));
    EXPECT_EQ(Form_Warning()->windowFlags() &
                  (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint),
              Qt::WindowCloseButtonHint);
    for (auto [picture, size] : {std::pair{Shown().picture, QSize(33, 30)},
                                 {Form_Graphic()->Image2, QSize(17, 155)},
                                 {Form_Graphic()->Image3, QSize(13, 111)}})
        EXPECT_EQ(picture->pixmap().size(), size);
    QStringList order;
    for (QWidget *next = Main().calculate; order.size() < 36; next = next->nextInFocusChain())
        if (next->focusPolicy() & Qt::TabFocus)
            order << next->objectName();
    EXPECT_EQ(order.join(' '),
              QStringLiteral("Button1 Edit1 Button2 Button3 ComboBox1 Edit3 ComboBox2 "
                             "ComboBox3 ComboBox4 ComboBox5 Edit10 Edit11 Edit12 Edit13 "
                             "Edit14 Edit2 Edit4 Edit5 Edit6 Edit19 Edit20 Edit21 Edit7 "
                             "Edit9 Edit15 Edit16 Edit17 Edit18 Edit22 Edit23 Edit24 Edit25 "
                             "Edit26 Edit27 BitBtn1 Button1"));
}

// The longer line sets the width, whichever it is; an empty second line keeps its place.
TEST_F(WarningWindowTest, TheLongerLineSetsTheWidth) {
    for (auto [first, second] : {std::pair{kLong, QString()}, {kShort, kLong}, {kLong, kLong}}) {
        Warn(first, second);
        ExpectFitted(std::max(Shown().first->width(), Shown().second->width()));
        EXPECT_EQ(Shown().second->pos(), QPoint(72, 32));
    }
}

TEST_F(WarningWindowTest, EachShowingRecomputesFromItsOwnTexts) {
    Warn(kLong, QString());
    const int wide = Form_Warning()->width();
    const int wideButton = Shown().ok->x();
    Warn(kShort, QStringLiteral("Ще раз."));
    ExpectFitted(Shown().first->width());
    EXPECT_LT(Form_Warning()->width(), wide);
    EXPECT_LT(Shown().ok->x(), wideButton);
    Warn(kShort, kLong);
    EXPECT_EQ(Form_Warning()->width(), wide);
    EXPECT_EQ(Shown().ok->x(), wideButton);
}

// A caller that writes the text without resizing the label still gets a fitting window.
TEST_F(WarningWindowTest, TextSetWithoutResizingStillFits) {
    Shown().first->setText(kLong);
    Shown().second->setText(QString());
    QTimer::singleShot(0, Form_Warning(), [] { Shown().ok->click(); });
    Form_Warning()->exec();
    EXPECT_EQ(Shown().first->width(), Shown().first->sizeHint().width());
    ExpectFitted(Shown().first->width());
}

TEST_F(WarningWindowTest, ModalWithButtonFocusedAndPressedByKeyboard) {
    std::vector<bool> seen; // modal, the button focused, the button the default one
    QTimer::singleShot(0, Form_Warning(), [&] {
        seen = {QApplication::activeModalWidget() == Form_Warning() &&
                    Form_Warning()->windowModality() == Qt::ApplicationModal,
                Form_Warning()->focusWidget() == Shown().ok, Shown().ok->isDefault()};
        QTest::keyClick(Shown().ok, Qt::Key_Space);
        // Should the key not close it, the test must still end.
        QTimer::singleShot(0, Form_Warning(), [] { Form_Warning()->close(); });
    });
    Form_Warning()->ShowWarning(kShort, QString());
    EXPECT_EQ(seen, std::vector<bool>({true, true, true}));
    EXPECT_FALSE(Form_Warning()->isVisible());
}

TEST_F(WarningWindowTest, ReturnEnterAndEscCloseItLikeTheButton) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        bool closed = false; // a key that does not close it leaves the close box to end it
        QTimer::singleShot(0, Form_Warning(), [&] {
            QTest::keyClick(Shown().ok, key);
            closed = !Form_Warning()->isVisible() || !Form_Warning()->close();
        });
        Form_Warning()->ShowWarning(kShort, QString());
        EXPECT_TRUE(closed) << key;
    }
}

TEST_F(WarningWindowTest, CloseBoxEndsTheModalDisplayLikeTheButton) {
    const QList<ModalCapture> shown =
        AnswerModals([] { Form_Warning()->ShowWarning(kShort, QString()); });
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].objectName, QStringLiteral("Form_Warning"));
    const int frame = Form_Warning()->frameGeometry().width() - Form_Warning()->width();
    EXPECT_EQ(shown[0].width + frame, Shown().first->width() + 110);
    EXPECT_FALSE(Form_Warning()->isVisible());
}

// ---- Help window -------------------------------------------------------------------------

struct HelpLineCase {
    int line; // 1-based
    int leading;
    int trailing;
    const char *ending; // the line's last characters before its trailing blanks
};

class HelpTextTest : public ::testing::TestWithParam<HelpLineCase> {};

TEST_P(HelpTextTest, KeepsIndentTrailingBlanksAndHyphens) {
    const HelpLineCase &c = GetParam();
    const QStringList lines = HelpText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 26);
    const QString &line = lines[c.line - 1];
    const QString trimmed = line.trimmed();
    EXPECT_EQ(line.indexOf(trimmed), c.leading) << c.line;
    EXPECT_EQ(line.size() - c.leading - trimmed.size(), c.trailing) << c.line;
    EXPECT_TRUE(trimmed.endsWith(QString::fromUtf8(c.ending)))
        << c.line << ": " << line.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Lines, HelpTextTest,
    ::testing::Values(HelpLineCase{1, 10, 0, "технологіч-"}, HelpLineCase{2, 0, 1, "а саме -"},
                      HelpLineCase{5, 10, 1, "діаметр"}, HelpLineCase{7, 0, 0, "Допустиме зношу-"},
                      HelpLineCase{16, 0, 0, "інстру-"}, HelpLineCase{21, 0, 0, "на 15%)."},
                      HelpLineCase{22, 10, 0, "параматрів математичних мо-"},
                      HelpLineCase{25, 0, 1, "від швидкості"}, HelpLineCase{26, 0, 0, "різання."}));

TEST(HelpText, SevenParagraphIndentsAndNoOtherLeadingBlanks) {
    int indented = 0;
    for (const QString &line : HelpText().split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char(' '))) {
            ++indented;
            EXPECT_TRUE(line.startsWith(QString(10, QLatin1Char(' ')))) << line.toStdString();
            EXPECT_NE(line.at(10), QLatin1Char(' ')) << line.toStdString();
        }
    }
    EXPECT_EQ(indented, 7);
}

using HelpWindowTest = WindowTest;

TEST_F(HelpWindowTest, HiddenToolWindowOfFixedSize) {
    EXPECT_FALSE(Form_Help()->isVisible());
    EXPECT_EQ(Form_Help()->objectName(), QStringLiteral("Form_Help"));
    EXPECT_EQ(Form_Help()->windowTitle(), WindowTitle("Допомога"));
    EXPECT_EQ(Form_Help()->windowType(), Qt::Tool);
    EXPECT_FALSE(Form_Help()->windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(Form_Help()->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(Form_Help()->testAttribute(Qt::WA_QuitOnClose));
    EXPECT_EQ(Form_Help()->pos(), QPoint(505, 94));
    EXPECT_EQ(Form_Help()->size(), QSize(361, 531));
    EXPECT_EQ(Form_Help()->minimumSize(), Form_Help()->maximumSize());
}

// A help window built while every text of `context` reads as `text`.
std::unique_ptr<TForm_Help> HelpTranslatedAs(const char *context, const QString &text) {
    struct OneContext : QTranslator {
        const char *context;
        QString text;
        QString translate(const char *of, const char *, const char *, int) const override {
            return qstrcmp(of, context) == 0 ? text : QString();
        }
    } translator;
    translator.context = context;
    translator.text = text;
    QCoreApplication::installTranslator(&translator);
    auto help = std::make_unique<TForm_Help>();
    QCoreApplication::removeTranslator(&translator);
    return help;
}

TEST_F(HelpWindowTest, TextIsOnePlainLabelInsideTheWindowAndAboveTheDrawing) {
    QLabel *text = Find<QLabel>(Form_Help(), "Label1");
    EXPECT_EQ(text->text(), HelpText());
    EXPECT_EQ(text->textFormat(), Qt::PlainText);
    EXPECT_FALSE(text->wordWrap());
    EXPECT_EQ(text->pos(), QPoint(16, 8));
    EXPECT_EQ(text->size(), text->sizeHint());
    EXPECT_LE(text->geometry().right(), 360);
    EXPECT_LT(text->geometry().bottom(), 352);
    EXPECT_GE(text->font().pixelSize(), 9);

    // A translation too long for any size stops shrinking at eight pixels.
    const auto crowded = HelpTranslatedAs("Help", QString(3000, QLatin1Char('\n')));
    EXPECT_EQ(crowded->findChild<QLabel *>(QStringLiteral("Label1"))->font().pixelSize(), 8);
}

TEST_F(HelpWindowTest, DrawingScaledToTheBoxWithWhiteSeeThrough) {
    QLabel *image = Find<QLabel>(Form_Help(), "Image2");
    EXPECT_EQ(image->geometry(), QRect(48, 352, 265, 169));
    EXPECT_EQ(image->alignment(), Qt::AlignLeft | Qt::AlignTop);
    const QImage drawing = image->pixmap().toImage();
    // 338 × 219 into 265 × 169: the height limits, 338 · 169 / 219 = 260.8, kept as 260.
    EXPECT_EQ(drawing.size(), QSize(260, 169));
    EXPECT_EQ(qAlpha(drawing.pixel(2, 2)), 0);
    EXPECT_EQ(qAlpha(drawing.pixel(2, 166)), 0);
    int opaqueDark = 0;
    for (int y = 0; y < drawing.height(); ++y)
        for (int x = 0; x < drawing.width(); ++x)
            opaqueDark += qAlpha(drawing.pixel(x, y)) > 200 && qGray(drawing.pixel(x, y)) < 80;
    EXPECT_GT(opaqueDark, 200);

    // On screen the face colour shows where the drawing was white.
    const QImage shot = Form_Help()->grab().toImage();
    const QColor face = Form_Help()->palette().color(QPalette::Window);
    EXPECT_EQ(shot.pixelColor(48 + 2, 352 + 2), face);
    EXPECT_EQ(shot.pixelColor(48 + 130, 352 + 160), face);

    // The colour keyed out is the bottom-left pixel's, whatever lies above it.
    QTemporaryDir dir;
    QImage tall(1, 2, QImage::Format_RGB32);
    tall.setPixel(0, 0, qRgb(0, 0, 0));
    tall.setPixel(0, 1, qRgb(255, 255, 255));
    ASSERT_TRUE(tall.save(dir.filePath(QStringLiteral("tall.png"))));
    const auto help = HelpTranslatedAs("Picture", dir.filePath(QStringLiteral("tall.png")));
    const QImage keyed = help->findChild<QLabel *>(QStringLiteral("Image2"))->pixmap().toImage();
    EXPECT_EQ(keyed.pixel(0, 0), qRgba(0, 0, 0, 255));
    EXPECT_EQ(keyed.pixel(0, keyed.height() - 1), qRgba(0, 0, 0, 0));
}

TEST_F(HelpWindowTest, HelpButtonTwiceShowsTheOneWindow) {
    QWidget *main = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("Form_Main"))
            main = window;
    ASSERT_NE(main, nullptr);
    auto *help = main->findChild<QPushButton *>(QStringLiteral("BitBtn1"));
    ASSERT_NE(help, nullptr);
    help->click();
    help->click();
    EXPECT_TRUE(Form_Help()->isVisible());
    int helpWindows = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        helpWindows += window->objectName() == QLatin1String("Form_Help");
    EXPECT_EQ(helpWindows, 1);
    Form_Help()->close();
    EXPECT_FALSE(Form_Help()->isVisible());
    help->click();
    EXPECT_TRUE(Form_Help()->isVisible());
}

} // namespace
} // namespace kvr::test
