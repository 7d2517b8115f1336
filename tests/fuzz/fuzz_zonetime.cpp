// Zone offsets from arbitrary text, zone times from them at any reading of the computer's clock,
// and the Hijri conversion both ways.

#include "fuzzsupport.h"
#include "zonetime/hijridate.h"
#include "zonetime/zoneoffset.h"
#include "zonetime/zonetime.h"

#include <QDateTime>

namespace {

void checkOffset(const QString &text)
{
    const int minutes = std::abs(ZoneOffset::fromText(text).minutes());
    const QString written =
        text.left(1) + QString::asprintf("%02d:%02d", minutes / 60, minutes % 60);
    Fuzz::check(
        minutes <= 99 * 60 + 99 &&
            ZoneOffset::fromText(text.left(6)).minutes() == ZoneOffset::fromText(text).minutes() &&
            (!ZoneOffset::isWellFormed(text) ||
             (minutes <= ZoneOffset::MaxHours * 60 + ZoneOffset::MaxMinutes && written == text)),
        "offsets are read from six characters, a well-formed one in limits and as written", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Fuzz::Input input(data, size);
    FuzzedDataProvider &choices = input.choices;
    checkOffset(input.text);
    const QString local = input.takeText(40);
    checkOffset(local.size() >= 14 ? local.sliced(local.size() - 14, 6) : local);

    const auto takeDate = [&] { // some ten thousand years around 2000, or anywhere
        return QDate::fromJulianDay(
            choices.ConsumeBool()
                ? 2451545 + choices.ConsumeIntegralInRange<qint64>(-4'000'000, 4'000'000)
                : choices.ConsumeIntegral<qint64>());
    };
    // A reading in UTC or at whole minutes from it, as the computer's own offset is taken.
    const QDate day = takeDate();
    const QTime time =
        QTime::fromMSecsSinceStartOfDay(choices.ConsumeIntegralInRange(0, 86'399'999));
    const QDateTime now = choices.ConsumeBool()
                              ? QDateTime(day, time, Qt::UTC)
                              : QDateTime(day, time, Qt::OffsetFromUTC,
                                          60 * choices.ConsumeIntegralInRange(-840, 840));
    // Under the sanitizers at any reading; the zone time tests check the times themselves.
    const QDateTime zone = getZoneTime(input.text, local, now);
    Fuzz::check(!zone.isValid() || (now.isValid() && zone.timeSpec() == Qt::UTC),
                "a zone time needs a reading and is naive", local);

    const QDate date = takeDate();
    if (const std::optional<HijriDate> hijri = HijriDate::fromDate(date))
        Fuzz::check(hijri->isValid() && hijri->toDate() == date, "Gregorian to Hijri and back");
    const HijriDate fields{choices.ConsumeIntegral<int>(), choices.ConsumeIntegralInRange(-1, 14),
                           choices.ConsumeIntegralInRange(-1, 31)};
    int yearDays = 0;
    for (int month = 1; month <= 12; ++month)
        yearDays += HijriDate::monthLength(fields.year, month);
    const std::optional<QDate> gregorian = fields.toDate();
    Fuzz::check((fields.year < 1 || yearDays == HijriDate::yearLength(fields.year)) &&
                    gregorian.has_value() == fields.isValid() &&
                    (!gregorian || HijriDate::fromDate(*gregorian) == fields),
                "the months make up the year; valid Hijri dates convert, and back");
    return 0;
}
