#include "clockwindow/textpieces.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTest>

using namespace Qt::StringLiterals;

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

constexpr int Baseline = 13;

PieceRun laidOut(TextPieces &pieces, const QString &text, Qt::LayoutDirection direction)
{
    return pieces.layOut(text, QRect(2, 1, 75, 15), Qt::AlignHCenter, Baseline, direction,
                         Qt::white, 1.0);
}

QImage drawn(TextPieces &pieces, const QString &text, QColor background, Qt::Alignment alignment)
{
    QImage image(79, 17, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    TextPieces::draw(painter,
                     pieces.layOut(text, image.rect(), alignment, Baseline, Qt::LayoutDirectionAuto,
                                   background, 1.0),
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

    void showsInReadingOrder_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::addColumn<QString>("leftmost");
        QTest::newRow("left to right") << u"02:05:09 PM"_s << Qt::LayoutDirectionAuto << u"0"_s;
        // An Arabic time reads right to left: its digits first on the right, then the PM word.
        QTest::newRow("Arabic") << u"\u0660\u0664:\u0663\u0664:\u0664\u0660 \u0645"_s
                                << Qt::LayoutDirectionAuto << u"\u0645"_s;
        QTest::newRow("read right to left") << u"02:05:09 PM"_s << Qt::RightToLeft << u"PM"_s;
    }
    void showsInReadingOrder()
    {
        QFETCH(QString, text);
        QFETCH(Qt::LayoutDirection, direction);
        QFETCH(QString, leftmost);
        TextPieces pieces(QGuiApplication::font(), Qt::black);
        const PieceRun run = laidOut(pieces, text, direction);
        // Pieces are kept: the leftmost is the very picture the piece alone is drawn from.
        const PieceRun alone = laidOut(pieces, leftmost, Qt::LayoutDirectionAuto);
        QCOMPARE(run.pieces.first().image.cacheKey(), alone.pieces.first().image.cacheKey());
        for (qsizetype i = 1; i < run.pieces.size(); ++i)
            QVERIFY(run.pieces[i - 1].at.x() < run.pieces[i].at.x());
    }

    void changedAreaCoversWhatMoved()
    {
        TextPieces pieces(QGuiApplication::font(), Qt::black);
        const auto layOut = [&](const QString &text) {
            return laidOut(pieces, text, Qt::LayoutDirectionAuto);
        };
        const auto extent = [](const PieceRun &run) {
            QRect all;
            for (const PlacedPiece &placed : run.pieces)
                all |= placed.bounds();
            return all;
        };
        const PieceRun before = layOut(QStringLiteral("10:15:58"));
        QVERIFY(TextPieces::changedArea(before, layOut(QStringLiteral("10:15:58"))).isEmpty());

        // One digit: its own place and nothing of the hour.
        const PieceRun next = layOut(QStringLiteral("10:15:59"));
        const QRect digit = TextPieces::changedArea(before, next);
        QVERIFY(digit.contains(next.pieces.last().bounds()));
        QVERIFY(!digit.intersects(next.pieces.first().bounds()));

        // A shorter text must wipe where the longer one was, on both sides.
        const PieceRun shorter = layOut(QStringLiteral("9"));
        QVERIFY(TextPieces::changedArea(before, shorter).contains(extent(before)));
        QVERIFY(TextPieces::changedArea(shorter, before).contains(extent(before)));
    }
};

QTEST_MAIN(TestTextPieces)
#include "tst_textpieces.moc"
