#include "cities/cityeditorlayout.h"

#include <algorithm>

namespace {

// Space kept between a row and the one above it, and between controls of a row, when the form's
// own places no longer keep them apart.
constexpr int Gap = 2;

int pixels(int twips)
{
    return qRound(twips / 15.0);
}

// The form's start when it lies past `edge` (the last pixel taken), else the first free pixel
// after a gap.
int after(int edge, int form)
{
    return form > edge ? form : edge + 1 + Gap;
}

} // namespace

namespace CityEditorLayout {

QRect fromTwips(const QRect &twips)
{
    return QRect(pixels(twips.x()), pixels(twips.y()), pixels(twips.width()),
                 pixels(twips.height()));
}

QList<QList<QRect>> placeRows(const QList<QList<Control>> &rows)
{
    QList<QList<QRect>> placed;
    placed.reserve(rows.size());
    int bottom = -1; // the lowest pixel of the rows placed so far
    for (const QList<Control> &row : rows) {
        int formTop = 0;
        for (const Control &control : row)
            formTop = std::max(formTop, fromTwips(control.twips).top());
        const int top = after(bottom, formTop);
        QList<QRect> rects;
        int right = -1;
        for (const Control &control : row) {
            const QRect form = fromTwips(control.twips);
            const int left = after(right, form.left());
            // A label whose text fills its place would run into its neighbour's text.
            const int width = control.isLabel
                                  ? std::max(form.width(), control.sizeHint.width() + Gap)
                                  : form.width();
            const int height = control.isLabel ? control.sizeHint.height()
                                               : std::max(form.height(), control.sizeHint.height());
            rects.append(QRect(left, top, width, height));
            right = rects.last().right();
            bottom = std::max(bottom, rects.last().bottom());
        }
        placed.append(rects);
    }
    return placed;
}

} // namespace CityEditorLayout
