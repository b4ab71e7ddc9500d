#include "NativeNames.h"

#include <algorithm>
#include <functional>

#include <dirent.h>
#include <sys/stat.h>

namespace kvr {

namespace {

constexpr char32_t kEscapedByte = 0xDC00;

// The length of the well-formed UTF-8 character at `at`, or 0 where a byte starts none.
int CharacterLength(const QByteArray &bytes, qsizetype at) {
    const auto byte = [&](qsizetype k) { return static_cast<unsigned char>(bytes[at + k]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (lead < 0xC2 || lead > 0xF4 || at + length > bytes.size())
        return 0;
    for (int k = 1; k < length; ++k)
        if ((byte(k) & 0xC0) != 0x80)
            return 0;
    // Overlong forms, UTF-16 surrogates and code points beyond U+10FFFF are no characters.
    const unsigned char second = byte(1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90))
        return 0;
    return length;
}

// Calls `character` with each character's text, or `stray` with each byte outside one.
void Walk(const QByteArray &bytes, const std::function<void(const QString &)> &character,
          const std::function<void(unsigned char)> &stray) {
    for (qsizetype at = 0; at < bytes.size();) {
        const int length = CharacterLength(bytes, at);
        if (length == 0)
            stray(static_cast<unsigned char>(bytes[at]));
        else
            character(QString::fromUtf8(bytes.constData() + at, length));
        at += length > 0 ? length : 1;
    }
}

} // namespace

QString ArgumentText(const QByteArray &bytes) {
    QString text;
    Walk(
        bytes, [&](const QString &character) { text += character; },
        [&](unsigned char byte) { text += QChar(char16_t(kEscapedByte + byte)); });
    return text;
}

QByteArray NativeBytes(const QString &argument) {
    QByteArray bytes;
    for (qsizetype k = 0; k < argument.size(); ++k) {
        const char16_t unit = argument[k].unicode();
        const bool pair = QChar::isHighSurrogate(unit) && k + 1 < argument.size() &&
                          argument[k + 1].isLowSurrogate();
        if (!pair && unit >= kEscapedByte + 0x80 && unit <= kEscapedByte + 0xFF)
            bytes += char(unit - kEscapedByte);
        else
            bytes += argument.mid(k, pair ? 2 : 1).toUtf8();
        k += pair ? 1 : 0;
    }
    return bytes;
}

QString ReadableName(const QByteArray &bytes) {
    QString shown;
    const auto escaped = [&](unsigned char byte) {
        shown += QLatin1String("\\x") + QString::number(byte, 16).rightJustified(2, u'0').toUpper();
    };
    Walk(
        bytes,
        [&](const QString &character) {
            const char16_t unit = character[0].unicode();
            if (unit == '\\')
                shown += QLatin1String("\\\\");
            else if (unit == '\t' || unit == '\n' || unit == '\r')
                shown += unit == '\t'   ? QLatin1String("\\t")
                         : unit == '\n' ? QLatin1String("\\n")
                                        : QLatin1String("\\r");
            else if (unit < 0x20 || unit == 0x7F)
                escaped(static_cast<unsigned char>(unit));
            else
                shown += character;
        },
        escaped);
    return shown;
}

QList<QByteArray> ExperimentFilesIn(const QByteArray &folder) {
    QList<QByteArray> files;
    DIR *directory = ::opendir(folder.constData());
    if (!directory)
        return files;
    while (const dirent *entry = ::readdir(directory)) {
        const QByteArray name(entry->d_name);
        // "МЕЛЬНИК С.KVR" from a Windows machine is a hand-in like any other.
        if (!name.toLower().endsWith(".kvr") || name.size() == 4)
            continue;
        const QByteArray path = (folder.endsWith('/') ? folder : folder + '/') + name;
        if (struct stat info{}; ::stat(path.constData(), &info) == 0 && S_ISREG(info.st_mode))
            files << path;
    }
    ::closedir(directory);
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace kvr
