#pragma once

#include <QSize>
#include <QWidget>

namespace kvr {

// A top-level window of fixed design size. Windows that refuse resizing answer
// FormCanResize with false; the size constraints carry that refusal to the window
// manager, and a maximise request is turned back.
class TFixedForm : public QWidget {
    Q_OBJECT
public:
    TFixedForm(const char *objectName, const QString &caption, QPoint position, QSize clientSize,
               Qt::WindowFlags flags = Qt::Window);

protected:
    // Called by the subclass at the end of its constructor, once FormCanResize is its own.
    void ApplyResizePolicy();
    virtual bool FormCanResize(int &newWidth, int &newHeight);
    // A window whose design size counts its frame keeps that outer size on every frame.
    void KeepOuterSize(QSize outerSize);
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void FitToOuterSize();

    QSize m_designSize;
    QSize m_outerSize;
};

} // namespace kvr
