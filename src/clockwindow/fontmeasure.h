#pragma once

#include "clockwindow/celltextplan.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>

/// Measures text in one font family at any point size, as the strip draws it. Measurements are
/// kept, since a row is fitted again whenever one of its texts changes.
class FontMeasure final : public TextMeasure {
public:
    /// `base` is the desktop's font: its family and style, and the largest size used.
    explicit FontMeasure(const QFont &base);

    [[nodiscard]] qreal desktopPointSize() const { return m_basePointSize; }
    /// The font at `pointSize`: the desktop's font itself at its own size.
    [[nodiscard]] QFont font(qreal pointSize) const;

    [[nodiscard]] qreal advance(QStringView text, qreal pointSize) const override;
    [[nodiscard]] QRectF ink(QStringView text, qreal pointSize) const override;
    [[nodiscard]] qreal ascent(qreal pointSize) const override;
    [[nodiscard]] qreal lineHeight(qreal pointSize) const override;

private:
    const QFontMetricsF &metrics(qreal pointSize) const;

    QFont m_base;
    qreal m_basePointSize = 0;
    mutable QHash<int, QFontMetricsF> m_metrics; // by hundredths of a point
    mutable QHash<QString, QRectF> m_inks;       // by text and size
};
