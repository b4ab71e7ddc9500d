#include "GroupChoices.h"

#include "GroupReports.h"
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

namespace kvr {

namespace {

const QString kReportsKey = QStringLiteral("group/reports");
const QString kCheckerKey = QStringLiteral("group/checker");

QString Tr(const char *text) { return QCoreApplication::translate("Group", text); }

// The folder field with its own "Вибрати…", which opens a folder dialog where it points.
QWidget *FolderRow(QDialog &dialog, QLineEdit *edit) {
    auto *row = new QWidget(&dialog);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *choose = new QPushButton(Tr(QT_TRANSLATE_NOOP("Group", "Вибрати…")), row);
    choose->setObjectName(QStringLiteral("ChooseReportFolder"));
    layout->addWidget(edit, 1);
    layout->addWidget(choose);
    QObject::connect(choose, &QPushButton::clicked, &dialog, [&dialog, edit] {
        const QString chosen = QFileDialog::getExistingDirectory(
            &dialog, Tr(QT_TRANSLATE_NOOP("Group", "Тека звітів")), edit->text());
        if (!chosen.isEmpty())
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
    form->addRow(Tr(QT_TRANSLATE_NOOP("Group", "Тека звітів:")), FolderRow(dialog, reportFolder));
    form->addRow(Tr(QT_TRANSLATE_NOOP("Group", "Перевірив:")), checker);
    for (QWidget *field : {reportFolder->parentWidget(), static_cast<QWidget *>(checker)})
        QObject::connect(reports, &QCheckBox::toggled, field, &QWidget::setEnabled);
    reportFolder->parentWidget()->setEnabled(reports->isChecked());
    checker->setEnabled(reports->isChecked());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(Tr(QT_TRANSLATE_NOOP("Group", "Перевірити")));
    buttons->button(QDialogButtonBox::Cancel)->setText(Tr(QT_TRANSLATE_NOOP("Group", "Скасувати")));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(count);
    layout->addLayout(form);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const GroupChoices choices{reports->isChecked(),
                               QDir::fromNativeSeparators(reportFolder->text().trimmed()),
                               checker->text().simplified()};
    settings.setValue(kReportsKey, choices.reports);
    settings.setValue(kCheckerKey, choices.checker);
    return choices;
}

} // namespace kvr
