#include <kvrchart/ChartColor.h>

#include <QPalette>

namespace kvr::chart {

namespace {

struct SystemColorRole {
    int index;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The platform's system-colour indexes, matched to the nearest palette role.
constexpr SystemColorRole kSystemRoles[] = {
    {0, QPalette::Active, QPalette::Mid},
    {1, QPalette::Active, QPalette::Window},
    {2, QPalette::Active, QPalette::Highlight},
    {3, QPalette::Inactive, QPalette::Highlight},
    {4, QPalette::Active, QPalette::Window},
    {5, QPalette::Active, QPalette::Base},
    {6, QPalette::Active, QPalette::Shadow},
    {7, QPalette::Active, QPalette::WindowText},
    {8, QPalette::Active, QPalette::WindowText},
    {9, QPalette::Active, QPalette::HighlightedText},
    {10, QPalette::Active, QPalette::Mid},
    {11, QPalette::Inactive, QPalette::Mid},
    {12, QPalette::Active, QPalette::Dark},
    {13, QPalette::Active, QPalette::Highlight},
    {14, QPalette::Active, QPalette::HighlightedText},
    {15, QPalette::Active, QPalette::Button},
    {16, QPalette::Active, QPalette::Dark},
    {17, QPalette::Disabled, QPalette::Text},
    {18, QPalette::Active, QPalette::ButtonText},
    {19, QPalette::Inactive, QPalette::WindowText},
    {20, QPalette::Active, QPalette::Light},
    {21, QPalette::Active, QPalette::Shadow},
    {22, QPalette::Active, QPalette::Midlight},
    {23, QPalette::Active, QPalette::ToolTipText},
    {24, QPalette::Active, QPalette::ToolTipBase},
};

QColor SystemColor(int index, const QPalette &palette) {
    for (const auto &entry : kSystemRoles) {
        if (entry.index == index)
            return palette.color(entry.group, entry.role);
    }
    return Qt::black;
}

} // namespace

QColor ResolveColor(TColor color, const QPalette &palette) {
    if (color == clDefault || color == clNone)
        return Qt::black;
    if (IsSystemColor(color))
        return SystemColor(int(color & 0xFFu), palette);
    return QColor(int(color & 0xFFu), int((color >> 8) & 0xFFu), int((color >> 16) & 0xFFu));
}

TColor ToRgb(TColor color, const QPalette &palette) {
    const QColor c = ResolveColor(color, palette);
    return TColor(c.red()) | (TColor(c.green()) << 8) | (TColor(c.blue()) << 16);
}

} // namespace kvr::chart
