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
    pieces.draw(painter, image.rect(), alignment, text, background);
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
};

QTEST_MAIN(TestTextPieces)
#include "tst_textpieces.moc"
