#include "ResultsCopy.h"

#include "Experiment.h"
#include "MessageBoxes.h"
#include "Result.h"
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

QAction *AddCopyResultsAction(TForm_Result &resultWindow, const Experiment &experiment) {
    auto *action =
        new QAction(QCoreApplication::translate("Menu", "Копіювати результати"), &resultWindow);
    action->setObjectName(QStringLiteral("CopyResults"));
    action->setShortcut(QKeySequence::Copy);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, &resultWindow, [&resultWindow, &experiment] {
        if (!resultWindow.Recalculated() && !MayTakeOldResults(&resultWindow))
            return;
        QGuiApplication::clipboard()->setText(
            ResultsReport(experiment.Status(), experiment.State()));
    });
    resultWindow.addAction(action);
    // Labels pass a right click on to the window, which offers its actions.
    resultWindow.setContextMenuPolicy(Qt::ActionsContextMenu);
    resultWindow.Controls().chosenTime->installEventFilter(new LeaveCopyToWindow(&resultWindow));
    return action;
}

} // namespace kvr
