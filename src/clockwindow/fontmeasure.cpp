#include "clockwindow/fontmeasure.h"

#include <QFontInfo>
#include <QPainterPath>

namespace {

// More than a window's rows ever measure between two fits; past it the table starts again.
constexpr qsizetype MaxInks = 4096;

int sizeKey(qreal pointSize)
{
    return qRound(pointSize * 100);
}

} // namespace

FontMeasure::FontMeasure(const QFont &base)
    : m_base(base)
    , m_basePointSize(base.pointSizeF() > 0 ? base.pointSizeF() : QFontInfo(base).pointSizeF())
{
}

QFont FontMeasure::font(qreal pointSize) const
{
    if (sizeKey(pointSize) == sizeKey(m_basePointSize))
        return m_base;
    QFont sized = m_base;
    sized.setPointSizeF(pointSize);
    return sized;
}

const QFontMetricsF &FontMeasure::metrics(qreal pointSize) const
{
    const int key = sizeKey(pointSize);
    auto found = m_metrics.find(key);
    if (found == m_metrics.end())
        found = m_metrics.insert(key, QFontMetricsF(font(pointSize)));
    return *found;
}

qreal FontMeasure::advance(QStringView text, qreal pointSize) const
{
    return metrics(pointSize).horizontalAdvance(text.toString());
}

QRectF FontMeasure::ink(QStringView text, qreal pointSize) const
{
    QString key = text.toString();
    key.append(QChar(char16_t(sizeKey(pointSize))));
    if (const auto found = m_inks.constFind(key); found != m_inks.constEnd())
        return *found;
    if (m_inks.size() >= MaxInks)
        m_inks.clear();
    // The outlines of the glyphs, exact where the font's own boxes are rounded to whole pixels.
    QPainterPath outline;
    outline.addText(0, 0, font(pointSize), text.toString());
    return *m_inks.insert(key, outline.boundingRect());
}

qreal FontMeasure::ascent(qreal pointSize) const
{
    return metrics(pointSize).ascent();
}

qreal FontMeasure::lineHeight(qreal pointSize) const
{
    return metrics(pointSize).lineSpacing();
}
