// Draws the five clock faces clk01.bmp .. clk05.bmp: 78 x 78, the hands' centre at pixel
// (38, 38), the key (transparent) colour magenta in the top-left pixel and everywhere outside
// the dial. Faces 3 and 5 are dark (the program draws their hands light grey), the others light
// (black hands); the second hand is red on all. Beside each goes the same face drawn at twice
// the size for high-resolution screens, clk01@2x.png .. clk05@2x.png, naming the face file it
// belongs to by the hash of that file's bytes. Usage: kerani_makefaces OUTPUT_DIR

#include "bmpwriter.h"
#include "clockwindow/facepicture.h"
#include "clockwindow/pictureregion.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

constexpr int FaceSize = 78;
constexpr QPointF Centre(38.5, 38.5); // the middle of pixel (38, 38), where the hands meet
constexpr QRgb Key = qRgb(255, 0, 255);
/// No dial pixel may come closer to the key than this (sum of channel differences), so no
/// edge pixel is mistaken for the key and no pinkish fringe shows.
constexpr int MinKeyDistance = 150;
constexpr qreal DialRadius = 37.4; // pixels 1 .. 75 across

struct Face {
    const char *file;
    QColor rim; // the dial's outermost colour: what the anti-aliased edge blends into
    QPainterPath outline;
    std::function<void(QPainter &)> paint; // draws in coordinates centred on the hands' centre
};

QPainterPath circleOutline()
{
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), DialRadius, DialRadius);
    return path;
}

QPainterPath roundedSquareOutline()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(-DialRadius, -DialRadius, 2 * DialRadius, 2 * DialRadius), 15, 15);
    return path;
}

void disc(QPainter &painter, qreal radius, const QBrush &brush)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(brush);
    painter.drawEllipse(QPointF(0, 0), radius, radius);
}

void circle(QPainter &painter, qreal radius, const QColor &colour, qreal width)
{
    painter.setPen(QPen(colour, width));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(0, 0), radius, radius);
}

/// \a count marks evenly around the dial from radius \a inner to \a outer, skipping every
/// \a skipEvery-th one (0: none), the first at twelve o'clock.
void ticks(QPainter &painter, int count, qreal inner, qreal outer, qreal width,
           const QColor &colour, int skipEvery = 0)
{
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < count; ++i) {
        if (skipEvery > 0 && i % skipEvery == 0)
            continue;
        painter.save();
        painter.rotate(360.0 * i / count);
        painter.drawLine(QPointF(0, -inner), QPointF(0, -outer));
        painter.restore();
    }
}

void dots(QPainter &painter, int count, qreal radius, qreal dotRadius, const QColor &colour,
          int skipEvery = 0)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (int i = 0; i < count; ++i) {
        if (skipEvery > 0 && i % skipEvery == 0)
            continue;
        painter.save();
        painter.rotate(360.0 * i / count);
        painter.drawEllipse(QPointF(0, -radius), dotRadius, dotRadius);
        painter.restore();
    }
}

/// A triangle pointing at the centre, its base at \a outer: the twelve o'clock mark.
void twelveTriangle(QPainter &painter, qreal inner, qreal outer, qreal halfBase,
                    const QColor &colour)
{
    QPainterPath path;
    path.moveTo(-halfBase, -outer);
    path.lineTo(halfBase, -outer);
    path.lineTo(0, -inner);
    path.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(path);
}

QBrush metal(const QColor &light, const QColor &dark)
{
    QLinearGradient gradient(QPointF(-30, -34), QPointF(30, 34));
    gradient.setColorAt(0, light);
    gradient.setColorAt(0.5, light.darker(115));
    gradient.setColorAt(1, dark);
    return gradient;
}

QBrush dialShade(const QColor &middle, const QColor &edge, qreal radius)
{
    QRadialGradient gradient(QPointF(0, 0), radius, QPointF(-6, -8));
    gradient.setColorAt(0, middle);
    gradient.setColorAt(1, edge);
    return gradient;
}

