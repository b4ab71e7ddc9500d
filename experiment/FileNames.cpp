#include "FileNames.h"

#include <QTextBoundaryFinder>

namespace kvr {

namespace {

bool RefusedInFileNames(QChar c) {
    return c.category() == QChar::Other_Control || QStringView(u"/\\:*?\"<>|").contains(c);
}

// The longest start of `text` that ends on a whole character (a letter with its accents,
// an emoji with its modifiers) within both limits.
QString CutToFit(const QString &text, qsizetype characters, qsizetype bytes) {
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    qsizetype end = 0;
    for (qsizetype next = graphemes.toNextBoundary();
         next > 0 && next <= characters && text.left(next).toUtf8().size() <= bytes;
         next = graphemes.toNextBoundary())
        end = next;
    return text.left(end);
}

} // namespace

QString SuggestedFileName(const QString &userName, QDate date, const QString &extension) {
    QString name = userName;
    for (QChar &c : name)
        if (RefusedInFileNames(c))
            c = c.category() == QChar::Other_Control ? QLatin1Char(' ') : QLatin1Char('-');
    const QString tail = date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('.') + extension;
    // A leading dot would hide the file, and ".." is no file name at all.
    name = name.simplified();
    while (name.startsWith(QLatin1Char('.')))
        name = name.mid(1).trimmed();
    const qsizetype characters = kMaxSuggestedNameCharacters - tail.size() - 1;
    const qsizetype bytes =
        kMaxFileNameBytes - tail.toUtf8().size() - 1 - qsizetype(sizeof(" (9999)") - 1);
    name = CutToFit(name, characters, bytes).trimmed();
    return name.isEmpty() ? tail : name + QLatin1Char(' ') + tail;
}

QString WithExtension(const QString &path, const QString &extension) {
    const QString ending = QLatin1Char('.') + extension;
    return path.endsWith(ending, Qt::CaseInsensitive) ? path : path + ending;
}

} // namespace kvr
