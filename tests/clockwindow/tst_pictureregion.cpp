#include "clockwindow/pictureregion.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

/// A picture drawn as text, one string per row: '.' magenta (the usual key), '#' black, 'w' white,
/// 'r' red, 'm' magenta with alpha 0 (same RGB as '.').
QImage picture(const QStringList &rows)
{
    const int width = rows.isEmpty() ? 0 : int(rows.first().size());
    QImage image(width, int(rows.size()), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < width; ++x) {
            QRgb colour = qRgb(255, 0, 255);
            switch (rows[y][x].toLatin1()) {
            case '#':
                colour = qRgb(0, 0, 0);
                break;
            case 'w':
                colour = qRgb(255, 255, 255);
                break;
            case 'r':
                colour = qRgb(255, 0, 0);
                break;
            case 'm':
                colour = qRgba(255, 0, 255, 0);
                break;
            default:
                break;
            }
            image.setPixel(x, y, colour);
        }
    }
    return image;
}

/// Whether a pixel's colour differs from the top-left pixel's, ignoring alpha.
bool isOpaque(const QImage &image, int x, int y)
{
    return (image.pixel(x, y) & 0xffffff) != (image.pixel(0, 0) & 0xffffff);
}

} // namespace

class TestPictureRegion : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rects_data();
    void rects();
    void noRegionWithoutOpaquePixels_data();
    void noRegionWithoutOpaquePixels();
    void regionCoversExactlyTheOpaquePixels();
    void circleGivesOneRectPerRow();
    void readsEveryImageFormat_data();
    void readsEveryImageFormat();
};

void TestPictureRegion::rects_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QList<QRect>>("expected");

    QTest::newRow("one pixel") << QStringList{u"..."_s, u".#."_s, u"..."_s}
                               << QList<QRect>{QRect(1, 1, 1, 1)};
    QTest::newRow("run touching the right edge")
        << QStringList{u"..##"_s, u"...#"_s} << QList<QRect>{QRect(2, 0, 2, 1), QRect(3, 1, 1, 1)};
    QTest::newRow("open run closed at the edge, next row starts afresh")
        << QStringList{u".###"_s, u"##.."_s} << QList<QRect>{QRect(1, 0, 3, 1), QRect(0, 1, 2, 1)};
    QTest::newRow("several runs in a row")
        << QStringList{u".#.##.#"_s}
        << QList<QRect>{QRect(1, 0, 1, 1), QRect(3, 0, 2, 1), QRect(6, 0, 1, 1)};
    QTest::newRow("colours other than the key make one run")
        << QStringList{u".#wr#."_s} << QList<QRect>{QRect(1, 0, 4, 1)};
    QTest::newRow("key is the top-left colour, whatever it is")
        << QStringList{u"ww.w"_s, u"w..w"_s} << QList<QRect>{QRect(2, 0, 1, 1), QRect(1, 1, 2, 1)};
    QTest::newRow("alpha is ignored") << QStringList{u".m#m"_s} << QList<QRect>{QRect(2, 0, 1, 1)};
    QTest::newRow("full-width row")
        << QStringList{u"...."_s, u"####"_s} << QList<QRect>{QRect(0, 1, 4, 1)};
}

void TestPictureRegion::rects()
{
    QFETCH(QStringList, rows);
    QFETCH(QList<QRect>, expected);
    QCOMPARE(pictureRegionRects(picture(rows)), expected);
}

void TestPictureRegion::noRegionWithoutOpaquePixels_data()
{
    QTest::addColumn<QImage>("image");
    QTest::newRow("all key") << picture({u"...."_s, u"...."_s});
    QTest::newRow("all white, white key") << picture({u"www"_s, u"www"_s});
    QTest::newRow("key with and without alpha") << picture({u".m.m"_s, u"mm.."_s});
    QTest::newRow("null image") << QImage();
}

void TestPictureRegion::noRegionWithoutOpaquePixels()
{
    QFETCH(QImage, image);
    QVERIFY(pictureRegionRects(image).isEmpty());
    QVERIFY(!getPictureRegion(image).has_value());
}

void TestPictureRegion::regionCoversExactlyTheOpaquePixels()
{
    const QImage image = picture({u"..#.##"_s, u"#####."_s, u"......"_s, u".r.w.#"_s});
    const std::optional<QRegion> region = getPictureRegion(image);
    QVERIFY(region.has_value());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(region->contains(QPoint(x, y)), isOpaque(image, x, y));
    }
}

void TestPictureRegion::circleGivesOneRectPerRow()
{
    QImage image(78, 78, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 255));
    {
        QPainter painter(&image);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(240, 240, 230));
        painter.drawEllipse(QPointF(38.5, 38.5), 37, 37);
    }
    const QList<QRect> rects = pictureRegionRects(image);
    QVERIFY(rects.size() >= 72);
    QVERIFY(rects.size() <= 76);
    int previousY = -1;
    for (const QRect &rect : rects) {
        QCOMPARE(rect.height(), 1);
        QCOMPARE(rect.y(), previousY == -1 ? rect.y() : previousY + 1);
        previousY = rect.y();
        // Symmetric about the centre column 38.
        QVERIFY(qAbs((rect.left() + rect.right()) - 2 * 38) <= 1);
    }
    QVERIFY(getPictureRegion(image)->contains(QPoint(38, 38)));
    QVERIFY(!getPictureRegion(image)->contains(QPoint(1, 1)));
}

void TestPictureRegion::readsEveryImageFormat_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("RGB32") << int(QImage::Format_RGB32);
    QTest::newRow("RGB888 (24-bit BMP)") << int(QImage::Format_RGB888);
    QTest::newRow("indexed 8-bit") << int(QImage::Format_Indexed8);
    QTest::newRow("premultiplied") << int(QImage::Format_ARGB32_Premultiplied);
}

void TestPictureRegion::readsEveryImageFormat()
{
    QFETCH(int, format);
    const QImage source = picture({u"..#w"_s, u"#..r"_s});
    const QImage converted = source.convertToFormat(QImage::Format(format));
    QCOMPARE(pictureRegionRects(converted), pictureRegionRects(source));
}

QTEST_GUILESS_MAIN(TestPictureRegion)
#include "tst_pictureregion.moc"
