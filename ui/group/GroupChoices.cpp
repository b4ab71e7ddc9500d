#include "GroupChoices.h"

#include "GroupReports.h"
#include "MessageBoxes.h"
#include "Settings.h"
#include "Titles.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace kvr {

namespace {

const QString kReportsKey = QStringLiteral("group/reports");
const QString kCheckerKey = QStringLiteral("group/checker");
const QString kLimitsKey = QStringLiteral("group/limits");

QString Tr(const char *text) { return QCoreApplication::translate("Group", text); }

// A path field with its own "Вибрати…", which opens `choose` where the field points.
QWidget *PathRow(QDialog &dialog, QLineEdit *edit, const char *name,
                 const std::function<QString(const QString &)> &choose) {
    auto *row = new QWidget(&dialog);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *button = new QPushButton(Tr(QT_TRANSLATE_NOOP("Group", "Вибрати…")), row);
    button->setObjectName(QString::fromLatin1(name));
    layout->addWidget(edit, 1);
    layout->addWidget(button);
    QObject::connect(button, &QPushButton::clicked, &dialog, [edit, choose] {
        if (const QString chosen = choose(edit->text()); !chosen.isEmpty())
            edit->setText(QDir::toNativeSeparators(chosen));
    });
    return row;
}

} // namespace

std::optional<GroupChoices> AskGroupChoices(QWidget *parent, const QString &folder, qsizetype files,
                                            const QString &workbookPath) {
    QSettings settings = ProgramSettings();
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("GroupChoicesDialog"));
    dialog.setWindowTitle(QString::fromUtf8(kApplicationTitle));
    auto *count = new QLabel(FolderCountText(QDir::toNativeSeparators(folder), files), &dialog);
    count->setWordWrap(true);
    auto *reports =
        new QCheckBox(Tr(QT_TRANSLATE_NOOP("Group", "Скласти ще й звіт PDF кожного досліду")));
    reports->setObjectName(QStringLiteral("ReportsCheck"));
    reports->setChecked(settings.value(kReportsKey, true).toBool());
    auto *reportFolder = new QLineEdit(QDir::toNativeSeparators(DefaultReportFolder(workbookPath)));
    reportFolder->setObjectName(QStringLiteral("ReportFolderEdit"));
    reportFolder->setMinimumWidth(360);
    auto *checker = new QLineEdit(settings.value(kCheckerKey).toString());
    checker->setObjectName(QStringLiteral("CheckerEdit"));
    // Left empty, the reports keep the results window's signature.
    checker->setPlaceholderText(InstructorLine().section(QLatin1String(": "), 1).trimmed());
    auto *form = new QFormLayout;
    form->addRow(reports);
    form->addRow(Tr(QT_TRANSLATE_NOOP("Group", "Тека звітів:")),
                 PathRow(dialog, reportFolder, "ChooseReportFolder", [&dialog](const QString &at) {
                     return QFileDialog::getExistingDirectory(
                         &dialog, Tr(QT_TRANSLATE_NOOP("Group", "Тека звітів")), at);
                 }));
    form->addRow(Tr(QT_TRANSLATE_NOOP("Group", "Перевірив:")), checker);
    auto *limitsFile = new QLineEdit(settings.value(kLimitsKey).toString());
    limitsFile->setObjectName(QStringLiteral("LimitsEdit"));
    limitsFile->setPlaceholderText(Tr(QT_TRANSLATE_NOOP("Group", "вбудовані")));
    form->addRow(Tr(QT_TRANSLATE_NOOP("Group", "Межі величин для приміток:")),
                 PathRow(dialog, limitsFile, "ChooseLimits", [&dialog](const QString &at) {
                     return QFileDialog::getOpenFileName(
                         &dialog, Tr(QT_TRANSLATE_NOOP("Group", "Межі величин")), at);
                 }));
    for (QWidget *field : {reportFolder->parentWidget(), static_cast<QWidget *>(checker)})
        QObject::connect(reports, &QCheckBox::toggled, field, &QWidget::setEnabled);
    reportFolder->parentWidget()->setEnabled(reports->isChecked());
    checker->setEnabled(reports->isChecked());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(Tr(QT_TRANSLATE_NOOP("Group", "Перевірити")));
    buttons->button(QDialogButtonBox::Cancel)->setText(Tr(QT_TRANSLATE_NOOP("Group", "Скасувати")));
    // Limits that cannot be read keep the dialog open, saying why.
    GroupChoices choices;
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        Expected<LabLimits> limits =
            LabLimits::Read(QDir::fromNativeSeparators(limitsFile->text().trimmed()));
        if (!limits)
            return ShowMessage(QMessageBox::Warning, limits.Error().Reason(FileAction::Open) + '.',
                               &dialog, "LimitsFailureBox");
        choices.limits = std::move(*limits);
        dialog.accept();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(count);
    layout->addLayout(form);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    choices.reports = reports->isChecked();
    choices.reportFolder = QDir::fromNativeSeparators(reportFolder->text().trimmed());
    choices.checker = checker->text().simplified();
    settings.setValue(kReportsKey, choices.reports);
    settings.setValue(kCheckerKey, choices.checker);
    settings.setValue(kLimitsKey, limitsFile->text().trimmed());
    return choices;
}

} // namespace kvr
