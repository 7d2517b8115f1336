#include "clockwindow/lookahead.h"

using namespace Qt::StringLiterals;

bool LookAhead::turn(int angle, int stepMinutes, const QDateTime &now)
{
    m_lastTurn = now;
    if ((angle > 0 && m_pendingAngle < 0) || (angle < 0 && m_pendingAngle > 0))
        m_pendingAngle = 0;
    m_pendingAngle += angle;
    const int notches = m_pendingAngle / Notch;
    m_pendingAngle -= notches * Notch;
    const qint64 wanted = qint64(m_minutes) + qint64(notches) * stepMinutes;
    const int minutes = int(qBound(qint64(-MaxMinutes), wanted, qint64(MaxMinutes)));
    if (minutes == m_minutes)
        return false;
    m_minutes = minutes;
    return true;
}

bool LookAhead::reset()
{
    const bool wasActive = isActive();
    m_minutes = 0;
    m_pendingAngle = 0;
    m_lastTurn = QDateTime();
    return wasActive;
}

bool LookAhead::expire(const QDateTime &now)
{
    if (!m_lastTurn.isValid())
        return false;
    // A clock set back since the last turn ends the wait too: it cannot say how long it was.
    const qint64 rested = m_lastTurn.msecsTo(now);
    if (rested >= 0 && rested < ReturnAfterMs)
        return false;
    return reset();
}

void LookAhead::hold(const QDateTime &now)
{
    if (m_lastTurn.isValid())
        m_lastTurn = now;
}

QString LookAhead::offsetText(int minutes)
{
    const int magnitude = qAbs(minutes);
    const int days = magnitude / Day;
    const int hours = magnitude % Day / Hour;
    const int rest = magnitude % Hour;
    QStringList parts;
    if (days > 0)
        parts.append(tr("%1 d").arg(days));
    if (hours > 0)
        parts.append(rest > 0 ? tr("%1 h %2").arg(hours).arg(rest, 2, 10, QChar(u'0'))
                              : tr("%1 h").arg(hours));
    else if (rest > 0)
        parts.append(days > 0 ? tr("%1 h %2").arg(0).arg(rest, 2, 10, QChar(u'0'))
                              : tr("%1 min").arg(rest));
    if (parts.isEmpty())
        parts.append(tr("%1 min").arg(0));
    return (minutes < 0 ? QString(QChar(u'\u2212')) : u"+"_s) + parts.join(u' ');
}
