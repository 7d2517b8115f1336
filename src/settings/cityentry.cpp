#include "settings/cityentry.h"

using namespace Qt::StringLiterals;

std::optional<CityEntry> CityEntry::fromLine(QStringView line)
{
    const qsizetype length = line.size();
    if (length < TailLength)
        return std::nullopt;
    // Positions from 1: name 1..L-15, zone L-13..L-8, flag file L-6..L.
    return CityEntry{line.first(length - TailLength).toString(),
                     line.sliced(length - 14, 6).toString(), line.last(7).toString()};
}

QString CityEntry::flagCode() const
{
    return upperCasedInPlace(QStringView(flagFile).first(qMin<qsizetype>(3, flagFile.size())));
}

QString CityEntry::upperCasedInPlace(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            const char32_t character = QChar::surrogateToUcs4(c, text[i + 1]);
            const char32_t upper = QChar::toUpper(character);
            // Kept when its capital would take another number of code units.
            result +=
                QStringView(QChar::fromUcs4(QChar::requiresSurrogates(upper) ? upper : character));
            ++i;
        } else {
            result += c.toUpper();
        }
    }
    return result;
}

bool CityEntry::hasPlainFlagFile() const
{
    if (flagFile.size() != 7 || flagFile.sliced(3).compare(u".bmp"_s, Qt::CaseInsensitive) != 0)
        return false;
    for (const QChar c : flagFile.first(3)) {
        if (!(c.isLetterOrNumber() && c.unicode() < 128))
            return false;
    }
    return true;
}

QString CityEntry::toLine() const
{
    return name % u'!' % zone % u'!' % flagFile;
}
