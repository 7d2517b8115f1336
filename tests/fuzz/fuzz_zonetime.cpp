// Zone offsets from arbitrary text, zone times from arbitrary offsets, local cities and clock
// readings, and the Hijri conversion both ways.

#include "fuzzsupport.h"
#include "zonetime/clock.h"
#include "zonetime/hijridate.h"
#include "zonetime/zoneoffset.h"
#include "zonetime/zonetime.h"

#include <QDateTime>

#include <cstdlib>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

// Julian day of 2000-01-01; readings are taken some ten thousand years around it, and now and then
// anywhere QDate reaches.
constexpr qint64 J2000 = 2451545;
constexpr qint64 NearDays = 4'000'000;
constexpr int MaxOffsetMinutes = 14 * 60;

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, u'0');
}

void checkOffset(const QString &text)
{
    const ZoneOffset offset = ZoneOffset::fromText(text);
    Fuzz::check(std::abs(offset.minutes()) <= 99 * 60 + 99, "an offset is two fields of two digits",
                [&]() -> QString { return Fuzz::quoted(text); });
    Fuzz::check(ZoneOffset::fromText(text.first(qMin<qsizetype>(6, text.size()))) == offset,
                "characters after the sixth are ignored",
                [&]() -> QString { return Fuzz::quoted(text); });
    if (!ZoneOffset::isWellFormed(text))
        return;
    const int minutes = std::abs(offset.minutes());
    Fuzz::check(minutes <= ZoneOffset::MaxHours * 60 + ZoneOffset::MaxMinutes,
                "a well-formed offset is within the limits",
                [&]() -> QString { return Fuzz::quoted(text); });
    const QString written = text.front() + twoDigits(minutes / 60) + u':' + twoDigits(minutes % 60);
    Fuzz::check(written == text, "a well-formed offset writes back as its text", [&]() -> QString {
        return Fuzz::quoted(text) % u" -> "_s % QString::number(offset.minutes());
    });
}

QDateTime takeReading(FuzzedDataProvider &choices)
{
    const qint64 day = choices.ConsumeBool()
                           ? J2000 + choices.ConsumeIntegralInRange<qint64>(-NearDays, NearDays)
                           : choices.ConsumeIntegral<qint64>();
    const QDate date = QDate::fromJulianDay(day);
    const QTime time = QTime::fromMSecsSinceStartOfDay(
        choices.ConsumeIntegralInRange<int>(0, 24 * 3600 * 1000 - 1));
    if (choices.ConsumeBool())
        return QDateTime(date, time, Qt::UTC);
    // Whole minutes, as the offsets of all zones in use today are. The computer's own offset is
    // taken in whole minutes, so a historical one with seconds (local mean time) shows the zone
    // times up to 59 s off; no clock running now meets it.
    const int minutes = choices.ConsumeIntegralInRange(-MaxOffsetMinutes, MaxOffsetMinutes);
    return QDateTime(date, time, Qt::OffsetFromUTC, minutes * 60);
}

// Readings far from today have no ISO text; the Julian day always has one.
QString describe(const QDateTime &time)
{
    return u"day "_s % QString::number(time.date().toJulianDay()) % u' ' %
           time.time().toString(u"HH:mm:ss.zzz"_s) % u" UTC"_s %
           QString::number(time.offsetFromUtc()) % u"s"_s;
}

