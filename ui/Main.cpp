#include "Main.h"

#include "ArithmeticFault.h"
#include "CalculationState.h"
#include "DefaultFieldTexts.h"
#include "ExperimentDialogs.h"
#include "FileNames.h"
#include "GroupDialog.h"
#include "Handler.h"
#include "InputControls.h"
#include "InputFields.h"
#include "JpegImage.h"
#include "MainLayout.h"
#include "QuantityTexts.h"
#include "ShownTexts.h"
#include "TypedInputs.h"
#include "Warning.h"
#include "Windows.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <iterator>

namespace kvr {

namespace {

constexpr int kMaterialRowsShown = 15;

// Each item shown in the interface's language, its text in the file's as its data.
void Fill(QComboBox *combo, int slot) {
    for (const char *item : ListItems(slot))
        combo->addItem(ListItemText(item), QString::fromUtf8(item));
}

// The item the worked example starts with.
void SelectDefault(QComboBox *list) {
    for (int slot = 0; slot < kMainWindowSlots; ++slot)
        if (list->objectName() == QLatin1String(InputControl(slot)))
            list->setCurrentIndex(
                list->findData(QString::fromUtf8(kDefaultFieldTexts[std::size_t(slot)])));
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
    SetTabOrder();
    ConnectHandlers();
    ApplyResizePolicy();
    KeepOuterSize(QSize(kMainOuterWidth, kMainOuterHeight));
}

void TForm_Main::BuildControls() {
    FormBuilder form(this);
    form.Build(MainWindowLayout());
    Image1 = form.Get<QLabel>("Image1");
    for (auto [member, name] : {std::pair{&ComboBox1, "ComboBox1"},
                                {&ComboBox2, "ComboBox2"},
                                {&ComboBox3, "ComboBox3"},
                                {&ComboBox4, "ComboBox4"},
                                {&ComboBox5, "ComboBox5"}})
        *member = form.Get<QComboBox>(name);
    Edit1 = form.Get<QLineEdit>("Edit1");
    for (auto [member, name] : {std::pair{&Button1, "Button1"},
                                {&Button2, "Button2"},
                                {&Button3, "Button3"},
                                {&BitBtn1, "BitBtn1"}})
        *member = form.Get<QPushButton>(name);

    Image1->setPixmap(QPixmap::fromImage(LoadJpeg(QStringLiteral(":/checkmark.jpg"))));
    Image1->hide();
    Button2->setEnabled(false);
    Button3->setEnabled(false);
    // Our own glyph: without an icon theme the toolkit's help icon is a missing-image mark.
    QIcon helpGlyph(QStringLiteral(":/help.png"));
    helpGlyph.addFile(QStringLiteral(":/help@2x.png"));
    BitBtn1->setIcon(helpGlyph);
}

void TForm_Main::FillLists() {
    Fill(ComboBox1, kMaterialSlot);
    ComboBox1->setMaxVisibleItems(kMaterialRowsShown);
    for (auto [list, slot] :
         {std::pair{ComboBox2, 0}, {ComboBox3, 1}, {ComboBox4, 2}, {ComboBox5, 3}})
        Fill(list, slot);
    for (QComboBox *list : {ComboBox1, ComboBox2, ComboBox3, ComboBox4, ComboBox5})
        SelectDefault(list);
}

void TForm_Main::SetTabOrder() {
    const char *const order[] = {
        "Button1",   "Edit1",     "Button2",   "Button3", "ComboBox1", "Edit3",  "ComboBox2",
        "ComboBox3", "ComboBox4", "ComboBox5", "Edit10",  "Edit11",    "Edit12", "Edit13",
        "Edit14",    "Edit2",     "Edit4",     "Edit5",   "Edit6",     "Edit19", "Edit20",
        "Edit21",    "Edit7",     "Edit9",     "Edit15",  "Edit16",    "Edit17", "Edit18",
        "Edit22",    "Edit23",    "Edit24",    "Edit25",  "Edit26",    "Edit27", "BitBtn1",
    };
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(FindControl<QWidget>(this, order[i - 1]),
                             FindControl<QWidget>(this, order[i]));
}

void TForm_Main::ConnectHandlers() {
    ConnectHandler(Button1, &QPushButton::clicked, this, &TForm_Main::Button1Click);
    ConnectHandler(Button2, &QPushButton::clicked, this, &TForm_Main::Button2Click);
    ConnectHandler(Button3, &QPushButton::clicked, this, &TForm_Main::Button3Click);
    ConnectHandler(BitBtn1, &QPushButton::clicked, this, &TForm_Main::BitBtn1Click);
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
    emit RunChanged();
    if (outcome.warning) {
        const WarningLines lines = ShownWarning(*outcome.warning);
        Form_Warning->ShowWarning(lines.first, lines.second);
    }
    if (outcome.fault)
        ShowFaultBox(QString::fromStdString(*outcome.fault), ShownCause(outcome.faultCause));
}

void TForm_Main::ShowFields(const CalculationOutcome &outcome) {
    MarkEdit(Edit1, outcome.nameGiven ? 0 : 1);
    Image1->setVisible(outcome.nameGiven);
    for (const FieldRead &read : outcome.fields) {
        if (read.field->kind == InputKind::Number) {
            auto *edit = FindControl<QLineEdit>(this, InputControl(read.field->slot));
            edit->setText(QString::fromStdString(read.text));
            MarkEdit(edit, State.input_error_flags[static_cast<std::size_t>(read.field->slot)]);
        } else {
            MarkComboBox(FindControl<QComboBox>(this, InputControl(read.field->slot)));
        }
    }
}

void TForm_Main::ApplyButtons(const AllowedButtons &allowed) {
    Button2->setEnabled(allowed.results);
    Button3->setEnabled(allowed.graphs);
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
    const QString name =
        SuggestedFileName(Edit1->text(), QDate::currentDate(), FileExtension(FileKind::Experiment));
    const QString path = AskSavePath(this, FileKind::Experiment, m_experiment.Folder(), name);
    return !path.isEmpty() && SaveExperiment(path);
}

bool TForm_Main::MayLeaveEdits() {
    if (!m_experiment.Changed(FieldTexts()))
        return true;
    switch (AskAboutUnsavedChanges(this)) {
    case UnsavedAnswer::Save:
        return SaveExperimentAsked();
    case UnsavedAnswer::Discard:
        return true;
    case UnsavedAnswer::Cancel:
        break;
    }
    return false;
}

ExperimentTexts TForm_Main::FieldTexts() const {
    ExperimentTexts texts;
    texts.name = Edit1->text().toStdString();
    for (int slot = 0; slot < kMainWindowSlots; ++slot) {
        const QWidget *control = FindControl<QWidget>(this, InputControl(slot));
        const auto *combo = qobject_cast<const QComboBox *>(control);
        texts.fields[static_cast<std::size_t>(slot)] =
            (combo ? combo->currentData().toString()
                   : static_cast<const QLineEdit *>(control)->text())
                .toStdString();
    }
    texts.chosenTime = m_chosenTime ? m_chosenTime().toStdString() : std::string();
    return texts;
}

// Only for texts the reader has checked: each list's text is one of its items.
void TForm_Main::ShowFieldTexts(const ExperimentTexts &texts) {
    Edit1->setText(QString::fromStdString(texts.name));
    for (int slot = 0; slot < kMainWindowSlots; ++slot) {
        QWidget *control = FindControl<QWidget>(this, InputControl(slot));
        const QString text = QString::fromStdString(texts.fields[static_cast<std::size_t>(slot)]);
        if (auto *combo = qobject_cast<QComboBox *>(control))
            combo->setCurrentIndex(combo->findData(text));
        else
            static_cast<QLineEdit *>(control)->setText(text);
    }
}

bool TForm_Main::OpenExperiment(const QString &path) {
    const ExperimentRead read = m_experiment.Open(path);
    if (const auto *problem = std::get_if<std::string>(&read)) {
        ShowFailure(this, FileKind::Experiment, FileAction::Open, path, *problem);
        return false;
    }
    const auto &texts = std::get<ExperimentTexts>(read);
    ShowFieldTexts(texts);
    emit ExperimentOpened(QString::fromStdString(texts.chosenTime));
    return true;
}

bool TForm_Main::SaveExperiment(const QString &path) {
    const std::string problem = m_experiment.Save(path, FieldTexts());
    if (!problem.empty())
        ShowFailure(this, FileKind::Experiment, FileAction::Save, path, problem);
    return problem.empty();
}

void TForm_Main::SetChosenTimeSource(std::function<QString()> source) {
    m_chosenTime = std::move(source);
}

void TForm_Main::ClearMarks() {
    Image1->hide();
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        MarkEdit(edit, 0);
    for (QComboBox *combo : findChildren<QComboBox *>())
        MarkComboBox(combo);
}

} // namespace kvr