/// Style 1: a classic white dial in a dark steel bezel, black bars and a fine minute track.
void paintClassic(QPainter &painter)
{
    disc(painter, 38.5, metal(QColor(110, 112, 118), QColor(34, 35, 40)));
    disc(painter, 34.6, dialShade(QColor(255, 255, 255), QColor(228, 229, 232), 34.6));
    circle(painter, 34.3, QColor(150, 150, 155), 0.7);
    ticks(painter, 60, 31.6, 33.6, 0.7, QColor(110, 110, 115), 5);
    ticks(painter, 12, 28.8, 33.6, 1.6, QColor(25, 25, 30), 3);
    ticks(painter, 4, 26.5, 33.6, 2.6, QColor(20, 20, 25));
}

/// Style 2: ivory dial in a brass bezel, a cream chapter ring with brown dots.
void paintIvory(QPainter &painter)
{
    disc(painter, 38.5, metal(QColor(232, 196, 110), QColor(128, 90, 32)));
    disc(painter, 34.8, dialShade(QColor(255, 251, 238), QColor(244, 234, 206), 34.8));
    circle(painter, 34.2, QColor(168, 128, 60), 0.9);
    circle(painter, 27.0, QColor(205, 180, 130), 0.7);
    dots(painter, 60, 32.4, 0.45, QColor(170, 140, 95), 5);
    dots(painter, 12, 30.9, 1.55, QColor(96, 62, 28), 3);
    for (int quarter = 1; quarter < 4; ++quarter) {
        painter.save();
        painter.rotate(90.0 * quarter);
        painter.setPen(QPen(QColor(96, 62, 28), 2.4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(0, -28.8), QPointF(0, -32.6));
        painter.restore();
    }
    twelveTriangle(painter, 27.8, 33.4, 2.8, QColor(96, 62, 28));
}

/// Style 3 (dark): midnight-blue dial in a silver bezel, white bars.
void paintMidnight(QPainter &painter)
{
    disc(painter, 38.5, metal(QColor(222, 226, 234), QColor(104, 110, 124)));
    disc(painter, 34.6, dialShade(QColor(40, 60, 112), QColor(14, 22, 48), 34.6));
    circle(painter, 34.4, QColor(70, 80, 110), 0.8);
    ticks(painter, 60, 32.0, 33.8, 0.7, QColor(120, 138, 178), 5);
    ticks(painter, 12, 29.0, 33.8, 1.7, QColor(232, 236, 246), 3);
    painter.save();
    for (int quarter = 1; quarter < 4; ++quarter) {
        painter.rotate(90.0);
        ticks(painter, 1, 27.0, 33.8, 2.6, QColor(240, 242, 250));
    }
    painter.restore();
    // Twelve o'clock: a pair of bars.
    painter.setPen(QPen(QColor(240, 242, 250), 1.5, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(-1.7, -27.0), QPointF(-1.7, -33.8));
    painter.drawLine(QPointF(1.7, -27.0), QPointF(1.7, -33.8));
}

/// Style 4: a rounded square in teal with a pale sky dial and round markers.
void paintSky(QPainter &painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(metal(QColor(46, 160, 176), QColor(8, 92, 108)));
    painter.drawRect(QRectF(-40, -40, 80, 80));
    QPainterPath inner;
    inner.addRoundedRect(QRectF(-34.4, -34.4, 68.8, 68.8), 12.5, 12.5);
    QLinearGradient sky(QPointF(0, -34), QPointF(0, 34));
    sky.setColorAt(0, QColor(240, 249, 253));
    sky.setColorAt(1, QColor(212, 234, 244));
    painter.setBrush(sky);
    painter.drawPath(inner);
    circle(painter, 34.0, QColor(160, 205, 218), 0.8);
    dots(painter, 60, 33.0, 0.5, QColor(100, 160, 175), 5);
    dots(painter, 12, 31.0, 1.7, QColor(10, 110, 128), 3);
    dots(painter, 4, 30.6, 2.6, QColor(10, 96, 112));
}

/// Style 5 (dark): a black sports dial with a grey bezel, pale markers and an amber twelve.
void paintSport(QPainter &painter)
{
    disc(painter, 38.5, metal(QColor(104, 106, 112), QColor(38, 39, 44)));
    disc(painter, 34.8, dialShade(QColor(44, 46, 50), QColor(14, 15, 17), 34.8));
    ticks(painter, 60, 32.2, 34.0, 0.7, QColor(120, 122, 128), 5);
    ticks(painter, 12, 28.6, 34.0, 2.2, QColor(214, 232, 204), 3);
    painter.save();
    for (int quarter = 1; quarter < 4; ++quarter) {
        painter.rotate(90.0);
        ticks(painter, 1, 26.2, 34.0, 3.0, QColor(214, 232, 204));
    }
    painter.restore();
    twelveTriangle(painter, 26.6, 34.0, 3.4, QColor(244, 150, 36));
}

const Face Faces[] = {
    {"clk01.bmp", QColor(34, 35, 40), circleOutline(), paintClassic},
    {"clk02.bmp", QColor(128, 90, 32), circleOutline(), paintIvory},
    {"clk03.bmp", QColor(104, 110, 124), circleOutline(), paintMidnight},
    {"clk04.bmp", QColor(8, 92, 108), roundedSquareOutline(), paintSky},
    {"clk05.bmp", QColor(38, 39, 44), circleOutline(), paintSport},
};

/// The dial drawn anti-aliased over its own rim colour at `scale` pixels per face pixel, then cut
/// by a hard mask: every pixel whose centre lies outside the outline becomes the key colour, so
/// the shaped window has a clean edge with no blend of dial and key.
QImage render(const Face &face, int scale = 1)
{
    const int size = FaceSize * scale;
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(face.rim);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        painter.translate(Centre);
        face.paint(painter);
    }
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (!face.outline.contains(QPointF(x + 0.5, y + 0.5) / scale - Centre))
                image.setPixel(x, y, Key);
        }
    }
    return image;
}

