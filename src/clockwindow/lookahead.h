#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

/// How far from now the clock window shows its clocks. The mouse wheel moves it in whole steps (a
/// quarter of an hour, an hour or a day a notch); it goes back to now when the wheel has rested
/// for a while, or when asked. Nothing of it is stored: a new window starts at now.
///
/// Time comes in as the computer clock's readings, so the return to now follows the clock the
/// window ticks by (and tests move it without waiting).
class LookAhead final {
    Q_DECLARE_TR_FUNCTIONS(LookAhead)

public:
    /// One notch of an ordinary mouse wheel, in eighths of a degree.
    static constexpr int Notch = 120;
    static constexpr int QuarterHour = 15; // minutes
    static constexpr int Hour = 60;
    static constexpr int Day = 24 * 60;
    /// The farthest from now the clocks go, either way.
    static constexpr int MaxMinutes = 366 * Day;
    /// How long the wheel rests before the clocks go back to now.
    static constexpr qint64 ReturnAfterMs = 10'000;

    /// A turn of the wheel by `angle` eighths of a degree (positive: later) at `now`, moving
    /// `stepMinutes` a notch. A high-resolution wheel's small turns add up until they make a
    /// notch; a turn the other way starts counting afresh. Returns whether the offset changed.
    bool turn(int angle, int stepMinutes, const QDateTime &now);
    /// Back to now at once. Returns whether the clocks were off now.
    bool reset();
    /// Back to now when the wheel has rested ReturnAfterMs at `now` (or the clock went back
    /// since). Returns whether the clocks were off now and went back.
    bool expire(const QDateTime &now);
    /// Counts the rest from `now` again, as though the wheel had just turned.
    void hold(const QDateTime &now);

    /// Whether the clocks show another time than now.
    [[nodiscard]] bool isActive() const { return m_minutes != 0; }
    /// The offset from now in minutes (negative: earlier).
    [[nodiscard]] int minutes() const { return m_minutes; }
    /// The computer clock's reading the clocks show when it reads `now`.
    [[nodiscard]] QDateTime shown(const QDateTime &now) const
    {
        return m_minutes == 0 ? now : now.addSecs(qint64(m_minutes) * 60);
    }

    /// The offset as the window writes it: "+2 h 15", "−45 min", "+3 d", "−1 d 2 h 30". The minus
    /// is the typographic one (U+2212).
    [[nodiscard]] static QString offsetText(int minutes);

private:
    int m_minutes = 0;
    int m_pendingAngle = 0; // a turn short of a notch, kept for the next
    QDateTime m_lastTurn;
};
