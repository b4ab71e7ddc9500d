#include "Warning.h"

#include "ClassicPalette.h"
#include "Fonts.h"
#include "FormBuilder.h"
#include "Handler.h"
#include "InputFields.h"
#include "Titles.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>

#include <array>

namespace kvr {

namespace {

constexpr int kTextAllowance = 110; // picture, margins and frame around the longer line

constexpr std::array kLayout{
    ControlRow{ControlKind::Button, "Button1", nullptr, 168, 64, 75, 25,
               QT_TRANSLATE_NOOP("Form", "Добре")},
    ControlRow{ControlKind::Label, "Label1", nullptr, 72, 16, 0, 0, "Label1"},
    ControlRow{ControlKind::Label, "Label2", nullptr, 72, 32, 0, 0, "Label2"},
    ControlRow{ControlKind::Image, "Image1", nullptr, 16, 16, 41, 41},
};

} // namespace

TForm_Warning::TForm_Warning()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Form_Warning"));
    setWindowTitle(QCoreApplication::translate("Title", "Увага!"));
    setFont(WindowFont());
    setPalette(ClassicPalette());
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowModality(Qt::ApplicationModal);
    move(482, 256);
    setFixedSize(406, 105);

    FormBuilder builder(this);
    builder.Build(kLayout);
    m_controls = {builder.Get<QPushButton>("Button1"), builder.Get<QLabel>("Label1"),
                  builder.Get<QLabel>("Label2"), builder.Get<QLabel>("Image1")};

    m_controls.picture->setPixmap(QPixmap(QStringLiteral(":/warning.png")));
    m_controls.ok->setDefault(true);
    m_controls.ok->setFocusPolicy(Qt::StrongFocus);
    ConnectHandler(m_controls.ok, &QPushButton::clicked, this, &TForm_Warning::Button1Click);
}

void TForm_Warning::ShowWarning(const QString &first, const QString &second) {
    SetCaption(m_controls.first, first);
    SetCaption(m_controls.second, second);
    exec();
}

int TForm_Warning::CentredLeft(int outerWidth, int width) {
    const int twice = outerWidth - width;
    const int down = twice >= 0 ? twice / 2 : -((-twice + 1) / 2);
    const bool half = twice % 2 != 0;
    return half && down % 2 != 0 ? down + 1 : down;
}

void TForm_Warning::showEvent(QShowEvent *event) {
    // A window coming back from the task bar is not a new showing.
    if (!event->spontaneous())
        RunHandler([this] { FormShow(); });
    QDialog::showEvent(event);
}

void TForm_Warning::FormShow() {
    // A caller that set the text without resizing the label still gets the right width.
    m_controls.first->adjustSize();
    m_controls.second->adjustSize();
    const int w1 = m_controls.first->width();
    const int w2 = m_controls.second->width();
    const int outerWidth = (w2 < w1 ? w1 : w2) + kTextAllowance;
    const int frameAllowance = frameGeometry().width() - geometry().width();
    setFixedWidth(outerWidth - frameAllowance);
    m_controls.ok->move(CentredLeft(outerWidth, m_controls.ok->width()), m_controls.ok->y());
    m_controls.ok->setFocus();
}

void TForm_Warning::Button1Click() { close(); }

} // namespace kvr
