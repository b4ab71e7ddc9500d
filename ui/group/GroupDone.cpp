#include "GroupDone.h"

#include "MessageBoxes.h"
#include "Titles.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

namespace kvr {

namespace {

QString Tr(const char *text) { return QCoreApplication::translate("Group", text); }

QString DoneText(const GroupDone &done) {
    QString text = Tr(QT_TRANSLATE_NOOP("Group", "Таблицю групи збережено у файл «%1».\n%2."))
                       .arg(QDir::toNativeSeparators(done.workbook), SummaryText(done.counts));
    if (done.reports)
        text += QLatin1Char('\n') +
                Tr(QT_TRANSLATE_NOOP("Group", "Звіти — у теці «%1»: нових %2, уже наявних "
                                              "(дослід не змінився) %3; без математичних моделей "
                                              "%4 (причину сказано на сторінці)."))
                    .arg(QDir::toNativeSeparators(done.reportFolder))
                    .arg(done.reports->written)
                    .arg(done.reports->unchanged)
                    .arg(done.reports->withoutModels);
    if (!done.problems.isEmpty())
        text += QLatin1Char('\n') +
                Tr(QT_TRANSLATE_NOOP("Group", "Звітів не складено: %1 (чому — див. деталі)."))
                    .arg(done.problems.size());
    return text + QStringLiteral("\n\n") + Tr(QT_TRANSLATE_NOOP("Group", "Відкрити таблицю?"));
}

// The desktop's program for the file's type, asked before opening: xdg-open starts, and so
// "succeeds", even when it finds nothing to open the file with. Empty when the desktop names
// none; nullopt when it cannot be asked, and only opening will tell.
std::optional<QString> DesktopProgramFor(const QString &path) {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"),
                 QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension).name()});
    if (!query.waitForFinished(10000) || query.exitStatus() != QProcess::NormalExit)
        return std::nullopt;
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

void OpenWorkbook(QWidget *parent, const QString &path) {
    const std::optional<QString> program = DesktopProgramFor(path);
    if ((program && program->isEmpty()) || !QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        ShowMessage(QMessageBox::Warning,
                    Tr(QT_TRANSLATE_NOOP("Group", "Не вдалося відкрити «%1»: у системі немає "
                                                  "програми для електронних таблиць."))
                        .arg(QDir::toNativeSeparators(path)),
                    parent, "OpenWorkbookFailureBox");
}

} // namespace

void ShowGroupDone(QWidget *parent, const GroupDone &done) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kApplicationTitle), DoneText(done),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("GroupDoneBox"));
    box.button(QMessageBox::Yes)->setText(Tr(QT_TRANSLATE_NOOP("Group", "Відкрити")));
    box.button(QMessageBox::No)->setText(Tr(QT_TRANSLATE_NOOP("Group", "Закрити")));
    box.setDefaultButton(QMessageBox::Yes);
    // However many, the problems scroll in the details rather than stretch the box.
    box.setDetailedText(done.problems.join(QLatin1Char('\n')));
    if (box.exec() == QMessageBox::Yes)
        OpenWorkbook(parent, done.workbook);
}

} // namespace kvr
