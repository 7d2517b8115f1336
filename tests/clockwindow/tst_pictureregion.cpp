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
    static const QRgb Colours[] = {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 0, 0),
                                   qRgba(255, 0, 255, 0)};
    const int width = rows.isEmpty() ? 0 : int(rows.first().size());
    QImage image(width, int(rows.size()), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < width; ++x) {
            const qsizetype code = QByteArrayLiteral("#wrm").indexOf(rows[y][x].toLatin1());
            image.setPixel(x, y, code < 0 ? qRgb(255, 0, 255) : Colours[code]);
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
    void circleGivesOneRectPerRow();
    void readsEveryImageFormat_data();
    void readsEveryImageFormat();
};

void TestPictureRegion::rects_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QList<QRect>>("expected");

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
    QTest::newRow("empty rows between")
        << QStringList{u"..#.##"_s, u"#####."_s, u"......"_s, u".r.w.#"_s}
        << QList<QRect>{QRect(2, 0, 1, 1), QRect(4, 0, 2, 1), QRect(0, 1, 5, 1),
                        QRect(1, 3, 1, 1), QRect(3, 3, 1, 1), QRect(5, 3, 1, 1)};
    QTest::newRow("all key: no region") << QStringList{u"...."_s, u"...."_s} << QList<QRect>{};
    QTest::newRow("all white, white key") << QStringList{u"www"_s, u"www"_s} << QList<QRect>{};
    QTest::newRow("key with and without alpha")
        << QStringList{u".m.m"_s, u"mm.."_s} << QList<QRect>{};
    QTest::newRow("null image") << QStringList{} << QList<QRect>{};
}

void TestPictureRegion::rects()
{
    QFETCH(QStringList, rows);
    QFETCH(QList<QRect>, expected);

    const QImage image = picture(rows);
    QCOMPARE(pictureRegionRects(image), expected);
    // The region covers exactly the pixels that differ from the key, and is none when none do.
    const std::optional<QRegion> region = getPictureRegion(image);
    QCOMPARE(region.has_value(), !expected.isEmpty());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(region && region->contains(QPoint(x, y)), isOpaque(image, x, y));
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
