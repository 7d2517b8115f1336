#include "zonetime/clock.h"

#include <utility>

namespace {

/// The computer's local time, pinned to the offset it has at this moment: the same instant and
/// the same wall-clock reading, but later questions about it (its UTC time, its offset) are plain
/// arithmetic. Each time-zone look-up asks the disk whether the zone file changed, and the
/// once-a-second tick would ask several times; this asks once.
QDateTime systemNow()
{
    const QDateTime utc = QDateTime::currentDateTimeUtc();
    const QDateTime local = utc.toLocalTime();
    const QDateTime reading(local.date(), local.time(), Qt::UTC);
    return utc.toOffsetFromUtc(int(utc.secsTo(reading)));
}

} // namespace

Clock::Clock(Source source)
    : m_source(std::move(source))
{
}

Clock Clock::system()
{
    return Clock(&systemNow);
}

QDateTime Clock::now() const
{
    return m_source ? m_source() : systemNow();
}
