#include "ClassicPalette.h"

#include <QColor>

namespace kvr {

namespace {

// The toolkit's light palette, made from its window grey as the toolkit makes it where no
// desktop theme gives one. A style's standard palette will not do: Fusion's follows a dark
// theme, and the classic Windows style's is the grey of another era.
QPalette LightPalette() {
    const QColor window(239, 239, 239);
    const QColor mid = window.darker(130);
    const QColor dark = window.darker(150);
    const QColor shadow = dark.darker(135);
    const QColor disabledText(190, 190, 190);
    const QColor highlight(48, 140, 198);
    QColor placeholder(Qt::black);
    placeholder.setAlpha(128);
    QPalette palette(Qt::black, window, window.lighter(150), dark, mid, Qt::black, Qt::white);
    palette.setColor(QPalette::Midlight, mid.lighter(110));
    palette.setColor(QPalette::Shadow, shadow);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::PlaceholderText, placeholder);
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Base, window);
    palette.setColor(QPalette::Disabled, QPalette::Dark, QColor(209, 209, 209).darker(110));
    palette.setColor(QPalette::Disabled, QPalette::Shadow, shadow.lighter(150));
    palette.setColor(QPalette::Active, QPalette::Highlight, highlight);
    palette.setColor(QPalette::Inactive, QPalette::Highlight, highlight);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    return palette;
}

} // namespace

QPalette ClassicPalette() {
    static const QPalette classic = [] {
        QPalette palette = LightPalette();
        // Each role set, so that none is left to follow the application's palette.
        for (int group = 0; group < QPalette::NColorGroups; ++group)
            for (int role = 0; role < QPalette::NColorRoles; ++role)
                palette.setBrush(
                    QPalette::ColorGroup(group), QPalette::ColorRole(role),
                    palette.brush(QPalette::ColorGroup(group), QPalette::ColorRole(role)));
        return palette;
    }();
    return classic;
}

} // namespace kvr
