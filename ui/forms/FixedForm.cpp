#include "FixedForm.h"

#include "ClassicPalette.h"
#include "Fonts.h"

#include <QEvent>
#include <QResizeEvent>

namespace kvr {

TFixedForm::TFixedForm(const char *objectName, const QString &caption, QPoint position,
                       QSize clientSize, Qt::WindowFlags flags)
    : QWidget(nullptr, flags), m_designSize(clientSize) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);
    setFont(WindowFont());
    setPalette(ClassicPalette());
    setAttribute(Qt::WA_QuitOnClose, false);
    move(position);
    resize(clientSize);
}

void TFixedForm::ApplyResizePolicy() {
    int newWidth = m_designSize.width();
    int newHeight = m_designSize.height();
    if (!FormCanResize(newWidth, newHeight))
        setFixedSize(m_designSize);
}

void TFixedForm::KeepOuterSize(QSize outerSize) {
    m_outerSize = outerSize;
    FitToOuterSize();
}

void TFixedForm::FitToOuterSize() {
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize client = m_outerSize - frame;
    if (client == m_designSize)
        return;
    m_designSize = client;
    setFixedSize(client);
}

bool TFixedForm::event(QEvent *event) {
    // The frame is known only once the window system has framed the window.
    if (m_outerSize.isValid() && (event->type() == QEvent::Show || event->type() == QEvent::Move))
        FitToOuterSize();
    return QWidget::event(event);
}

bool TFixedForm::FormCanResize(int &, int &) { return true; }

void TFixedForm::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !(windowState() & Qt::WindowMaximized))
        return;
    int newWidth = width();
    int newHeight = height();
    if (!FormCanResize(newWidth, newHeight))
        setWindowState(windowState() & ~Qt::WindowMaximized);
}

void TFixedForm::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    int newWidth = event->size().width();
    int newHeight = event->size().height();
    if (event->size() != m_designSize && !FormCanResize(newWidth, newHeight))
        resize(m_designSize);
}

} // namespace kvr
