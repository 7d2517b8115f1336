#include "clockwindow/handsprites.h"
#include "zonetime/hands.h"

#include <QPainter>
#include <QTest>

#include <algorithm>

namespace {

QImage blankFace(qreal pixelRatio)
{
    QImage face(QSize(78, 78) * pixelRatio, QImage::Format_RGB32);
    face.setDevicePixelRatio(pixelRatio);
    face.fill(QColor(250, 240, 200));
    return face;
}

/// The device pixels that differ from the blank face.
QRect inkedArea(const QImage &face)
{
    const QRgb blank = blankFace(1).pixel(0, 0);
    QRect inked;
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            if (face.pixel(x, y) != blank)
                inked |= QRect(x, y, 1, 1);
        }
    }
    return inked;
}

/// The largest difference of a colour channel between two pictures of one size.
int largestDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)),
                                qAbs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

} // namespace

class TestHandSprites final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void spritesCopyWhatStrokingDraws_data()
    {
        QTest::addColumn<qreal>("pixelRatio");
        QTest::newRow("1x") << 1.0;
        QTest::newRow("2x") << 2.0;
        QTest::newRow("1.5x") << 1.5;
    }
    void spritesCopyWhatStrokingDraws()
    {
        // Every place a hand can point at, in both pens: a copied sprite must leave exactly the
        // pixels that stroking the hand onto the face leaves, at every screen resolution.
        QFETCH(qreal, pixelRatio);
        QList<HandSprites::Hand> hands;
        for (const QPoint end : DialPoints) {
            hands.append({end, Qt::red, SecondHandPenWidth});
            hands.append({end, Qt::black, HandPenWidth});
        }
        for (const auto &row : HourPoints) {
            for (const QPoint end : row)
                hands.append({end, QColor(159, 159, 159), HandPenWidth});
        }
        HandSprites sprites;
        for (const HandSprites::Hand &hand : hands) {
            QImage stroked = blankFace(pixelRatio);
            QPainter direct(&stroked);
            HandSprites::stroke(direct, hand);
            direct.end();

            QImage copied = blankFace(pixelRatio);
            QPainter painter(&copied);
            sprites.draw(painter, hand);
            painter.end();

            // At ratio 1 the very pixels; smooth hands may differ by a rounding in blending.
            QVERIFY2(largestDifference(copied, stroked) <= (pixelRatio == 1 ? 0 : 2),
                     qPrintable(QStringLiteral("hand to %1,%2 width %3")
                                    .arg(hand.outerEnd.x())
                                    .arg(hand.outerEnd.y())
                                    .arg(hand.width)));
            // Nothing of the hand lies outside the area a repaint covers.
            const QRect inked = inkedArea(stroked);
            QVERIFY(HandSprites::bounds(hand).contains(
                QRectF(QPointF(inked.topLeft()) / pixelRatio, QSizeF(inked.size()) / pixelRatio)
                    .toAlignedRect()));
        }
    }
};

QTEST_GUILESS_MAIN(TestHandSprites)
#include "tst_handsprites.moc"
