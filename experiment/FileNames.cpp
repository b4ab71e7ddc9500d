#include "FileNames.h"

namespace kvr {

namespace {

bool RefusedInFileNames(QChar c) {
    return c.category() == QChar::Other_Control || QStringView(u"/\\:*?\"<>|").contains(c);
}

} // namespace

QString SuggestedFileName(const QString &userName, QDate date, const QString &extension) {
    QString name = userName;
    for (QChar &c : name)
        if (RefusedInFileNames(c))
            c = c.category() == QChar::Other_Control ? QLatin1Char(' ') : QLatin1Char('-');
    const QString tail = date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('.') + extension;
    const qsizetype room = kMaxSuggestedNameCharacters - tail.size() - 1;
    name = name.simplified();
    if (name.size() > room) {
        // A surrogate pair is cut whole.
        name.truncate(name.at(room - 1).isHighSurrogate() ? room - 1 : room);
        name = name.trimmed();
    }
    return name.isEmpty() ? tail : name + QLatin1Char(' ') + tail;
}

QString WithExtension(const QString &path, const QString &extension) {
    const QString ending = QLatin1Char('.') + extension;
    return path.endsWith(ending, Qt::CaseInsensitive) ? path : path + ending;
}

} // namespace kvr