void checkZoneTime(const QString &offsetText, const QString &localCity, const QDateTime &now)
{
    const QDateTime zone = getZoneTime(offsetText, localCity, now);
    const QString report = Fuzz::quoted(offsetText) % u" at "_s % Fuzz::quoted(localCity) %
                           u", now "_s % describe(now);
    if (!now.isValid()) {
        Fuzz::check(!zone.isValid(), "no zone time without a reading",
                    [&]() -> QString { return report; });
        return;
    }
    const Clock clock([&now] { return now; });
    Fuzz::check(getZoneTime(offsetText, localCity, clock) == zone, "a clock reads as its reading",
                [&]() -> QString { return report; });
    if (!zone.isValid())
        return; // beyond the dates QDateTime holds
    Fuzz::check(zone.timeSpec() == Qt::UTC, "zone times are naive",
                [&]() -> QString { return report; });

    // The local city's own offset shows the computer's reading.
    if (const std::optional<ZoneOffset> local = localCityOffset(localCity)) {
        const QString ownZone = localCity.sliced(localCity.size() - 14, 6);
        const QDateTime own = getZoneTime(ownZone, localCity, now);
        if (!own.isValid())
            return; // the reading is at the edge of what QDateTime holds
        Fuzz::check(own.date() == now.date() && own.time() == now.time(),
                    "the local city's zone shows the computer's reading",
                    [&]() -> QString { return report % u" -> "_s % describe(own); });
        // Two cities differ by the difference of their offsets.
        const qint64 apart = own.secsTo(zone);
        Fuzz::check(apart ==
                        60 * qint64(ZoneOffset::fromText(offsetText).minutes() - local->minutes()),
                    "zone times differ by their offsets", [&]() -> QString { return report; });
    } else {
        // No local city: the computer's own offset is the local one.
        const QDateTime utc =
            now.toUTC().addSecs(60 * qint64(ZoneOffset::fromText(offsetText).minutes()));
        Fuzz::check(!utc.isValid() || (zone.date() == utc.date() && zone.time() == utc.time()),
                    "without a local city the zone time is UTC plus the offset",
                    [&]() -> QString { return report; });
    }
}

std::optional<HijriDate> nextDay(HijriDate date)
{
    if (++date.day > HijriDate::monthLength(date.year, date.month)) {
        date.day = 1;
        if (++date.month > 12) {
            date.month = 1;
            if (date.year == std::numeric_limits<int>::max())
                return std::nullopt;
            ++date.year;
        }
    }
    return date;
}

void checkHijri(FuzzedDataProvider &choices)
{
    const QDate date = QDate::fromJulianDay(
        choices.ConsumeBool() ? J2000 + choices.ConsumeIntegralInRange<qint64>(-NearDays, NearDays)
                              : choices.ConsumeIntegral<qint64>());
    if (const std::optional<HijriDate> hijri = HijriDate::fromDate(date)) {
        const QString report = date.toString(Qt::ISODate) % u" -> "_s %
                               QString::number(hijri->year) % u'-' % QString::number(hijri->month) %
                               u'-' % QString::number(hijri->day);
        Fuzz::check(hijri->isValid(), "a converted date is a valid Hijri date",
                    [&]() -> QString { return report; });
        Fuzz::check(hijri->toDate() == date, "Gregorian to Hijri and back",
                    [&]() -> QString { return report; });
        const std::optional<HijriDate> next = HijriDate::fromDate(date.addDays(1));
        if (next && date.addDays(1).isValid())
            Fuzz::check(next == nextDay(*hijri), "the next day is the next Hijri day",
                        [&]() -> QString { return report; });
    }

    HijriDate fields;
    fields.year = choices.ConsumeIntegral<int>();
    fields.month = choices.ConsumeIntegralInRange(-1, 14);
    fields.day = choices.ConsumeIntegralInRange(-1, 31);
    int yearDays = 0;
    for (int month = 1; month <= 12; ++month)
        yearDays += HijriDate::monthLength(fields.year, month);
    Fuzz::check(fields.year < 1 || yearDays == HijriDate::yearLength(fields.year),
                "the months make up the year",
                [&]() -> QString { return QString::number(fields.year); });
    const std::optional<QDate> gregorian = fields.toDate();
    Fuzz::check(gregorian.has_value() == fields.isValid(), "valid Hijri dates convert");
    if (gregorian) {
        Fuzz::check(HijriDate::fromDate(*gregorian) == fields, "Hijri to Gregorian and back",
                    [&]() -> QString {
                        return QString::number(fields.year) % u'-' % QString::number(fields.month) %
                               u'-' % QString::number(fields.day) % u" -> "_s %
                               QString::number(gregorian->toJulianDay());
                    });
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Fuzz::Input input(data, size);
    const QString offsetText = TextFile::decode(input.file);
    checkOffset(offsetText);
    FuzzedDataProvider choices(reinterpret_cast<const std::uint8_t *>(input.choices.data()),
                               input.choices.size());
    const QString localCity = Fuzz::takeText(choices, 40);
    checkOffset(localCity.size() >= 14 ? localCity.sliced(localCity.size() - 14, 6) : localCity);
    checkZoneTime(offsetText, localCity, takeReading(choices));
    checkHijri(choices);
    return 0;
}
