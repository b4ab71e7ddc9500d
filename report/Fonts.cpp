#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace kvr {

static QString WindowFamily() {
    // Liberation Sans keeps Arial's metrics, the nearest to the design face of the free
    // faces Debian ships; DejaVu Sans is wider but always there.
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        for (const char *candidate : {"MS Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"}) {
            if (families.contains(QLatin1String(candidate), Qt::CaseInsensitive))
                return QString::fromLatin1(candidate);
        }
        return QString();
    }();
    return family;
}

QFont WindowFont(int pixelSize) {
    QFont font(WindowFamily());
    font.setPixelSize(pixelSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace kvr
