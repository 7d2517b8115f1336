#include "clockwindow/clocklayout.h"

#include <cmath>

using namespace ClockGeometry;

namespace {

// The window's own size is kept in twips (15 to the pixel) and label tops and heights in
// fractional pixels, exactly as the rows add up; both go to whole pixels only when applied.
constexpr int TwipsPerPixel = 15;
constexpr int FaceRowTwips = 1440;      // 96 pixels: face and city row
constexpr int CityRowOnlyTwips = 255;   // 17 pixels
constexpr int SingleLineRowTwips = 240; // 16 pixels at the 16-pixel pitch
constexpr int LongDateRowTwips = 575;   // 38 1/3 pixels
constexpr double LongDateHeight = 17.0 + 17.0 + 16.0 / 3.0;
constexpr int Pitch = 16;

int toPixels(double value)
{
    return static_cast<int>(std::lround(value));
}

QRect labelRect(int left, double top, double height)
{
    return {left, toPixels(top), LabelWidth, toPixels(height)};
}

struct Rows {
    double cityTop = 0;
    double flagTop = 0;
    double timeTop = 0;
    double dateTop = 0;
    double dateHeight = RowHeight;
    double oppositeTop = 0;
    double oppositeHeight = RowHeight;
    int heightTwips = 0;
};

Rows computeRows(const DisplayOptions &options, ClockLayout &layout)
{
    Rows rows;
    if (options.displayClock) {
        rows.heightTwips = FaceRowTwips;
        rows.cityTop = FaceSize;
        rows.flagTop = FaceSize + 2;
    } else {
        rows.heightTwips = CityRowOnlyTwips;
        rows.cityTop = -1;
        rows.flagTop = 1;
    }

    rows.timeTop = rows.cityTop;
    if (options.displayTime) {
        rows.heightTwips += SingleLineRowTwips;
        rows.timeTop = rows.cityTop + Pitch;
    }

    const auto rowHeightFor = [&rows](DateFormat format) {
        if (format == DateFormat::Long) {
            rows.heightTwips += LongDateRowTwips;
            return LongDateHeight;
        }
        rows.heightTwips += SingleLineRowTwips;
        return double(RowHeight);
    };

    rows.dateTop = rows.cityTop;
    if (options.displayDate) {
        rows.dateHeight = rowHeightFor(options.dateFormat);
        rows.dateTop = (options.displayTime ? rows.timeTop : rows.cityTop) + Pitch;
    }

    rows.oppositeTop = rows.cityTop;
    if (options.displayOppositeDate) {
        rows.oppositeHeight = rowHeightFor(options.oppositeDateFormat);
        if (options.displayDate && options.dateFormat == DateFormat::Long)
            rows.oppositeTop = rows.dateTop + rows.dateHeight - 1;
        else if (options.displayDate)
            rows.oppositeTop = rows.dateTop + Pitch;
        else if (options.displayTime)
            rows.oppositeTop = rows.timeTop + Pitch;
        else
            rows.oppositeTop = rows.cityTop + Pitch;
    }

    // Two long dates share the line between them.
    if (options.displayDate && options.displayOppositeDate &&
        options.dateFormat == DateFormat::Long && options.oppositeDateFormat == DateFormat::Long)
        rows.heightTwips -= TwipsPerPixel;

    layout.faceRowVisible = options.displayClock;
    layout.timeVisible = options.displayTime;
    layout.dateVisible = options.displayDate;
    layout.oppositeDateVisible = options.displayOppositeDate;
    return rows;
}

void applyReadingDirection(const DisplayOptions &options, ClockLayout &layout)
{
    const bool yearFirstDate =
        options.displayDate && options.dateFormat == DateFormat::YearMonthDay;
    const bool yearFirstOpposite =
        options.displayOppositeDate && options.oppositeDateFormat == DateFormat::YearMonthDay;
    if (!yearFirstDate && !yearFirstOpposite)
        return;
    layout.timeRightToLeft = options.displayTime;
    layout.dateRightToLeft = yearFirstDate;
    layout.oppositeDateRightToLeft = yearFirstOpposite;
}

} // namespace

ClockLayout computeClockLayout(const DisplayOptions &options, int columnCount)
{
    ClockLayout layout;
    const int count = qMax(0, columnCount);
    const Rows rows = computeRows(options, layout);
    applyReadingDirection(options, layout);

    const int stripWidth = count * ColumnWidth;
    layout.windowSize = QSize(stripWidth, toPixels(double(rows.heightTwips) / TwipsPerPixel));
    layout.strip = QRect(0, 0, stripWidth, FaceSize);

    layout.columns.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int left = i * ColumnWidth - 1;
        // The flag sits over the city label's right end; the last column's label is cut by the
        // window edge, so its flag moves one pixel further in.
        const int flagInset = (i == count - 1) ? 21 : 20;
        ColumnLayout column;
        column.face = QRect(left, 0, FaceSize, FaceSize);
        column.cityLabel = labelRect(left, rows.cityTop, RowHeight);
        column.flag =
            QRect(QPoint(left + LabelWidth - flagInset, toPixels(rows.flagTop)), FlagBoxSize);
        column.timeLabel = labelRect(left, rows.timeTop, RowHeight);
        column.dateLabel = labelRect(left, rows.dateTop, rows.dateHeight);
        column.oppositeDateLabel = labelRect(left, rows.oppositeTop, rows.oppositeHeight);
        layout.columns.append(column);
    }
    return layout;
}

int deviceGridLine(int logical, qreal ratio)
{
    return int(std::floor((logical + 0.5) * ratio));
}
