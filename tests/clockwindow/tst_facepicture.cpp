#include "clockwindow/facepicture.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QColor Key(255, 0, 255);

/// A face of `side` pixels: a disc of `colour` on the key colour.
QImage disc(int side, QColor colour)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Key);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRect(side / 16, side / 16, side - side / 8, side - side / 8));
    return image;
}

} // namespace

class TestFacePicture final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void detailServesOnlyTheFaceItWasDrawnFor_data()
    {
        QTest::addColumn<bool>("sameFace");
        QTest::newRow("the shipped face") << true;
        QTest::newRow("a face the user replaced") << false;
    }
    void detailServesOnlyTheFaceItWasDrawnFor()
    {
        QFETCH(bool, sameFace);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"clk01.bmp"_s);
        QVERIFY(disc(78, Qt::white).save(path));
        QFile face(path);
        QVERIFY(face.open(QIODevice::ReadOnly));
        // The detail names its face by the hash of the face file's bytes.
        QImage detail = disc(156, Qt::blue);
        detail.setText(FacePicture::sourceKey(),
                       FacePicture::sourceHash(sameFace ? face.readAll() : "another face"));
        QVERIFY(detail.save(FacePicture::detailedPath(path)));

        const FacePicture picture = FacePicture::load(path);
        QCOMPARE(picture.hasDetail(), sameFace);
        QVERIFY(picture.outline() && picture.outline()->contains(QPoint(38, 38)));
        QCOMPARE(picture.picture().pixelColor(38, 38), QColor(Qt::white));
        for (const qreal ratio : {1.5, 2.0}) {
            const QImage rendered = picture.rendered(ratio);
            QCOMPARE(rendered.size(), QSize(78, 78) * ratio);
            QCOMPARE(rendered.devicePixelRatio(), ratio);
            // The middle from the detail when it belongs; outside the face, nothing.
            const QColor middle = rendered.pixelColor(rendered.rect().center());
            QCOMPARE(middle, sameFace ? QColor(Qt::blue) : QColor(Qt::white));
            QCOMPARE(rendered.pixelColor(0, 0).alpha(), 0);
        }
    }

    void missingFaceIsNoPicture()
    {
        const FacePicture picture = FacePicture::load(u"/no/such/clk01.bmp"_s);
        QVERIFY(picture.isNull());
        QVERIFY(!picture.outline());
        QVERIFY(picture.rendered(2).isNull());
    }
};

QTEST_GUILESS_MAIN(TestFacePicture)
#include "tst_facepicture.moc"
