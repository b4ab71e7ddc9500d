#include "FileErrors.h"

#include <QFileDevice>

namespace kvr {

QString SaveFailure(const QFileDevice &file) {
    switch (file.error()) {
    case QFileDevice::PermissionsError:
        return QString::fromUtf8("немає дозволу на запис");
    case QFileDevice::OpenError:
        return QString::fromUtf8("файл не вдалося відкрити для запису");
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
        return QString::fromUtf8("не вдалося записати файл (можливо, диск заповнено)");
    case QFileDevice::RenameError:
        return QString::fromUtf8("не вдалося замінити старий файл");
    default:
        return QString::fromUtf8("помилка запису: ") + file.errorString();
    }
}

} // namespace kvr
