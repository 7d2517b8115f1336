// Paints the background pictures offered for the clock strip (stretched behind the faces):
// sky, sunset, night, wood and waves, 312 x 78 (four clock columns) each.
// Usage: kerani_makebackgrounds OUTPUT_DIR

#include "bmpwriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int Width = 312;
constexpr int Height = 78;

/// A small fixed generator (xorshift32): the same pictures on every machine and Qt version.
class Noise final {
public:
    explicit Noise(quint32 seed)
        : m_state(seed)
    {
    }
    quint32 next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    /// A value in [0, 1).
    double unit() { return (next() >> 8) / double(1 << 24); }

private:
    quint32 m_state;
};

void verticalGradient(QPainter &painter, const QList<std::pair<qreal, QColor>> &stops)
{
    QLinearGradient gradient(QPointF(0, 0), QPointF(0, Height));
    for (const auto &[at, colour] : stops)
        gradient.setColorAt(at, colour);
    painter.fillRect(QRect(0, 0, Width, Height), gradient);
}

void softBlob(QPainter &painter, QPointF centre, qreal rx, qreal ry, QColor colour)
{
    QRadialGradient gradient(QPointF(0, 0), 1);
    gradient.setColorAt(0, colour);
    colour.setAlpha(0);
    gradient.setColorAt(1, colour);
    painter.save();
    painter.translate(centre);
    painter.scale(rx, ry);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(QPointF(0, 0), 1, 1);
    painter.restore();
}

/// A filled band under a gentle wave: the sum of two sines around \a level.
QPainterPath waveBand(qreal level, qreal amplitude, qreal wavelength, qreal phase)
{
    QPainterPath path;
    path.moveTo(0, Height);
    for (int x = 0; x <= Width; x += 2) {
        const qreal t = 2 * M_PI * x / wavelength + phase;
        path.lineTo(x, level + amplitude * (std::sin(t) + 0.35 * std::sin(2.3 * t + 1.1)));
    }
    path.lineTo(Width, Height);
    path.closeSubpath();
    return path;
}

void paintSky(QPainter &painter)
{
    verticalGradient(painter, {{0, QColor(70, 132, 208)}, {1, QColor(184, 220, 246)}});
    Noise noise(7);
    for (int i = 0; i < 14; ++i) {
        const QPointF centre(noise.unit() * Width, 18 + noise.unit() * 50);
        const qreal size = 10 + noise.unit() * 14;
        for (int puff = 0; puff < 4; ++puff) {
            const QPointF offset((noise.unit() - 0.5) * size * 2,
                                 (noise.unit() - 0.5) * size * 0.5);
            softBlob(painter, centre + offset, size * 1.3, size * 0.6, QColor(255, 255, 255, 120));
        }
    }
}

void paintSunset(QPainter &painter)
{
    verticalGradient(painter, {{0, QColor(40, 36, 92)},
                               {0.45, QColor(196, 84, 96)},
                               {0.75, QColor(246, 150, 76)},
                               {1, QColor(252, 204, 120)}});
    softBlob(painter, QPointF(Width * 0.62, 66), 70, 34, QColor(255, 226, 150, 190));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 240, 196));
    painter.drawEllipse(QPointF(Width * 0.62, 66), 9, 9);
    painter.setBrush(QColor(70, 40, 66));
    painter.drawPath(waveBand(64, 4, 150, 0.4));
    painter.setBrush(QColor(40, 24, 44));
    painter.drawPath(waveBand(71, 3, 90, 2.0));
}

void paintNight(QPainter &painter)
{
    verticalGradient(painter, {{0, QColor(6, 10, 30)}, {1, QColor(28, 44, 92)}});
    Noise noise(1977);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 170; ++i) {
        const QPointF at(noise.unit() * Width, noise.unit() * Height);
        const double shine = noise.unit();
        const int level = 120 + int(135 * shine);
        painter.setBrush(QColor(level, level, std::min(255, level + 20)));
        const qreal radius = shine > 0.93 ? 0.95 : 0.55;
        painter.drawEllipse(at, radius, radius);
        if (shine > 0.97)
            softBlob(painter, at, 4, 4, QColor(200, 210, 255, 110));
    }
    // A crescent moon: a disc with an offset disc cut away, so the sky shows in the cut.
    softBlob(painter, QPointF(256, 22), 22, 22, QColor(210, 220, 255, 60));
    QPainterPath moon;
    moon.addEllipse(QPointF(256, 22), 10, 10);
    QPainterPath shadow;
    shadow.addEllipse(QPointF(261, 18), 9, 9);
    painter.setBrush(QColor(246, 242, 216));
    painter.drawPath(moon.subtracted(shadow));
}

