// Experiment files through the main window: random texts come back byte for byte after a
// restart, and each kind of bad file is refused with its message and changes nothing.
#include "DefaultRun.h"
#include "ExperimentFile.h"
#include "Graphic.h"
#include "InputControls.h"
#include "InputFields.h"

#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <random>

namespace kvr::test {
namespace {

class ExperimentFile : public WindowTest {
protected:
    QString Path(const char *name) const { return m_dir.filePath(QString::fromUtf8(name)); }
    QByteArray Read(const char *name) const {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QByteArray Saved(const char *name) {
        EXPECT_TRUE(AnswerModals([&] { Form_Main->SaveExperiment(Path(name)); }).isEmpty());
        return Read(name);
    }
    // The one message a failing open or save shows.
    static std::string Message(const std::function<bool()> &fails) {
        const auto shown = AnswerModals([&] { EXPECT_FALSE(fails()); });
        return shown.size() == 1 ? shown[0].texts.join(QString()).toStdString() : "no one message";
    }
    // The run has shown its results and graphs, and one field is marked.
    static void RunDefaults() {
        ShowDefaultGraphs();
        Find<QPushButton>(Form_Main, "Button2")->click();
        MarkEdit(Find<QLineEdit>(Form_Main, "Edit3"), 1);
    }
    QTemporaryDir m_dir;
};

std::string RandomText(std::mt19937 &random, int length) {
    static const std::u32string kPool = U",.09 -eЇґ\"\\😀\t";
    std::u32string text(static_cast<std::size_t>(length), U' ');
    for (char32_t &c : text)
        c = kPool[std::uniform_int_distribution<std::size_t>(0, kPool.size() - 1)(random)];
    return QString::fromStdU32String(text).toStdString();
}

TEST_F(ExperimentFile, RandomTextsComeBackByteForByteAndTheRunStartsAfresh) {
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> length(0, 12);
    ExperimentTexts texts{RandomText(random, length(random)), {}, RandomText(random, 1000)};
    for (const InputField &field : kInputFields) {
        std::string &text = texts.fields[static_cast<std::size_t>(field.slot)];
        if (auto *combo = qobject_cast<QComboBox *>(Find<QWidget>(Form_Main, InputControl(field.slot)))) {
            combo->setCurrentIndex(static_cast<int>(random() % unsigned(combo->count())));
            text = combo->currentText().toStdString();
        } else {
            text = RandomText(random, field.slot == 5 ? 1000 : field.slot == 6 ? 0 : length(random));
            Find<QLineEdit>(Form_Main, InputControl(field.slot))->setText(QString::fromStdString(text));
        }
    }
    Find<QLineEdit>(Form_Main, "Edit1")->setText(QString::fromStdString(texts.name));
    Form_Result->StartAnew(QString::fromStdString(texts.chosenTime));
    const QByteArray saved = Saved("first.kvr");
    EXPECT_EQ(saved, SerializeExperiment(texts));

    TearDown(); // the program quits and starts again
    SetUp();
    RunDefaults();
    EXPECT_TRUE(Form_Main->OpenExperiment(Path("first.kvr")));
    EXPECT_EQ(Saved("second.kvr"), saved);
    EXPECT_FALSE(Form_Result->isVisible() || Form_Graphic->isVisible());
    EXPECT_FALSE(Find<QWidget>(Form_Main, "Button2")->isEnabled() ||
                 Find<QWidget>(Form_Main, "Button3")->isEnabled() ||
                 Find<QWidget>(Form_Main, "Image1")->isVisible());
    for (QWidget *control : Form_Main->findChildren<QWidget *>())
        EXPECT_FALSE(IsMarked(control)) << control->objectName().toStdString();
}

TEST_F(ExperimentFile, EachBadFileAndFailedSaveIsNamedAndChangesNothing) {
    RunDefaults();
    const QByteArray before = Saved("before.kvr");
    const QJsonObject good = QJsonDocument::fromJson(before).object();
    const auto with = [&](const char *key, const QJsonValue &value) {
        QJsonObject changed = good;
        changed[QLatin1String(key)] = value;
        if (value.isUndefined())
            changed.remove(QLatin1String(key));
        return QJsonDocument(changed).toJson();
    };
    const std::pair<QByteArray, const char *> rows[] = {
        {{}, "файл не вдалося прочитати"},
        {"Іваненко", "вміст не є правильним текстом JSON"},
        {with("format", "kvr-report"), "це не файл досліду KVR"},
        {with("version", 2), "файл записано новішою програмою: версія формату вища за 1"},
        {with("feed", QJsonValue::Undefined), "бракує ключа «feed»"},
        {with("spindle_speed", QJsonArray{"610", 380, "185"}),
         "ключ «spindle_speed» має бути списком із 3 текстів"},
        {with("diameter", QString(1001, QLatin1Char('9'))), "текст поля D довший за 1 000 символів"},
        {with("phi", "50"), "значення «50» поля φ не є жодним із пунктів його списку"},
        {QByteArray(kMaxExperimentFileBytes + 1, ' '), "файл більший за 1 МіБ"},
    };
    for (const auto &[bytes, reason] : rows) {
        SCOPED_TRACE(reason);
        QFile file(Path("bad.kvr"));
        ASSERT_TRUE(bytes.isNull() ? !file.exists() || file.remove()
                                   : file.open(QIODevice::WriteOnly) && file.write(bytes) > 0);
        file.close();
        EXPECT_EQ(Message([&] { return Form_Main->OpenExperiment(Path("bad.kvr")); }),
                  QString::fromUtf8("Не вдалося відкрити дослід «%1»: %2.")
                      .arg(Path("bad.kvr"), QString::fromUtf8(reason)).toStdString());
        EXPECT_EQ(Saved("after.kvr"), before);
        EXPECT_TRUE(Form_Result->isVisible() && Form_Graphic->isVisible() &&
                    Find<QWidget>(Form_Main, "Button3")->isEnabled() &&
                    IsMarked(Find<QLineEdit>(Form_Main, "Edit3")));
    }
    Find<QLineEdit>(Form_Main, "Edit11")->setText(QString(1001, QLatin1Char('1')));
    const std::pair<QString, const char *> saves[] = {
        {Path("before.kvr"), "текст поля S довший за 1 000 символів"},
        {Path("before.kvr/new.kvr"), "файл не вдалося створити для запису"},
    };
    for (const auto &[path, reason] : saves) {
        EXPECT_EQ(Message([&] { return Form_Main->SaveExperiment(path); }),
                  QString::fromUtf8("Не вдалося зберегти дослід «%1»: %2. Файл на диску не змінено.")
                      .arg(path, QString::fromUtf8(reason)).toStdString());
        Find<QLineEdit>(Form_Main, "Edit11")->setText(QStringLiteral("0,1"));
    }
    EXPECT_EQ(Read("before.kvr"), before);
}

} // namespace
} // namespace kvr::test
