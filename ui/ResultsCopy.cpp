#include "ResultsCopy.h"

#include "ResultsReport.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace kvr {

namespace {

// An edit claims Ctrl+C even with nothing selected; then the window's copy is meant.
class LeaveCopyToWindow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *edit = qobject_cast<QLineEdit *>(watched);
        if (edit && event->type() == QEvent::ShortcutOverride &&
            static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy) &&
            !edit->hasSelectedText()) {
            event->ignore();
            return true;
        }
        return false;
    }
};

} // namespace

void AddCopyResultsAction(QWidget *resultWindow) {
    auto *action =
        new QAction(QCoreApplication::translate("Menu", "Копіювати результати"), resultWindow);
    action->setObjectName(QStringLiteral("CopyResults"));
    action->setShortcut(QKeySequence::Copy);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, resultWindow,
                     [] { QGuiApplication::clipboard()->setText(ResultsReport(Runs, State)); });
    resultWindow->addAction(action);
    // Labels pass a right click on to the window, which offers its actions.
    resultWindow->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *filter = new LeaveCopyToWindow(resultWindow);
    for (QLineEdit *edit : resultWindow->findChildren<QLineEdit *>())
        edit->installEventFilter(filter);
}

} // namespace kvr
