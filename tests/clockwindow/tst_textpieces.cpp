#include "clockwindow/textpieces.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTest>

namespace {

/// The columns that hold any pixel other than the background.
std::pair<int, int> inkColumns(const QImage &image, QColor background)
{
    int first = image.width();
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != background) {
                first = qMin(first, x);
                last = qMax(last, x);
            }
        }
    }
    return {first, last};
}

QImage drawn(TextPieces &pieces, const QString &text, QColor background, Qt::Alignment alignment)
{
    QImage image(79, 17, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    TextPieces::draw(painter, pieces.layOut(text, image.rect(), alignment, background, 1.0),
                     image.rect());
    return image;
}

} // namespace

class TestTextPieces final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void centresLikeTheWholeText()
    {
        const QColor yellow(255, 255, 192);
        TextPieces pieces(QGuiApplication::font(), Qt::black);
        const QImage image = drawn(pieces, QStringLiteral("02:05:09 PM"), yellow, Qt::AlignHCenter);
        const auto [first, last] = inkColumns(image, yellow);
        QVERIFY(last > first);
        // Centred: the margins left and right of the ink differ by at most two pixels.
        QVERIFY(qAbs(first - (image.width() - 1 - last)) <= 2);

        // The same pieces, met again, draw the same pixels.
        QCOMPARE(drawn(pieces, QStringLiteral("02:05:09 PM"), yellow, Qt::AlignHCenter), image);
    }

    void piecesKeepTheirRowBackground()
    {
        TextPieces pieces(QGuiApplication::font(), Qt::black);
        const QColor cyan(192, 255, 255);
        const QColor green(192, 255, 192);
        const QImage onCyan = drawn(pieces, QStringLiteral("1"), cyan, Qt::AlignLeft);
        const QImage onGreen = drawn(pieces, QStringLiteral("1"), green, Qt::AlignLeft);
        // A piece rendered for one row is never copied onto another row's colour.
        for (int y = 0; y < onGreen.height(); ++y) {
            for (int x = 0; x < onGreen.width(); ++x)
                QVERIFY(onGreen.pixelColor(x, y) != cyan);
        }
        QCOMPARE(inkColumns(onCyan, cyan), inkColumns(onGreen, green));
        QVERIFY(inkColumns(onGreen, green).first < 10);
    }

    void changedAreaCoversWhatMoved()
    {
        TextPieces pieces(QGuiApplication::font(), Qt::black);
        const QRect area(2, 1, 75, 15);
        const auto layOut = [&](const QString &text) {
            return pieces.layOut(text, area, Qt::AlignHCenter, Qt::white, 1.0);
        };
        const auto extent = [](const PieceRun &run) {
            QRect all;
            for (const PlacedPiece &placed : run)
                all |= placed.bounds();
            return all;
        };
        const PieceRun before = layOut(QStringLiteral("10:15:58"));
        QVERIFY(TextPieces::changedArea(before, layOut(QStringLiteral("10:15:58"))).isEmpty());

        // One digit: its own place and nothing of the hour.
        const PieceRun next = layOut(QStringLiteral("10:15:59"));
        const QRect digit = TextPieces::changedArea(before, next);
        QVERIFY(digit.contains(next.last().bounds()));
        QVERIFY(!digit.intersects(next.first().bounds()));

        // A shorter text must wipe where the longer one was, on both sides.
        const PieceRun shorter = layOut(QStringLiteral("9"));
        QVERIFY(TextPieces::changedArea(before, shorter).contains(extent(before)));
        QVERIFY(TextPieces::changedArea(shorter, before).contains(extent(before)));
    }
};

QTEST_MAIN(TestTextPieces)
#include "tst_textpieces.moc"
