#include "ClassicPalette.h"

#include <QStyle>
#include <QStyleFactory>

#include <memory>

namespace kvr {

QPalette ClassicPalette() {
    static const QPalette classic = [] {
        // Fusion's standard palette is the light one a desktop without a colour scheme gives.
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        const QPalette standard = fusion->standardPalette();
        QPalette palette;
        // Each role set, so that none is left to follow the application's palette.
        for (int group = 0; group < QPalette::NColorGroups; ++group)
            for (int role = 0; role < QPalette::NColorRoles; ++role)
                palette.setBrush(
                    QPalette::ColorGroup(group), QPalette::ColorRole(role),
                    standard.brush(QPalette::ColorGroup(group), QPalette::ColorRole(role)));
        return palette;
    }();
    return classic;
}

} // namespace kvr
