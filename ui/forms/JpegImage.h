#pragma once

#include <QImage>
#include <QString>

namespace kvr {

// Decodes a JPEG file (or Qt resource path) by calling libjpeg; a null image on failure.
QImage LoadJpeg(const QString &path);

} // namespace kvr
