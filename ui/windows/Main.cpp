#include "Main.h"

#include "CalculationState.h"
#include "ExperimentDialogs.h"
#include "FileNames.h"
#include "FormBuilder.h"
#include "GroupDialog.h"
#include "Handler.h"
#include "InputFields.h"
#include "InputTable.h"
#include "JpegImage.h"
#include "MainLayout.h"
#include "MessageBoxes.h"
#include "QuantityTexts.h"
#include "Titles.h"
#include "TranslatedTexts.h"
#include "TypedInputs.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>

#include <iterator>

namespace kvr {

namespace {

constexpr int kMaterialRowsShown = 15;

// Each item shown in the interface's language, its text in the file's as its data; the
// worked example's item selected.
void Fill(QComboBox *combo, int slot) {
    for (const char *item : ListItems(slot))
        combo->addItem(ListItemText(item), QString::fromUtf8(item));
    combo->setCurrentIndex(
        combo->findData(QString::fromUtf8(kDefaultFieldTexts[std::size_t(slot)])));
}

} // namespace

TForm_Main::TForm_Main(Experiment &experiment)
    : TFixedForm("Form_Main", QString::fromUtf8(kApplicationTitle), QPoint(282, 110),
                 QSize(kMainOuterWidth, kMainOuterHeight),
                 Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      m_experiment(experiment) {
    setAttribute(Qt::WA_QuitOnClose, true);
    BuildControls();
    FillLists();
    ConnectHandlers();
    ApplyResizePolicy();
    KeepOuterSize(QSize(kMainOuterWidth, kMainOuterHeight));
}

void TForm_Main::BuildControls() {
    FormBuilder form(this);
    form.Build(MainWindowLayout());
    MainControls &c = m_controls;
    c.studentName = qobject_cast<QLineEdit *>(form.Input(kNameSlot));
    for (int slot = 0; slot < kMainWindowSlots; ++slot)
        c.inputs[std::size_t(slot)] = form.Input(slot);
    c.nameAccepted = form.Get<QLabel>("Image1");
    c.calculate = form.Get<QPushButton>("Button1");
    c.results = form.Get<QPushButton>("Button2");
    c.graphs = form.Get<QPushButton>("Button3");
    c.help = form.Get<QPushButton>("BitBtn1");
    const QList<QWidget *> order = form.TabOrder();
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    c.nameAccepted->setPixmap(QPixmap::fromImage(LoadJpeg(QStringLiteral(":/checkmark.jpg"))));
    c.nameAccepted->hide();
    c.results->setEnabled(false);
    c.graphs->setEnabled(false);
    // Our own glyph: without an icon theme the toolkit's help icon is a missing-image mark.
    QIcon helpGlyph(QStringLiteral(":/help.png"));
    helpGlyph.addFile(QStringLiteral(":/help@2x.png"));
    c.help->setIcon(helpGlyph);
}

void TForm_Main::FillLists() {
    for (int slot = 0; slot < kMainWindowSlots; ++slot)
        if (auto *list = qobject_cast<QComboBox *>(m_controls.inputs[std::size_t(slot)]))
            Fill(list, slot);
    qobject_cast<QComboBox *>(m_controls.inputs[kMaterialSlot])
        ->setMaxVisibleItems(kMaterialRowsShown);
}

void TForm_Main::ConnectHandlers() {
    ConnectHandler(m_controls.calculate, &QPushButton::clicked, this, &TForm_Main::Button1Click);
    ConnectHandler(m_controls.results, &QPushButton::clicked, this, &TForm_Main::Button2Click);
    ConnectHandler(m_controls.graphs, &QPushButton::clicked, this, &TForm_Main::Button3Click);
    ConnectHandler(m_controls.help, &QPushButton::clicked, this, &TForm_Main::BitBtn1Click);
    // F1 asks for the help from any of the program's windows, as it does elsewhere.
    auto *help = new QShortcut(QKeySequence::HelpContents, this);
    help->setContext(Qt::ApplicationShortcut);
    ConnectHandler(help, &QShortcut::activated, this, &TForm_Main::BitBtn1Click);
    // Any edit: the results window says whether it still shows the fields' calculation.
    connect(m_controls.studentName, &QLineEdit::textChanged, this, &TForm_Main::FieldsEdited);
    for (QWidget *control : m_controls.inputs)
        if (auto *list = qobject_cast<QComboBox *>(control))
            connect(list, &QComboBox::currentIndexChanged, this, &TForm_Main::FieldsEdited);
        else
            connect(static_cast<QLineEdit *>(control), &QLineEdit::textChanged, this,
                    &TForm_Main::FieldsEdited);
    AddExperimentActions();
}

bool TForm_Main::FormCanResize(int &, int &) { return false; }

void TForm_Main::closeEvent(QCloseEvent *event) {
    // Typed work is not lost to one click: fields that differ from the start-up texts, or
    // from the file last saved or opened, are asked about; untouched ones close at once.
    if (!MayLeaveEdits()) {
        event->ignore();
        return;
    }
    // The main window is the application: the other windows go with it.
    TFixedForm::closeEvent(event);
    QApplication::quit();
}

void TForm_Main::Button2Click() { emit ResultsWindowRequested(); }

void TForm_Main::Button3Click() { emit GraphsWindowRequested(); }

void TForm_Main::BitBtn1Click() { emit HelpWindowRequested(); }

void TForm_Main::Button1Click() {
    const CalculationInputs inputs = TypedInputs(FieldTexts(), DecimalSeparator());
    const CalculationOutcome outcome = m_experiment.Calculate(inputs);
    ShowFields(outcome);
    emit CalculationShown(outcome.labels);
    if (outcome.warning) {
        const WarningLines lines = WarningWindowLines(*outcome.warning);
        emit WarningRaised(lines.first, lines.second);
    }
    ShowPressFault(outcome.fault, outcome.faultCause);
}

void TForm_Main::ShowFields(const CalculationOutcome &outcome) {
    MarkField(m_controls.studentName, ProblemWords(outcome.nameProblem));
    m_controls.nameAccepted->setVisible(outcome.nameGiven);
    for (const FieldRead &read : outcome.fields) {
        QWidget *control = m_controls.inputs[std::size_t(read.field->slot)];
        if (auto *edit = qobject_cast<QLineEdit *>(control))
            edit->setText(QString::fromStdString(read.text));
        MarkField(control, ProblemWords(read.problem));
    }
}

void TForm_Main::ApplyButtons(const AllowedButtons &allowed) {
    m_controls.results->setEnabled(allowed.results);
    m_controls.graphs->setEnabled(allowed.graphs);
}

// Right-clicking the background, a label or a group box offers the window's actions; the
// edits keep their own edit menu. The shortcuts work wherever the focus is in the window.
void TForm_Main::AddExperimentActions() {
    const auto add = [this](const char *name, const char *text, QKeySequence::StandardKey key,
                            auto handler) {
        auto *action = new QAction(QCoreApplication::translate("Menu", text), this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(action, &QAction::triggered, this,
                         [this, handler] { RunHandler([&] { handler(); }); });
        addAction(action);
    };
    add("OpenExperiment", QT_TRANSLATE_NOOP("Menu", "Відкрити дослід…"), QKeySequence::Open,
        [this] { OpenExperimentAsked(); });
    add("SaveExperiment", QT_TRANSLATE_NOOP("Menu", "Зберегти дослід…"), QKeySequence::Save,
        [this] { SaveExperimentAsked(); });
    add("CheckGroup", QT_TRANSLATE_NOOP("Menu", "Перевірити групу…"), QKeySequence::UnknownKey,
        [this] { CheckGroupAsked(this, m_experiment.Folder()); });
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void TForm_Main::OpenExperimentAsked() {
    if (!MayLeaveEdits())
        return;
    if (const QString path = AskOpenPath(this, m_experiment.Folder()); !path.isEmpty())
        OpenExperiment(path);
}

bool TForm_Main::SaveExperimentAsked() {
    QString folder = m_experiment.Folder();
    QString name = SuggestedFileName(m_controls.studentName->text(), QDate::currentDate(),
                                     FileExtension(FileKind::Experiment));
    // The file opened or saved last is the one a student goes on with, where it still lies.
    if (const QFileInfo last(m_experiment.FilePath()); !last.fileName().isEmpty()) {
        name = last.fileName();
        if (last.dir().exists())
            folder = last.absolutePath();
    }
    const QString path =
        AskSavePath(this, FileKind::Experiment, folder, name,
                    [this](const QString &chosen) { return m_experiment.ChangedOnDisk(chosen); });
    return !path.isEmpty() && SaveExperiment(path);
}

bool TForm_Main::MayLeaveEdits() {
    // Unchanged fields are kept only while the file still holds them.
    const QString file = m_experiment.FilePath();
    UnsavedAnswer answer = UnsavedAnswer::Discard;
    if (m_experiment.Changed(FieldTexts()))
        answer = AskAboutUnsavedChanges(this);
    else if (m_experiment.ChangedOnDisk(file))
        answer = AskAboutChangedFile(this, file);
    if (answer == UnsavedAnswer::Save)
        return SaveExperimentAsked();
    return answer == UnsavedAnswer::Discard;
}

ExperimentTexts TForm_Main::FieldTexts() const {
    ExperimentTexts texts;
    texts.name = m_controls.studentName->text().toStdString();
    for (int slot = 0; slot < kMainWindowSlots; ++slot) {
        const QWidget *control = m_controls.inputs[std::size_t(slot)];
        const auto *combo = qobject_cast<const QComboBox *>(control);
        texts.fields[std::size_t(slot)] = (combo ? combo->currentData().toString()
                                                 : static_cast<const QLineEdit *>(control)->text())
                                              .toStdString();
    }
    texts.chosenTime = m_experiment.ChosenTime().toStdString();
    texts.decimalSign = m_experiment.DecimalSign();
    return texts;
}

// Only for texts the reader has checked: each list's text is one of its items.
void TForm_Main::ShowFieldTexts(const ExperimentTexts &texts) {
    m_controls.studentName->setText(QString::fromStdString(texts.name));
    for (int slot = 0; slot < kMainWindowSlots; ++slot) {
        QWidget *control = m_controls.inputs[std::size_t(slot)];
        const QString text = QString::fromStdString(texts.fields[std::size_t(slot)]);
        if (auto *combo = qobject_cast<QComboBox *>(control))
            combo->setCurrentIndex(combo->findData(text));
        else
            static_cast<QLineEdit *>(control)->setText(text);
    }
}

bool TForm_Main::OpenExperiment(const QString &path) {
    const ExperimentRead read = m_experiment.Open(path);
    if (!read) {
        ShowFailure(this, FileKind::Experiment, FileAction::Open, path, read.Error());
        return false;
    }
    ShowFieldTexts(*read);
    emit ExperimentOpened();
    return true;
}

bool TForm_Main::SaveExperiment(const QString &path) {
    const Expected<void> saved = m_experiment.Save(path, FieldTexts());
    if (!saved)
        ShowFailure(this, FileKind::Experiment, FileAction::Save, path, saved.Error());
    return bool(saved);
}

void TForm_Main::ClearMarks() {
    m_controls.nameAccepted->hide();
    MarkField(m_controls.studentName, {});
    // Opened texts fill every list with one of its items.
    for (QWidget *control : m_controls.inputs)
        MarkField(control, {});
}

} // namespace kvr
