#include "settings/textfile.h"

#include "settings/regularfile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <array>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. Undefined bytes map to themselves, as the
// Windows conversion does.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    auto *out = text.data();
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        *out++ = (value >= 0x80 && value < 0xA0) ? QChar(kWindows1252High[value - 0x80])
                                                 : QChar(char16_t(value));
    }
    return text;
}

// Data the disk could not take can still be reported at the sync, after every write succeeded.
FileResult<> syncToDisk([[maybe_unused]] QFileDevice &file)
{
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0)
        return FileError{QString::fromLocal8Bit(std::strerror(errno))};
#endif
    return {};
}

// Half of a surrogate pair (UTF-16 bytes that are not valid UTF-16) becomes a replacement
// character: it could not be written as UTF-8, so the text would not read back as it was.
void replaceLoneSurrogates(QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
}

QString decodeAs(QStringConverter::Encoding encoding, QByteArrayView bytes)
{
    // The mark is dropped by the caller; one that follows it is text.
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless |
                                         QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    replaceLoneSurrogates(text);
    return text;
}

QString decodeByMark(const QByteArray &bytes)
{
    if (bytes.startsWith("\xef\xbb\xbf"))
        return decodeAs(QStringDecoder::Utf8, QByteArrayView(bytes).sliced(3));
    if (bytes.startsWith("\xff\xfe"))
        return decodeAs(QStringDecoder::Utf16LE, QByteArrayView(bytes).sliced(2));
    if (bytes.startsWith("\xfe\xff"))
        return decodeAs(QStringDecoder::Utf16BE, QByteArrayView(bytes).sliced(2));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(bytes);
}

} // namespace

namespace TextFile {

QString decode(const QByteArray &bytes)
{
    QString text = decodeByMark(bytes);
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u'\x1a')
        --end;
    text.truncate(end);
    return text;
}

QByteArray encode(const QString &text)
{
    // A text that starts with the character a byte-order mark encodes would lose it to decode():
    // a mark before it keeps it.
    if (text.startsWith(QChar(QChar::ByteOrderMark)))
        return "\xef\xbb\xbf" + text.toUtf8();
    return text.toUtf8();
}

FileResult<QString> read(const QString &path, qint64 maxBytes)
{
    const FileResult<QByteArray> bytes = RegularFile::read(path, maxBytes);
    if (!bytes)
        return FileError{bytes.error()};
    return decode(bytes.value());
}

FileResult<> writeAtomically(const QString &path, const QByteArray &bytes)
{
    const FileResult<QString> target = RegularFile::writeTarget(path);
    if (!target)
        return FileError{target.error()};
    QSaveFile file(target.value());
    if (!file.open(QIODevice::WriteOnly))
        return FileError{file.errorString()};
    // QSaveFile::commit() misses a write that fails while its buffer is flushed on closing (a
    // full disk) and renames the short file over the old one. Flushed and synced here, a failure
    // still cancels the save and the old file stays.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return FileError{error};
    }
    if (FileResult<> synced = syncToDisk(file); !synced) {
        file.cancelWriting();
        return synced;
    }
    if (!file.commit())
        return FileError{file.errorString()};
    return {};
}

} // namespace TextFile