/// Smooth noise along one axis: random values at whole positions, blended between them.
class LineNoise final {
public:
    LineNoise(quint32 seed, int length)
    {
        Noise noise(seed);
        m_values.resize(length + 2);
        for (double &value : m_values)
            value = noise.unit();
    }
    double at(double position) const
    {
        const double clamped = std::clamp(position, 0.0, double(m_values.size() - 2));
        const int index = int(clamped);
        const double t = clamped - index;
        const double smooth = t * t * (3 - 2 * t);
        return m_values[index] * (1 - smooth) + m_values[index + 1] * smooth;
    }

private:
    QList<double> m_values;
};

void paintWood(QImage &image)
{
    constexpr int PlankHeight = 26;
    const LineNoise streaks(31, Height * 3);
    for (int y = 0; y < Height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        const int plank = y / PlankHeight;
        for (int x = 0; x < Width; ++x) {
            // Growth rings seen from the side: long stripes along the plank, gently bent.
            const double bend =
                4 * std::sin(x / 61.0 + plank * 2.1) + 2 * std::sin(x / 23.0 + y / 31.0);
            const double ring = 0.5 + 0.5 * std::sin((y + bend) * 0.55 + plank * 1.3);
            // Fine streaks that run with the grain.
            const double streak = streaks.at((y + 0.6 * bend) * 2.5 + plank * 11);
            const double shade = 0.70 + 0.18 * ring + 0.12 * streak;
            row[x] = qRgb(int(184 * shade), int(124 * shade), int(70 * shade));
        }
    }
    // Plank seams: a dark groove with a light edge below it.
    QPainter painter(&image);
    for (int seam = PlankHeight - 1; seam < Height - 1; seam += PlankHeight) {
        painter.setPen(QColor(84, 52, 26));
        painter.drawLine(0, seam, Width, seam);
        painter.setPen(QColor(204, 148, 94));
        painter.drawLine(0, seam + 1, Width, seam + 1);
    }
}

void paintWaves(QPainter &painter)
{
    verticalGradient(painter, {{0, QColor(226, 244, 246)}, {1, QColor(168, 216, 224)}});
    painter.setPen(Qt::NoPen);
    const QColor colours[] = {QColor(120, 196, 210, 110), QColor(64, 160, 186, 120),
                              QColor(30, 120, 160, 130), QColor(16, 86, 128, 150)};
    for (int i = 0; i < 4; ++i) {
        painter.setBrush(colours[i]);
        painter.drawPath(waveBand(22 + i * 14, 5 - i * 0.6, 130 + i * 40, i * 1.7));
    }
}

bool save(const QImage &image, const QDir &output, const QString &name)
{
    return BmpWriter::save24(image, output.filePath(name));
}

QImage painted(void (*paint)(QPainter &))
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: kerani_makebackgrounds OUTPUT_DIR\n");
        return 1;
    }
    const QDir output(arguments[1]);
    if (!output.mkpath(u"."_s))
        return 1;
    QImage wood(Width, Height, QImage::Format_RGB32);
    paintWood(wood);
    const bool ok = save(painted(paintSky), output, u"sky.bmp"_s) &&
                    save(painted(paintSunset), output, u"sunset.bmp"_s) &&
                    save(painted(paintNight), output, u"night.bmp"_s) &&
                    save(wood, output, u"wood.bmp"_s) &&
                    save(painted(paintWaves), output, u"waves.bmp"_s);
    std::printf(ok ? "5 backgrounds\n" : "failed\n");
    return ok ? 0 : 1;
}
