#include "zonetime/datepattern.h"

#include "zonetime/digits.h"

using namespace Qt::StringLiterals;

namespace {

qsizetype repeatCount(QStringView text, qsizetype from)
{
    qsizetype end = from + 1;
    while (end < text.size() && text[end] == text[from])
        ++end;
    return end - from;
}

/// Reads quoted text starting at the quote at `i` and moves `i` past it, the way Qt's own date
/// formatting does: "''" is one quote, inside or outside quoted text; an unclosed quote runs to
/// the end.
QString readQuoted(QStringView pattern, qsizetype &i)
{
    ++i;
    if (i == pattern.size())
        return {};
    if (pattern[i] == u'\'') {
        ++i;
        return u"'"_s;
    }
    QString text;
    while (i < pattern.size()) {
        if (pattern[i] == u'\'') {
            if (i + 1 < pattern.size() && pattern[i + 1] == u'\'') {
                text += u'\'';
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        text += pattern[i++];
    }
    return text;
}

bool isFieldLetter(QChar c)
{
    return c == u'd' || c == u'M' || c == u'y';
}

} // namespace

DatePattern::DatePattern(QStringView pattern)
{
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        if (c == u'\'') {
            appendText(readQuoted(pattern, i));
            continue;
        }
        qsizetype repeat = repeatCount(pattern, i);
        if (c == u'd' || c == u'M') {
            repeat = qMin<qsizetype>(repeat, 4);
            static constexpr Part days[] = {Part::DayNumber, Part::DayTwoDigits, Part::DayShortName,
                                            Part::DayLongName};
            static constexpr Part months[] = {Part::MonthNumber, Part::MonthTwoDigits,
                                              Part::MonthShortName, Part::MonthLongName};
            m_pieces.append({(c == u'd' ? days : months)[repeat - 1], {}});
        } else if (c == u'y' && repeat >= 2) {
            repeat = repeat >= 4 ? 4 : 2;
            m_pieces.append({repeat == 4 ? Part::YearFourDigits : Part::YearTwoDigits, {}});
        } else {
            appendText(QString(repeat, c));
        }
        i += repeat;
    }
}

void DatePattern::appendText(const QString &text)
{
    if (text.isEmpty())
        return;
    if (!m_pieces.isEmpty() && m_pieces.back().part == Part::Text)
        m_pieces.back().text += text;
    else
        m_pieces.append({Part::Text, text});
}

std::optional<DatePattern> DatePattern::forFormat(DateFormat format, const QLocale &locale)
{
    const QString separator = dateSeparator(locale);
    const auto numeric = [&separator](QStringView first, QStringView second, QStringView third) {
        return DatePattern(QString(first + separator + second + separator + third));
    };
    switch (format) {
    case DateFormat::DayMonthYear:
        return numeric(u"dd", u"MM", u"yyyy");
    case DateFormat::MonthDayYear:
        return numeric(u"MM", u"dd", u"yyyy");
    case DateFormat::YearMonthDay:
        return numeric(u"yyyy", u"MM", u"dd");
    case DateFormat::Long:
        return DatePattern(locale.dateFormat(QLocale::LongFormat));
    }
    return std::nullopt;
}

QString DatePattern::dateSeparator(const QLocale &locale)
{
    const QString pattern = locale.dateFormat(QLocale::ShortFormat);
    qsizetype i = 0;
    bool fieldSeen = false;
    QString separator;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        if (isFieldLetter(c)) {
            // A format that only puts blanks between its fields ("d MMM yyyy") has no
            // separator of its own for all-number dates.
            if (fieldSeen && !separator.trimmed().isEmpty())
                return separator;
            if (fieldSeen && !separator.isEmpty())
                break;
            fieldSeen = true;
            separator.clear();
            i += repeatCount(pattern, i);
        } else if (c == u'\'') {
            const QString quoted = readQuoted(pattern, i);
            if (fieldSeen)
                separator += quoted;
        } else {
            if (fieldSeen)
                separator += c;
            ++i;
        }
    }
    return u"/"_s;
}

QString DatePattern::format(const DateFields &fields, const QLocale &locale,
                            const LocaleDigits &digits) const
{
    if (fields.year < FirstYear || fields.year > LastYear)
        return {};
    QString text;
    for (const Piece &piece : m_pieces) {
        switch (piece.part) {
        case Part::Text:
            text += piece.text;
            break;
        case Part::DayNumber:
            text += digits.number(fields.day, 1);
            break;
        case Part::DayTwoDigits:
            text += digits.number(fields.day, 2);
            break;
        case Part::DayShortName:
            text += locale.dayName(fields.dayOfWeek, QLocale::ShortFormat);
            break;
        case Part::DayLongName:
            text += locale.dayName(fields.dayOfWeek, QLocale::LongFormat);
            break;
        case Part::MonthNumber:
            text += digits.number(fields.month, 1);
            break;
        case Part::MonthTwoDigits:
            text += digits.number(fields.month, 2);
            break;
        case Part::MonthShortName:
            text +=
                fields.calendar.monthName(locale, fields.month, fields.year, QLocale::ShortFormat);
            break;
        case Part::MonthLongName:
            text +=
                fields.calendar.monthName(locale, fields.month, fields.year, QLocale::LongFormat);
            break;
        case Part::YearTwoDigits:
            text += digits.number(fields.year % 100, 2);
            break;
        case Part::YearFourDigits:
            text += digits.number(fields.year, 4);
            break;
        }
    }
    return text;
}
