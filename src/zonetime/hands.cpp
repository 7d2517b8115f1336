#include "zonetime/hands.h"

#include "zonetime/digits.h"

namespace {

/// The value of a text of exactly two ASCII digits, as the tables are keyed, else nothing.
std::optional<int> twoDigitKey(QStringView text)
{
    if (text.size() != 2)
        return std::nullopt;
    const QChar tens = text[0];
    const QChar ones = text[1];
    if (tens < u'0' || tens > u'9' || ones < u'0' || ones > u'9')
        return std::nullopt;
    return (tens.unicode() - u'0') * 10 + (ones.unicode() - u'0');
}

/// A two-digit text of 0..99 in a small buffer, for the look-ups without allocating.
struct TwoDigits {
    char16_t digits[2];
    explicit TwoDigits(int value)
        : digits{char16_t(u'0' + value / 10 % 10), char16_t(u'0' + value % 10)}
    {
    }
    QStringView view() const { return QStringView(digits, 2); }
};

} // namespace

std::optional<QPoint> dialPoint(QStringView text)
{
    const std::optional<int> key = twoDigitKey(text);
    if (!key || *key >= int(DialPoints.size()))
        return std::nullopt;
    return DialPoints[*key];
}

std::optional<QPoint> hourPoint(QStringView hourText, QStringView minuteText)
{
    const std::optional<int> hour = twoDigitKey(hourText);
    if (!hour || *hour >= int(HourPoints.size()))
        return std::nullopt;
    const int minute = digitsValue(minuteText);
    for (int band = 0; band < HourBandCount; ++band) {
        if (minute <= HourBandLastMinute[band])
            return HourPoints[*hour][band];
    }
    return std::nullopt;
}

void secondHand(QStringView secondText, HandPoints &points)
{
    if (const std::optional<QPoint> point = dialPoint(secondText))
        points.second = *point;
}

void minuteHand(QStringView minuteText, HandPoints &points)
{
    if (const std::optional<QPoint> point = dialPoint(minuteText))
        points.minute = *point;
}

void hourHand(QStringView hourText, QStringView minuteText, HandPoints &points)
{
    if (const std::optional<QPoint> point = hourPoint(hourText, minuteText))
        points.hour = *point;
}

void setHands(QTime time, HandPoints &points)
{
    if (!time.isValid())
        return;
    const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    const TwoDigits hourText(hour);
    const TwoDigits minuteText(time.minute());
    const TwoDigits secondText(time.second());
    secondHand(secondText.view(), points);
    minuteHand(minuteText.view(), points);
    hourHand(hourText.view(), minuteText.view(), points);
}

QColor handColour(FaceStyle style)
{
    if (style == FaceStyle::Style3 || style == FaceStyle::Style5)
        return QColor(159, 159, 159);
    return QColor(Qt::black);
}

QColor secondHandColour()
{
    return QColor(255, 0, 0);
}
