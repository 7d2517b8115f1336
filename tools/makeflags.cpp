// Writes one 16 x 11 24-bit flag bitmap per flag code of the factory city list, converted from
// the famfamfam 16 x 11 PNGs (named by alpha-2 code). Codes without a picture get a neutral
// placeholder. Usage: kerani_makeflags [--source DIR] [--iso FILE] CITIES OUTPUT_DIR

#include "bmpwriter.h"
#include "settings/cityentry.h"
#include "isocountries.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSet>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr QSize FlagSize(16, 11);
/// Behind the transparent or missing parts of a flag: the city row's own colour, so a narrow
/// flag (Nepal, Switzerland) sits on the row like the others.
const QColor Backdrop(239, 239, 239);

/// Territories whose official flag is their sovereign state's.
constexpr std::pair<const char *, const char *> SovereignFlags[] = {
    {"BL", "fr"}, // Saint Barthelemy
    {"MF", "fr"}, // Saint Martin
};

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "kerani_makeflags: %s\n", qPrintable(message));
    std::exit(1);
}

/// The flag codes of the city list, sorted and without repeats.
QStringList flagCodes(const QString &citiesPath)
{
    QFile file(citiesPath);
    if (!file.open(QIODevice::ReadOnly))
        fail(u"cannot read "_s + citiesPath);
    QSet<QString> codes;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (const std::optional<CityEntry> entry = CityEntry::fromLine(line))
            codes.insert(entry->flagCode());
    }
    QStringList sorted(codes.cbegin(), codes.cend());
    sorted.sort();
    return sorted;
}

/// The index of the row (or column) that repeats its neighbour most closely.
int mostRepeatedLine(const QImage &image, bool rows)
{
    const int count = rows ? image.height() : image.width();
    const int length = rows ? image.width() : image.height();
    int best = 1;
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    for (int i = 1; i < count; ++i) {
        qint64 distance = 0;
        for (int j = 0; j < length; ++j) {
            const QRgb a = rows ? image.pixel(j, i) : image.pixel(i, j);
            const QRgb b = rows ? image.pixel(j, i - 1) : image.pixel(i - 1, j);
            distance += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) +
                        qAbs(qBlue(a) - qBlue(b)) + qAbs(qAlpha(a) - qAlpha(b));
        }
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

QImage withoutLine(const QImage &image, int index, bool row)
{
    const QSize size =
        row ? QSize(image.width(), image.height() - 1) : QSize(image.width() - 1, image.height());
    QImage result(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const int sx = (!row && x >= index) ? x + 1 : x;
            const int sy = (row && y >= index) ? y + 1 : y;
            result.setPixel(x, y, image.pixel(sx, sy));
        }
    }
    return result;
}

/// A picture that is too big loses the rows or columns that repeat their neighbours (plain
/// stretches of field, never the border or the emblem); one that is too small is centred.
QImage fitted(QImage source)
{
    source = source.convertToFormat(QImage::Format_ARGB32);
    while (source.height() > FlagSize.height())
        source = withoutLine(source, mostRepeatedLine(source, true), true);
    while (source.width() > FlagSize.width())
        source = withoutLine(source, mostRepeatedLine(source, false), false);
    QImage flag(FlagSize, QImage::Format_RGB32);
    flag.fill(Backdrop);
    QPainter painter(&flag);
    painter.drawImage((FlagSize.width() - source.width()) / 2,
                      (FlagSize.height() - source.height()) / 2, source);
    return flag;
}

/// Grey field, darker frame: plainly "no flag yet", and the same size as a real one.
QImage placeholder()
{
    QImage flag(FlagSize, QImage::Format_RGB32);
    flag.fill(QColor(208, 208, 208));
    QPainter painter(&flag);
    painter.setPen(QColor(144, 144, 144));
    painter.drawRect(0, 0, FlagSize.width() - 1, FlagSize.height() - 1);
    return flag;
}

QString sourceName(const IsoCountry &country)
{
    for (const auto &[alpha2, flag] : SovereignFlags) {
        if (country.alpha2 == QLatin1StringView(alpha2))
            return QString::fromLatin1(flag);
    }
    return country.alpha2.toLower();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Writes the flag bitmaps of the factory city list."_s);
    parser.addHelpOption();
    parser.addOption({u"source"_s, u"Folder of 16 x 11 PNG flags named by alpha-2 code."_s,
                      u"dir"_s, u"/usr/share/flags/countries/16x11"_s});
    parser.addOption({u"iso"_s, u"The ISO 3166-1 list of iso-codes."_s, u"file"_s,
                      QString::fromLatin1(IsoCountries::DefaultPath)});
    parser.addPositionalArgument(u"cities"_s, u"The city list whose flags are made."_s);
    parser.addPositionalArgument(u"output"_s, u"The flags folder to write."_s);
    parser.process(app);
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() != 2)
        parser.showHelp(1);

    const std::optional<QList<IsoCountry>> countries = IsoCountries::load(parser.value(u"iso"_s));
    if (!countries)
        return 1;
    const QDir source(parser.value(u"source"_s));
    const QDir output(arguments[1]);
    if (!output.mkpath(u"."_s))
        fail(u"cannot make "_s + arguments[1]);

    QStringList placeholders;
    const QStringList codes = flagCodes(arguments[0]);
    for (const QString &code : codes) {
        const IsoCountry *country = IsoCountries::byAlpha3(*countries, code);
        const QImage picture =
            country ? QImage(source.filePath(sourceName(*country) + u".png"_s)) : QImage();
        if (picture.isNull())
            placeholders.append(code);
        if (!BmpWriter::save24(picture.isNull() ? placeholder() : fitted(picture),
                               output.filePath(code + u".bmp"_s)))
            return 1;
    }
    std::printf("%lld flags, placeholders: %s\n", qlonglong(codes.size()),
                qPrintable(placeholders.join(u' ')));
    return 0;
}
