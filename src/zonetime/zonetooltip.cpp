#include "zonetime/zonetooltip.h"

#include "zonetime/zoneoffset.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

// The context of the tooltip's texts, for translators.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ZoneToolTip)
};

constexpr char16_t MinusSign = u'\u2212';

/// "9 h", "5 h 30", "30 min", without a sign.
QString magnitudeText(int minutes)
{
    const int hours = minutes / 60;
    const int rest = minutes % 60;
    if (hours == 0)
        return Texts::tr("%1 min").arg(rest);
    if (rest == 0)
        return Texts::tr("%1 h").arg(hours);
    //: Hours and minutes of a time difference: "5 h 30".
    return Texts::tr("%1 h %2").arg(hours).arg(rest, 2, 10, QChar(u'0'));
}

QString dayText(qint64 days)
{
    if (days == 1)
        return Texts::tr("tomorrow");
    if (days == -1)
        return Texts::tr("yesterday");
    if (days > 0)
        return Texts::tr("%n days later", nullptr, int(days));
    return Texts::tr("%n days earlier", nullptr, int(-days));
}

} // namespace

QString timeDifferenceText(int minutes, qint64 days)
{
    if (minutes == 0 && days == 0)
        return Texts::tr("same time");
    QString text =
        (minutes < 0 ? QString(QChar(MinusSign)) : u"+"_s) + magnitudeText(qAbs(minutes));
    if (days != 0)
        text = Texts::tr("%1, %2", "the time difference, then the day").arg(text, dayText(days));
    return text;
}

std::optional<QString> comingOffsetChangeText(const QTimeZone &zone, const QDateTime &now,
                                              const QLocale &locale)
{
    if (!zone.isValid() || !now.isValid() || !zone.hasTransitions())
        return std::nullopt;
    const QDateTime until = now.addDays(ComingChangeDays);
    int before = zone.offsetFromUtc(now);
    // A transition may change only the zone's abbreviation or its summer-time flag: the first
    // one that moves the clocks is the one to announce.
    for (QTimeZone::OffsetData next = zone.nextTransition(now);
         next.atUtc.isValid() && next.atUtc <= until; next = zone.nextTransition(next.atUtc)) {
        if (next.offsetFromUtc == before)
            continue;
        // The reading just before the change, as the zone's people are told of it.
        const QDateTime local = next.atUtc.toOffsetFromUtc(before);
        const QString when = locale.toString(
            local.date(),
            Texts::tr("ddd d MMM yyyy", "the date of the coming change, as a QDate format"));
        const QString at = local.time().toString(u"HH:mm"_s);
        const QString offset = ZoneOffset(next.offsetFromUtc / 60).toText();
        return next.offsetFromUtc > before
                   ? Texts::tr("Clocks go forward on %1 at %2, to %3").arg(when, at, offset)
                   : Texts::tr("Clocks go back on %1 at %2, to %3").arg(when, at, offset);
    }
    return std::nullopt;
}