/// Writes the face drawn at twice the size beside its face file, tagged with that file's hash.
bool saveDetail(const Face &face, const QString &facePath)
{
    QFile written(facePath);
    if (!written.open(QIODevice::ReadOnly))
        return false;
    QImage detail = render(face, 2);
    detail.setText(FacePicture::sourceKey(), FacePicture::sourceHash(written.readAll()));
    return detail.save(FacePicture::detailedPath(facePath), "PNG");
}

int keyDistance(QRgb colour)
{
    return qAbs(qRed(colour) - qRed(Key)) + qAbs(qGreen(colour) - qGreen(Key)) +
           qAbs(qBlue(colour) - qBlue(Key));
}

/// Problems that would spoil the shaped window: a dial pixel close to the key, a key pixel in
/// the dial, an outline that is not one solid piece.
QString problems(const Face &face, const QImage &image)
{
    if (image.pixel(0, 0) != Key)
        return u"the top-left pixel is not the key"_s;
    for (int y = 0; y < FaceSize; ++y) {
        for (int x = 0; x < FaceSize; ++x) {
            const QRgb colour = image.pixel(x, y);
            const bool inside = face.outline.contains(QPointF(x + 0.5, y + 0.5) - Centre);
            if (inside && keyDistance(colour) < MinKeyDistance)
                return u"pixel %1,%2 is too close to the key"_s.arg(x).arg(y);
        }
    }
    const QList<QRect> rects = pictureRegionRects(image);
    for (qsizetype i = 1; i < rects.size(); ++i) {
        const QRect &above = rects[i - 1];
        const QRect &row = rects[i];
        if (row.y() != above.y() + 1 || row.right() < above.left() || row.left() > above.right())
            return u"the outline is not one solid piece at row %1"_s.arg(row.y());
    }
    return {};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: kerani_makefaces OUTPUT_DIR\n");
        return 1;
    }
    const QDir output(arguments[1]);
    if (!output.mkpath(u"."_s))
        return 1;
    for (const Face &face : Faces) {
        const QImage image = render(face);
        if (const QString problem = problems(face, image); !problem.isEmpty()) {
            std::fprintf(stderr, "%s: %s\n", face.file, qPrintable(problem));
            return 1;
        }
        const QString path = output.filePath(QString::fromLatin1(face.file));
        if (!BmpWriter::save24(image, path) || !saveDetail(face, path))
            return 1;
    }
    std::printf("%d faces\n", int(std::size(Faces)));
    return 0;
}
