// Experiment files through the main window: random texts come back byte for byte after a
// restart, and each kind of bad file is refused with its message and changes nothing.
#include "ExperimentFile.h"
#include "DefaultRun.h"
#include "FileNames.h"
#include "Graphic.h"
#include "InputFields.h"
#include "TypedInputs.h"
#include "Workbook.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <random>
#include <tuple>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace kvr::test {
namespace {

// The worked example as a file fixed in the repository.
constexpr const char *kExampleFile = KVR_SOURCE_DIR "/tests/fuzz/corpus/experiment_reader/example";

class ExperimentFile : public WindowTest {
protected:
    QString Path(const char *name) const { return m_dir.filePath(QString::fromUtf8(name)); }
    static QByteArray Read(const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QByteArray Saved(const char *name) { return Saved(Path(name)); }
    static bool Write(const QString &path, const QByteArray &bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    static QByteArray Saved(const QString &path) {
        EXPECT_TRUE(AnswerModals([&] { Form_Main()->SaveExperiment(path); }).isEmpty());
        return Read(path);
    }
    // Texts that make a file larger than a page of the disk.
    static void FillWithLongTexts() {
        const QString text(1000, QChar(u'Ї'));
        Main().studentName->setText(text);
        Edit(kDiameterSlot)->setText(text);
        Results().chosenTime->setText(text);
    }
    // The one message a failing open or save shows.
    static std::string Message(const std::function<bool()> &fails) {
        const auto shown = AnswerModals([&] { EXPECT_FALSE(fails()); });
        return shown.size() == 1 ? shown[0].texts.join(QString()).toStdString() : "no one message";
    }
    // Started afresh, the run has shown its results and graphs; a field of each window is marked.
    void RunDefaults() {
        TearDown();
        SetUp();
        ShowDefaultGraphs();
        Main().results->click();
        MarkField(Edit(kDiameterSlot), QStringLiteral("не число"));
        MarkField(Results().chosenTime, QStringLiteral("не число"));
    }
    static QStringList FormulaTexts() {
        QStringList texts;
        for (const FormulaControls *formula : {&Results().wearModel, &Results().lifeModel})
            texts << formula->coefficient->text() << formula->exponent->text();
        return texts;
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
    ExperimentTexts texts{.name = RandomText(random, length(random)),
                          .chosenTime = RandomText(random, 1000),
                          .decimalSign = WindowDecimalSign()};
    for (const InputField &field : kInputFields) {
        std::string &text = texts.fields[static_cast<std::size_t>(field.slot)];
        if (auto *combo = qobject_cast<QComboBox *>(Main().inputs[std::size_t(field.slot)])) {
            combo->setCurrentIndex(static_cast<int>(random() % unsigned(combo->count())));
            text = combo->currentText().toStdString();
        } else {
            text = RandomText(random, field.slot == kDiameterSlot     ? 1000
                                      : field.slot == kDepthOfCutSlot ? 0
                                                                      : length(random));
            Edit(field.slot)->setText(QString::fromStdString(text));
        }
    }
    Main().studentName->setText(QString::fromStdString(texts.name));
    Results().chosenTime->setText(QString::fromStdString(texts.chosenTime));
    const QByteArray saved = Saved("first.kvr");
    EXPECT_EQ(saved, SerializeExperiment(texts));

    const QStringList designed = FormulaTexts();
    RunDefaults(); // the program quits and starts again, then opens the file as `kvr first.kvr`
    ASSERT_NE(FormulaTexts(), designed);
    EXPECT_TRUE(AnswerModals([&] {
                    m_windows->OpenExperimentLater(Path("first.kvr"));
                    QApplication::processEvents();
                }).isEmpty());
    EXPECT_EQ(Saved("second.kvr"), saved);
    EXPECT_FALSE(Form_Result()->isVisible() || Form_Graphic()->isVisible());
    EXPECT_FALSE(Main().results->isEnabled() || Main().graphs->isEnabled() ||
                 Main().nameAccepted->isVisible());
    for (QWidget *control : Form_Main()->findChildren<QWidget *>())
        EXPECT_FALSE(IsMarked(control)) << control->objectName().toStdString();
    EXPECT_FALSE(IsMarked(Results().chosenTime));
    EXPECT_EQ(FormulaTexts(), designed);
}

// The worked example's file, fixed in the repository: written key for key and value for
// value, and read back into every field.
TEST_F(ExperimentFile, TheWorkedExampleIsWrittenAndReadAsItsFixedFile) {
    const QByteArray fixed = Read(QString::fromUtf8(kExampleFile));
    Main().studentName->setText(QString::fromUtf8("Іваненко"));
    // An English window starts with decimal points; the file keeps what the fields show.
    QJsonObject shown = QJsonDocument::fromJson(fixed).object();
    const auto translated = [](const QJsonValue &text) {
        return QCoreApplication::translate("Form", text.toString().toUtf8().constData());
    };
    for (const char *key : {"depth_of_cut", "feed"})
        shown[key] = translated(shown[key]);
    QJsonArray times = shown["running_time"].toArray(), second = times[1].toArray();
    for (QJsonValueRef time : second)
        time = translated(time);
    times[1] = second;
    shown["running_time"] = times;
    // The fixed file is older than the window's decimal sign, which a file now records.
    shown["decimal_sign"] = QString::fromStdString(WindowDecimalSign());
    EXPECT_EQ(Saved("example.kvr"), QJsonDocument(shown).toJson());
    Main().calculate->click();
    Edit(kDiameterSlot)->setText(QStringLiteral("96"));
    ASSERT_TRUE(Write(Path("fixed.kvr"), fixed));
    AnswerModals([&] { EXPECT_TRUE(Form_Main()->OpenExperiment(Path("fixed.kvr"))); });
    EXPECT_EQ(Form_Main()->FieldTexts(), *ReadExperimentFile(Path("fixed.kvr")));
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
    const QString fifo = Path("fifo.kvr"), loop = Path("loop.kvr");
    ASSERT_TRUE(::mkfifo(QFile::encodeName(fifo), 0644) == 0 && QFile::link(loop, loop));
    const char *const missing = "такого файлу немає; перевірте назву і папку";
    // The bytes of bad.kvr (none: no such file), or another path.
    struct BadFile {
        QByteArray bytes;
        const char *reason;
        QString other = {};
    };
    const BadFile rows[] = {
        {{}, missing, {}},
        {{}, missing, Path("missing/bad.kvr")},
        {{}, "це папка, а не файл", m_dir.path()},
        {{}, "символьні посилання на цей файл утворюють замкнене коло", loop},
        {{}, "це не звичайний файл, а канал чи пристрій", fifo},
        {{}, "це не звичайний файл, а канал чи пристрій", "/dev/zero"},
        {"Іваненко", "вміст не є правильним текстом JSON"},
        {with("format", "kvr-report"), "це не файл досліду KVR"},
        {with("version", 2), "файл записано новішою програмою: версія формату вища за 1"},
        {with("version", 1.5), "ключ «version» має бути цілим числом від 1"},
        {with("version", QJsonValue::Undefined), "бракує ключа «version»"},
        {with("feed", QJsonValue::Undefined), "бракує ключа «feed»"},
        {with("spindle_speed", QJsonArray{"610", 380, "185"}),
         "ключ «spindle_speed» має бути списком із 3 текстів"},
        {with("spindle_speed", QJsonArray{"610", "380", "185", "185"}),
         "ключ «spindle_speed» має бути списком із 3 текстів"},
        {with("version", 0), "ключ «version» має бути цілим числом від 1"},
        {with("decimal_sign", ";"), "ключ «decimal_sign» має бути «,» або «.»"},
        {"", "файл порожній"},
        {with("spindle_speed", QJsonArray{QString(1001, '6'), "380", "185"}),
         "текст поля «n1» довший за 1 000 символів"},
        {with("running_time",
              QJsonArray{QJsonArray{"1", "1", "1"}, QJsonArray{"1", "1", QString(1001, '1')},
                         QJsonArray{"2", "2", "2"}}),
         "текст поля «τ23» довший за 1 000 символів"},
        {with("flank_wear", QJsonArray{QJsonArray{"3", "4", "4"}, QJsonArray{"2", "2", "3"},
                                       QJsonArray{"1", "2", QString(1001, '2')}}),
         "текст поля «hз33» довший за 1 000 символів"},
        {with("allowable_flank_wear", QString(1001, '5')),
         "текст поля «[hз]» довший за 1 000 символів"},
        {with("diameter", QString(1001, QLatin1Char('9'))),
         "текст поля «D» довший за 1 000 символів"},
        {with("phi", "50"), "значення «50» поля φ не є жодним із пунктів його списку"},
        {with("material", "сталь 99"),
         "значення «сталь 99» поля матеріал не є жодним із пунктів його списку"},
        {with("name", QString(1001, 'I')),
         "текст поля «ім'я користувача» довший за 1 000 символів"},
        {with("chosen_time", QString(1001, '3')), "текст поля «τд» довший за 1 000 символів"},
        {QByteArray((1 << 20) + 1, ' '), "файл більший за 1 МіБ"},
        {QByteArray(1 << 20, ' '), "вміст не є правильним текстом JSON"},
    };
    const auto descriptors = [] { return QDir("/proc/self/fd").count(); };
    const qsizetype open = descriptors();
    for (const auto &[bytes, reason, other] : rows) {
        SCOPED_TRACE(reason);
        RunDefaults(); // each row on a run of its own
        const QString bad = Path("bad.kvr"), path = other.isEmpty() ? bad : other;
        ASSERT_TRUE(bytes.isNull() ? !QFile::exists(bad) || QFile::remove(bad) : Write(bad, bytes));
        EXPECT_EQ(Message([&] { return Form_Main()->OpenExperiment(path); }),
                  QString::fromUtf8("Не вдалося відкрити дослід «%1»: %2.")
                      .arg(path, QString::fromUtf8(reason))
                      .toStdString());
        EXPECT_EQ(Saved("after.kvr"), before);
        EXPECT_TRUE(Form_Result()->isVisible() && Form_Graphic()->isVisible() &&
                    Main().graphs->isEnabled() && IsMarked(Edit(kDiameterSlot)));
        EXPECT_EQ(descriptors(), open);
    }
    // A later table's input from version 2: a file of today takes its text for older files.
    std::vector<InputRow> later(kInputs.begin(), kInputs.end());
    later.push_back({"coolant", 0, 0, InputKind::Number, nullptr, "", {}, 2, "емульсія"});
    auto texts = *ParseExperiment(before);
    texts.fields.push_back("емульсія");
    EXPECT_EQ(ParseExperiment(before, later), ExperimentRead(texts));
    EXPECT_EQ(ParseExperiment(with("version", 2), later),
              Failure(QString::fromUtf8("бракує ключа «coolant»")));
}

// Each failure on a real disk, the full disk met in the middle of writing: the message
// names it, and the old file and the folder stay as they were.
TEST_F(ExperimentFile, EachFailedSaveIsNamedAndLeavesTheOldFileAndNoOther) {
    // A run and a disk of its own, full but for a page, with a pipe, a device and a dead link.
    const auto start = [this](SmallDisk &disk) {
        RunDefaults();
        const QString old = disk.Path("old.kvr");
        const QByteArray before = Saved(old);
        EXPECT_TRUE(
            QDir().mkdir(disk.Path("locked")) && QFile::setPermissions(old, QFile::ReadOwner) &&
            QFile::setPermissions(QFileInfo(old).absolutePath(),
                                  QFileDevice::Permissions(0x7777)) &&
            ::mkfifo(QFile::encodeName(disk.Path("fifo.kvr")), 0644) == 0 &&
            ::mknod(QFile::encodeName(disk.Path("null.kvr")), S_IFCHR | 0666, makedev(1, 3)) == 0 &&
            QFile::link(disk.Path("gone/new.kvr"), disk.Path("link.kvr")));
        disk.Fill(4096);
        const QStringList entries = disk.Entries(); // what follows adds and removes nothing
        // Nobody but the owner may write the old file, or in the locked folder; no descriptor
        // stays.
        for (const QString &path : {old, disk.Path("locked/new.kvr")})
            EXPECT_EQ(AsNobody([&] {
                          const qsizetype open = QDir("/proc/self/fd").count();
                          const Expected<void> saved =
                              m_windows->TheExperiment().Save(path, Form_Main()->FieldTexts());
                          const std::string reason =
                              saved ? "" : saved.Error().Reason(FileAction::Save).toStdString();
                          return QDir("/proc/self/fd").count() == open ? reason
                                                                       : "a descriptor open";
                      }),
                      "немає дозволу на запис у цей файл чи папку; виберіть іншу папку");
        return std::pair(before, entries);
    };
    const auto save = [&](const char *action, const QString &path) {
        QAction *trigger = action ? Find<QAction>(Form_Result(), action) : nullptr;
        const auto shown = AnswerModals(
            [&] { trigger ? trigger->trigger() : void(Form_Main()->SaveExperiment(path)); },
            std::chrono::seconds(10),
            [&path](QWidget *modal) {
                if (auto *files = qobject_cast<QFileDialog *>(modal))
                    files->selectFile(path);
                if (qobject_cast<QFileDialog *>(modal) || qobject_cast<QPrintDialog *>(modal))
                    static_cast<QDialog *>(modal)->accept();
                return qobject_cast<QMessageBox *>(modal) == nullptr;
            });
        if (shown.isEmpty())
            return QString();
        EXPECT_EQ(shown.constLast().objectName, "FileFailureBox");
        return shown.constLast().texts.join(QString());
    };
    // The group's workbook, over the old file, through the same writer.
    const auto workbookSaved = [](const QString &old) {
        Workbook book;
        book.Add(GroupCheck().Check(QFile::encodeName(old)));
        const Expected<void> saved = book.Save(old);
        return saved ? QString() : saved.Error().Reason(FileAction::Save);
    };
    const char *const full = "на диску забракло місця; звільніть місце або виберіть інший диск";
    const char *const readOnly = "диск доступний лише для читання; виберіть інший диск";
    const char *const workbook = "workbook";
    const QString report = SuggestedFileName("Іваненко", QDate::currentDate(), "pdf");
    struct FailedSave {
        const char *action; // a report action, the workbook, or none for the experiment
        QString name;       // of the file, on the row's disk
        const char *reason;
        std::function<void(SmallDisk &)> prepare = [](SmallDisk &) {};
    };
    const FailedSave rows[] = {
        {nullptr, "fifo.kvr", "це не звичайний файл, а канал чи пристрій"},
        {nullptr, "null.kvr", "це не звичайний файл, а канал чи пристрій"},
        {nullptr, "old.kvr", "текст поля «S» довший за 1 000 символів",
         [](SmallDisk &) { Edit(SlotOf("feed"))->setText(QString(1001, QLatin1Char('1'))); }},
        {nullptr, "old.kvr/new.kvr", "такої папки немає; виберіть наявну папку"},
        {nullptr, "locked", "це папка, а не файл"},
        {nullptr, "link.kvr", "такої папки немає; виберіть наявну папку"},
        {nullptr, QString(128, QChar(u'я')), "назва файлу задовга; виберіть коротшу"},
        {nullptr, "old.kvr", full, [](SmallDisk &) { FillWithLongTexts(); }},
        {nullptr, "new.kvr", full, [](SmallDisk &) { FillWithLongTexts(); }},
        {"SaveReportPdf", report, full},
        {"PrintReport", report, full},
        {workbook, "old.kvr", full},
        {nullptr, "old.kvr", readOnly, &SmallDisk::MakeReadOnly},
        {"SaveReportPdf", "new.kvr.pdf", readOnly, &SmallDisk::MakeReadOnly},
        {workbook, "old.kvr", readOnly, &SmallDisk::MakeReadOnly},
    };
    for (const auto &[action, name, reason, prepare] : rows) {
        SCOPED_TRACE(name.toStdString() + " " + (action ? action : "") + " " + reason);
        SmallDisk own;
        ASSERT_EQ(own.Failure(), "");
        const auto [before, entries] = start(own);
        prepare(own);
        const QString path = own.Path(name), why = QString::fromUtf8(reason);
        const bool wasFile = QFileInfo(path).isFile(); // a pipe or a device is not replaced
        // Only where something stood is it said to be unchanged.
        const bool there = QFileInfo(path).exists() || QFileInfo(path).isSymLink();
        const QString message =
            QString::fromUtf8(action ? "Не вдалося зберегти звіт у файл «%1»: %2."
                                     : "Не вдалося зберегти дослід «%1»: %2.") +
            (there ? QString::fromUtf8(" Файл на диску не змінено.") : "");
        EXPECT_EQ((action == workbook ? workbookSaved(path) : save(action, path)).toStdString(),
                  (action == workbook ? why : message.arg(path, why)).toStdString());
        EXPECT_EQ(Read(own.Path("old.kvr")), before);
        EXPECT_EQ(own.Entries(), entries);
        EXPECT_EQ(QFileInfo(path).isFile(), wasFile);
    }
}

// Every dialog starts in the folder of the last file; nothing is replaced or lost unasked.
TEST_F(ExperimentFile, DialogsStartInTheLastFolderAndAskBeforeReplacingOrLosingWork) {
    RunDefaults();
    EXPECT_EQ(m_windows->TheExperiment().Folder(), QDir::homePath()); // before any file
    Edit(kDiameterSlot)->setText(QStringLiteral("95,5"));
    Saved("first.kvr");
    ASSERT_TRUE(Write(Path("звіт.pdf"), "old"));
    QStringList starts;  // the folder and the file each dialog offered
    QStringList buttons; // of each question and file dialog, in turn
    const auto ask = [&](QWidget *window, const char *action, const ModalAnswer &answer = {}) {
        QStringList shown;
        for (const ModalCapture &modal : AnswerModals(
                 [&] { Find<QAction>(window, action)->trigger(); }, std::chrono::seconds(10),
                 [&](QWidget *modal) {
                     if (auto *box = qobject_cast<QMessageBox *>(modal))
                         for (QAbstractButton *button : box->buttons())
                             buttons << button->text();
                     if (auto *files = qobject_cast<QFileDialog *>(modal)) {
                         starts << files->directory().path();
                         for (QAbstractButton *button :
                              files->findChild<QDialogButtonBox *>()->buttons())
                             buttons << button->text();
                     }
                     if (auto *print = qobject_cast<QPrintDialog *>(modal))
                         starts << print->printer()->docName()
                                << print->printer()->outputFileName();
                     return answer && answer(modal);
                 }))
            shown << modal.objectName;
        return shown.join(QLatin1Char(' ')).toStdString();
    };
    // A change since the save; the point "Розрахувати" wrote for a comma is none.
    Main().calculate->click();
    EXPECT_FALSE(m_windows->TheExperiment().Changed(Form_Main()->FieldTexts()));
    Edit(kDiameterSlot)->setText(QStringLiteral("96"));
    const ExperimentTexts edited = Form_Main()->FieldTexts();
    EXPECT_EQ(ask(Form_Main(), "OpenExperiment"), "UnsavedChangesBox");
    EXPECT_EQ(Form_Main()->FieldTexts(), edited);
    EXPECT_EQ(ask(Form_Main(), "OpenExperiment",
                  [](QWidget *modal) {
                      // The open dialog itself refuses a file that is not there.
                      if (auto *files = qobject_cast<QFileDialog *>(modal)) {
                          files->findChild<QLineEdit *>("fileNameEdit")->setText("missing.kvr");
                          EXPECT_FALSE(files->findChild<QDialogButtonBox *>()
                                           ->button(QDialogButtonBox::Open)
                                           ->isEnabled());
                      }
                      auto *box = qobject_cast<QMessageBox *>(modal);
                      return box && (box->button(QMessageBox::Discard)->click(), true);
                  }),
              "UnsavedChangesBox FileDialog");
    // The report of results the fields no longer hold is made only when asked for.
    const auto old = [](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        const bool asked = box && box->objectName() == "OldResultsBox";
        EXPECT_TRUE(!asked ||
                    box->text() ==
                        QString::fromUtf8("Поля головного вікна змінено після «Розрахувати», "
                                          "і результати не перераховано. Узяти результати "
                                          "попереднього розрахунку?"));
        return asked && (box->button(QMessageBox::Yes)->click(), true);
    };
    EXPECT_EQ(ask(Form_Result(), "SaveReportPdf"), "OldResultsBox");
    bool typed = false; // the name typed without its extension, once
    EXPECT_EQ(
        ask(Form_Result(), "SaveReportPdf",
            [&typed, &old](QWidget *modal) {
                auto *files = qobject_cast<QFileDialog *>(modal);
                if (!files || std::exchange(typed, true))
                    return old(modal);
                files->findChild<QLineEdit *>("fileNameEdit")->setText(QString::fromUtf8("звіт"));
                static_cast<QDialog *>(files)->accept();
                return true;
            }),
        "OldResultsBox FileDialog ReplaceFileBox FileDialog");
    EXPECT_EQ(Read(Path("звіт.pdf")), "old");
    // A file printed to without an extension gets ".pdf", as a saved report does.
    EXPECT_EQ(ask(Form_Result(), "PrintReport",
                  [&](QWidget *modal) {
                      auto *print = qobject_cast<QPrintDialog *>(modal);
                      if (print)
                          print->findChild<QLineEdit *>("filename")->setText(Path("друк")),
                              print->accept();
                      return print != nullptr || old(modal);
                  }),
              "OldResultsBox PrintReportDialog");
    EXPECT_EQ(QDir(m_dir.path()).entryList({QString::fromUtf8("друк*")}),
              QStringList{QString::fromUtf8("друк.pdf")});
    const QString report = SuggestedFileName("Іваненко", QDate::currentDate(), "pdf");
    EXPECT_EQ(starts, QStringList({m_dir.path(), m_dir.path(), m_dir.path(),
                                   QString::fromUtf8("Звіт: Іваненко"), Path(report.toUtf8())}));
    // Qt's own buttons speak Ukrainian too.
    EXPECT_EQ(buttons.join('|').toStdString(),
              "Зберегти|Скасувати|Не зберігати|Зберегти|Скасувати|Не зберігати|&Відкрити|Скасувати|"
              "Узяти|Скасувати|Узяти|Скасувати|&Зберегти|Скасувати|Замінити|Не замінювати|"
              "&Зберегти|Скасувати|Узяти|Скасувати");
    // The program does not end with the edits unsaved; an opened file is unchanged.
    AnswerModals([] { Form_Main()->close(); });
    EXPECT_TRUE(Form_Main()->isVisible());
    // A name of 300 Chinese characters, in a run with a folder but no experiment file yet:
    // both dialogs' suggestions fit the file system.
    RunDefaults();
    ASSERT_TRUE(m_windows->TheExperiment().Write(Path("звіт.pdf"), "old"));
    Main().studentName->setText(QString(300, QChar(u'中')));
    AnswerModals([] { Main().calculate->click(); });
    for (auto [window, action] : {std::pair<QWidget *, const char *>{Form_Main(), "SaveExperiment"},
                                  {Form_Result(), "SaveReportPdf"}})
        EXPECT_EQ(ask(window, action,
                      [](QWidget *modal) {
                          auto *files = qobject_cast<QFileDialog *>(modal);
                          return files && (static_cast<QDialog *>(files)->accept(), true);
                      }),
                  "FileDialog");
    EXPECT_EQ(QDir(m_dir.path()).entryList({QString::fromUtf8("中*")}).join('|'),
              SuggestedFileName(QString(300, QChar(u'中')), QDate::currentDate(), "kvr") + '|' +
                  SuggestedFileName(QString(300, QChar(u'中')), QDate::currentDate(), "pdf"));
    AnswerModals([&] { Form_Main()->OpenExperiment(QString::fromUtf8(kExampleFile)); });
    EXPECT_EQ(ask(Form_Main(), "OpenExperiment"), "FileDialog");
    // A folder that is gone sends the dialogs home.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("gone"));
    Saved("gone/last.kvr");
    ASSERT_TRUE(QDir(Path("gone")).removeRecursively());
    EXPECT_EQ(m_windows->TheExperiment().Folder(), QDir::homePath());
    QString offered; // the saved file's name, offered at home
    EXPECT_EQ(ask(Form_Main(), "SaveExperiment",
                  [&offered](QWidget *modal) {
                      offered = modal->findChild<QLineEdit *>("fileNameEdit")->text();
                      return false;
                  }),
              "FileDialog");
    EXPECT_EQ(starts.last() + '|' + offered, QDir::homePath() + "|last.kvr");
    // Settings that cannot be written: the folder is remembered while the program runs.
    const QString settings = QSettings(QStringLiteral("kelvora"), QStringLiteral("kvr")).fileName();
    ASSERT_TRUE(QFile::remove(settings) && QDir().mkpath(settings));
    Saved("kept.kvr");
    EXPECT_EQ(m_windows->TheExperiment().Folder(), m_dir.path());
    ASSERT_TRUE(QDir(settings).removeRecursively());
}

// Each answer of each question followed to the end: the dialogs that come next, and what is
// on the disk and in the fields afterwards. Each field kind counts as an unsaved change.
TEST_F(ExperimentFile, EveryAnswerOfEveryQuestionIsFollowedToTheEnd) {
    RunDefaults();
    Saved("first.kvr");
    Experiment &experiment = m_windows->TheExperiment();
    // The name, a list, a number and τд: each alone is a change, and undone it is none.
    const auto change = [](QWidget *field, bool on) {
        if (auto *list = qobject_cast<QComboBox *>(field))
            return list->setCurrentIndex(on ? 0 : 1);
        auto *edit = qobject_cast<QLineEdit *>(field);
        edit->setText(on ? edit->text() + '1' : edit->text().chopped(1));
    };
    QWidget *const fields[] = {Main().studentName, Main().inputs[0], Main().inputs[kDiameterSlot],
                               Results().chosenTime};
    for (QWidget *field : fields) {
        change(field, true);
        EXPECT_TRUE(experiment.Changed(Form_Main()->FieldTexts())) << field->objectName().data();
        change(field, false);
        EXPECT_FALSE(experiment.Changed(Form_Main()->FieldTexts())) << field->objectName().data();
    }
    for (QWidget *field : fields)
        change(field, true);
    const ExperimentTexts edited = Form_Main()->FieldTexts();
    QStringList questions;
    // Each box answered with `button`, or Enter where none; the first file dialog given `file`
    // (cancelled when empty), the next cancelled. Returns the boxes and dialogs with the name
    // each dialog offered.
    const auto follow = [&](QWidget *window, const char *action, QMessageBox::StandardButton button,
                            const QString &file) {
        QStringList seen;
        AnswerModals([&] { Find<QAction>(window, action)->trigger(); }, std::chrono::seconds(10),
                     [&](QWidget *modal) {
                         if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                             seen << box->objectName();
                             questions << box->text();
                             button ? box->button(button)->click()
                                    : QTest::keyClick(box, Qt::Key_Return);
                             return true;
                         }
                         auto *files = qobject_cast<QFileDialog *>(modal);
                         seen << files->windowTitle() + ", " + files->selectedNameFilter() + ", " +
                                     files->findChild<QLineEdit *>("fileNameEdit")->text();
                         if (file.isEmpty() || seen.size() > 2)
                             return false;
                         files->selectFile(file);
                         static_cast<QDialog *>(files)->accept();
                         return true;
                     });
        return seen.join('|').toStdString();
    };
    const std::string filter = ", Досліди KVR (*.kvr), ", open = "Відкрити дослід" + filter;
    // The save offers the file saved last, not the name and the date.
    std::string kvr = "Зберегти дослід" + filter + "first.kvr";
    EXPECT_EQ(follow(Form_Main(), "OpenExperiment", QMessageBox::Cancel, {}), "UnsavedChangesBox");
    EXPECT_EQ(follow(Form_Main(), "OpenExperiment", QMessageBox::Save, {}),
              "UnsavedChangesBox|" + kvr);
    EXPECT_EQ(follow(Form_Main(), "OpenExperiment", QMessageBox::Discard, {}),
              "UnsavedChangesBox|" + open);
    EXPECT_EQ(Form_Main()->FieldTexts(), edited);
    EXPECT_EQ(follow(Form_Main(), "OpenExperiment", QMessageBox::Save, Path("second.kvr")),
              "UnsavedChangesBox|" + kvr + '|' + open);
    EXPECT_EQ(Read(Path("second.kvr")), SerializeExperiment(edited));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).join(' '), "first.kvr second.kvr");
    kvr = "Зберегти дослід" + filter + "second.kvr";
    // Replacing a file: "Не замінювати" and Enter offer the name typed again; only
    // "Замінити" writes over it.
    for (auto button : {QMessageBox::No, QMessageBox::NoButton, QMessageBox::Yes})
        EXPECT_EQ(
            follow(Form_Main(), "SaveExperiment", button, Path("first")),
            kvr + "|ReplaceFileBox" +
                (button == QMessageBox::Yes ? "" : "|Зберегти дослід" + filter + "first.kvr"));
    EXPECT_EQ(Read(Path("first.kvr")), SerializeExperiment(edited));
    kvr = "Зберегти дослід" + filter + "first.kvr"; // the file saved last is offered
    // Another window saved over it since: a save asks in other words, and closing asks too,
    // Enter keeping the other window's file and this window.
    ASSERT_TRUE(Write(Path("first.kvr"), "other"));
    questions.clear();
    EXPECT_EQ(follow(Form_Main(), "SaveExperiment", QMessageBox::NoButton, Path("first")),
              kvr + "|ChangedFileBox|Зберегти дослід" + filter + "first.kvr");
    AnswerModals([] { Form_Main()->close(); }, std::chrono::seconds(10),
                 [&](QWidget *modal) {
                     questions << static_cast<QMessageBox *>(modal)->text();
                     return QTest::keyClick(modal, Qt::Key_Return), true;
                 });
    EXPECT_TRUE(Form_Main()->isVisible() && Read(Path("first.kvr")) == "other");
    const std::string changed =
        "Файл «" + QDir::toNativeSeparators(Path("first.kvr")).toStdString() +
        "» змінено на диску після того, як це вікно його відкрило чи зберегло";
    EXPECT_EQ(questions.join('|').toStdString(),
              changed + ". Замінити його?|" + changed +
                  ": дослід, який показують поля, у ньому вже не збережено. Зберегти його?");
    EXPECT_EQ(follow(Form_Main(), "SaveExperiment", QMessageBox::Yes, Path("first")),
              kvr + "|ChangedFileBox");
    EXPECT_EQ(Read(Path("first.kvr")), SerializeExperiment(edited));
}

// Each error the writer and the reader meet, in the words of a save and of an open.
TEST(FailureReason, NamesEachErrorForSavingAndForOpening) {
    const char *const full = "на диску забракло місця; звільніть місце або виберіть інший диск";
    const char *const folder = "це папка, а не файл";
    const char *const name = "назва файлу задовга; виберіть коротшу";
    const char *const readOnly = "диск доступний лише для читання; виберіть інший диск";
    const char *const noWrite = "немає дозволу на запис у цей файл чи папку; виберіть іншу папку";
    const char *const noRead = "немає дозволу на читання цього файлу";
    const char *const noFolder = "такої папки немає; виберіть наявну папку";
    const char *const noFile = "такого файлу немає; перевірте назву і папку";
    const char *const loop = "символьні посилання на цей файл утворюють замкнене коло";
    const char *const eio = "системна помилка EIO", *const none = "системна помилка без коду";
    const std::tuple<int, const char *, const char *> rows[] = {
        {ENOSPC, full, full},        {EDQUOT, full, full},     {EROFS, readOnly, readOnly},
        {EACCES, noWrite, noRead},   {EPERM, noWrite, noRead}, {ENOENT, noFolder, noFile},
        {ENOTDIR, noFolder, noFile}, {EISDIR, folder, folder}, {ELOOP, loop, loop},
        {ENAMETOOLONG, name, name},  {EIO, eio, eio},          {0, none, none}};
    for (const auto &[error, saving, opening] : rows) {
        EXPECT_EQ(FailureReason(FailureOfErrno(error), FileAction::Save), saving) << error;
        EXPECT_EQ(FailureReason(FailureOfErrno(error), FileAction::Open), opening) << error;
    }
}

TEST(SuggestedFileName, StartsWithTheNameHoldsNoSeparatorOrControlAndEndsInItsExtension) {
    const QString day = QStringLiteral(" 2026-12-07.pdf");
    const std::pair<QString, QString> rows[] = {
        {QString::fromUtf8("Петренко І., гр. МТ-21/2"),
         QString::fromUtf8("Петренко І., гр. МТ-21-2")},
        {QString::fromUtf8("a\tb\nc\rd\ae") + QChar(0) + QChar(0x7f) + QStringLiteral("f"),
         QStringLiteral("a b c d e f")},
        {QStringLiteral(" /\\:*?\"<>|. "), QStringLiteral("---------.")},
        {QString(200, QChar(u'я')), QString(85, QChar(u'я'))},
        {QString(84, QChar(u'я')) + QString::fromUtf8("😀"), QString(84, QChar(u'я'))},
        // 255 bytes with " (9999)": whole characters of three bytes each.
        {QString(300, QChar(u'中')), QString(77, QChar(u'中'))},
        {QString(74, QChar(u'中')) + QString(11, 'a'),
         QString(74, QChar(u'中')) + QString(11, 'a')},
        {QStringLiteral(". .x"), QStringLiteral("x")},
        {QStringLiteral("../x"), QStringLiteral("-x")},
    };
    for (const auto &[name, start] : rows)
        EXPECT_EQ(SuggestedFileName(name, QDate(2026, 12, 7), QStringLiteral("pdf")).toStdString(),
                  (start + day).toStdString());
    EXPECT_EQ(SuggestedFileName(QStringLiteral(".."), QDate(2026, 12, 7), QStringLiteral("kvr")),
              QStringLiteral("2026-12-07.kvr"));
    EXPECT_EQ(OneCell(std::string("a\tb\nc\rd\ae\0\x7f", 11) + "f"), "a b c d e  f");
}

} // namespace
} // namespace kvr::test
