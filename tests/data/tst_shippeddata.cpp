// Checks the data that ships beside the program (data/): the factory city list and its zone
// table, the flags, the clock faces, the backgrounds, the factory settings and the help file.

#include "clockwindow/facepicture.h"
#include "clockwindow/pictureregion.h"
#include "settings/appfolder.h"
#include "settings/cityentry.h"
#include "settings/profiledocument.h"
#include "settings/settingsloader.h"
#include "zonetime/zoneoffset.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <variant>

using namespace Qt::StringLiterals;

namespace {

const QString DataDir = QStringLiteral(KERANI_SOURCE_DATA_DIR);
constexpr QRgb FaceKey = qRgb(255, 0, 255);
// The shipped flags are named by upper-case country codes.
const QRegularExpression FlagFileName(u"^[A-Z]{3}\\.bmp$"_s);

QByteArray fileBytes(const QString &name)
{
    QFile file(QDir(DataDir).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// The lines of a CRLF text file, or a failure text when its line ends or encoding are wrong.
std::variant<QStringList, QString> crlfLines(const QString &name)
{
    const QByteArray bytes = fileBytes(name);
    if (bytes.isEmpty())
        return u"missing or empty"_s;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return u"starts with a byte-order mark"_s;
    if (!bytes.endsWith("\r\n"))
        return u"the last line has no CR LF"_s;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        return u"not UTF-8"_s;
    QStringList lines = text.split(u"\r\n"_s);
    lines.removeLast(); // after the final CR LF
    for (const QString &line : std::as_const(lines)) {
        if (line.contains(u'\r') || line.contains(u'\n'))
            return u"a bare CR or LF in: "_s + line;
    }
    return lines;
}

QStringList cityLines()
{
    const auto lines = crlfLines(u"Cities.bak"_s);
    return std::holds_alternative<QStringList>(lines) ? std::get<QStringList>(lines)
                                                      : QStringList();
}

/// Bits per pixel from the header of a BMP file.
int bmpBitsPerPixel(const QByteArray &bytes)
{
    if (bytes.size() < 30 || !bytes.startsWith("BM"))
        return 0;
    return quint8(bytes[28]) | (quint8(bytes[29]) << 8);
}

double meanLuminance(const QImage &image, QPoint centre, int radius)
{
    double sum = 0;
    int count = 0;
    for (int y = centre.y() - radius; y <= centre.y() + radius; ++y) {
        for (int x = centre.x() - radius; x <= centre.x() + radius; ++x) {
            const QPoint offset = QPoint(x, y) - centre;
            if (QPoint::dotProduct(offset, offset) <= radius * radius) {
                sum += qGray(image.pixel(x, y));
                ++count;
            }
        }
    }
    return sum / count;
}

} // namespace

class TestShippedData : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cityList();
    void knownCities();
    void zoneTable();
    void flags();
    void faces_data();
    void faces();
    void backgrounds();
    void factorySettings();
    void helpFile();
};

void TestShippedData::cityList()
{
    const auto read = crlfLines(u"Cities.bak"_s);
    if (const QString *failure = std::get_if<QString>(&read))
        QFAIL(qPrintable(*failure));
    const QStringList lines = std::get<QStringList>(read);
    QVERIFY2(lines.size() >= 400, qPrintable(QString::number(lines.size())));

    QSet<QString> names;
    QSet<QString> codes;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        const QByteArray bytes = line.toUtf8();
        const char *text = bytes.constData();
        const std::optional<CityEntry> entry = CityEntry::fromLine(line);
        QVERIFY2(entry.has_value(), text);
        const QString &name = entry->name;
        QVERIFY2(!name.isEmpty() && name == name.trimmed() && name.size() <= 50 &&
                     !name.contains(u'!'),
                 text);
        QVERIFY2(line.at(line.size() - 15) == u'!' && line.at(line.size() - 8) == u'!', text);
        // Well formed as the city editor would store it, and a zone of this world.
        const int minutes = ZoneOffset::fromText(entry->zone).minutes();
        QVERIFY2(ZoneOffset::isWellFormed(entry->zone) && minutes >= -12 * 60 && minutes <= 14 * 60,
                 text);
        QVERIFY2(FlagFileName.match(entry->flagFile).hasMatch() && entry->hasPlainFlagFile(), text);
        QVERIFY2(!names.contains(name.toCaseFolded()), qPrintable(u"twice: "_s + line));
        names.insert(name.toCaseFolded());
        codes.insert(entry->flagCode());
        // The city editor inserts a new city after every line whose first character has the
        // same or a lower code; the factory list must already be in that order.
        if (i > 0)
            QVERIFY2(lines[i - 1].front().unicode() <= line.front().unicode(),
                     qPrintable(lines[i - 1] + u" before "_s + line));
    }
    QVERIFY2(codes.size() >= 240, qPrintable(QString::number(codes.size())));
}

void TestShippedData::knownCities()
{
    // Standard (winter) offsets, never summer time; names as people write them.
    const QStringList lines = cityLines();
    const QStringList known =
        u"Cairo!+02:00!EGY.bmp|Kolkata!+05:30!IND.bmp|Kathmandu!+05:45!NPL.bmp|"
        u"Buenos Aires!-03:00!ARG.bmp|Ho Chi Minh City!+07:00!VNM.bmp|Kyiv!+02:00!UKR.bmp|"
        u"London!+00:00!GBR.bmp|United Kingdom!+00:00!GBR.bmp|United States!-05:00!USA.bmp|"
        u"Los Angeles!-08:00!USA.bmp|Russia!+03:00!RUS.bmp|Australia!+10:00!AUS.bmp|"
        u"Sydney!+10:00!AUS.bmp|Adelaide!+09:30!AUS.bmp|Canada!-05:00!CAN.bmp|"
        u"Brazil!-03:00!BRA.bmp|Tehran!+03:30!IRN.bmp|Chatham Islands!+12:45!NZL.bmp|"
        u"Kiritimati!+14:00!KIR.bmp|Singapore!+08:00!SGP.bmp|Kuwait City!+03:00!KWT.bmp|"
        u"Dublin!+00:00!IRL.bmp|Casablanca!+01:00!MAR.bmp|Côte d'Ivoire!+00:00!CIV.bmp"_s.split(
            u'|');
    for (const QString &line : known)
        QVERIFY2(lines.contains(line), qPrintable(line));
}

void TestShippedData::zoneTable()
{
    // Every factory line, in the list's order, with a zone this system knows and that has the
    // line's offset in one half of the year; a few lines have none.
    const auto read = crlfLines(u"Zones.txt"_s);
    if (const QString *failure = std::get_if<QString>(&read))
        QFAIL(qPrintable(*failure));
    const QStringList rows = std::get<QStringList>(read);
    const QStringList cities = cityLines();
    QCOMPARE(rows.size(), cities.size());
    const QDateTime january(QDate(2026, 1, 15), QTime(12, 0), Qt::UTC);
    const QDateTime july(QDate(2026, 7, 15), QTime(12, 0), Qt::UTC);
    qsizetype withoutZone = 0;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QStringList fields = rows[i].split(u'\t');
        QVERIFY2(fields.size() == 2 && fields[0] == cities[i], qPrintable(rows[i]));
        if (fields[1].isEmpty()) {
            ++withoutZone;
            continue;
        }
        const QTimeZone zone(fields[1].toLatin1());
        const int offset = ZoneOffset::fromText(CityEntry::fromLine(cities[i])->zone).minutes();
        QVERIFY2(zone.isValid() && (zone.offsetFromUtc(january) == offset * 60 ||
                                    zone.offsetFromUtc(july) == offset * 60),
                 qPrintable(rows[i]));
    }
    QVERIFY2(withoutZone <= 8, qPrintable(QString::number(withoutZone)));
}

void TestShippedData::flags()
{
    QSet<QString> used;
    for (const QString &line : cityLines())
        used.insert(CityEntry::fromLine(line)->flagFile);
    QVERIFY(!used.isEmpty());
    for (const QString &flagFile : std::as_const(used)) {
        const QByteArray bytes = fileBytes(u"flags/"_s + flagFile);
        QVERIFY2(bmpBitsPerPixel(bytes) == 24 &&
                     QImage::fromData(bytes, "BMP").size() == QSize(16, 11),
                 qPrintable(flagFile));
    }
    for (const QString &name : QDir(DataDir + u"/flags"_s).entryList(QDir::Files))
        QVERIFY2(FlagFileName.match(name).hasMatch(), qPrintable(name));
}

void TestShippedData::faces_data()
{
    QTest::addColumn<bool>("dark");
    // The program draws grey hands on faces 3 and 5 and black hands on the others.
    for (int face = 1; face <= 5; ++face)
        QTest::addRow("clk0%d.bmp", face) << (face == 3 || face == 5);
}

void TestShippedData::faces()
{
    QFETCH(bool, dark);
    const QByteArray bytes = fileBytes(u"clocks/"_s + QLatin1StringView(QTest::currentDataTag()));
    QCOMPARE(bmpBitsPerPixel(bytes), 24);
    const QImage face = QImage::fromData(bytes, "BMP");
    QCOMPARE(face.size(), QSize(78, 78));
    QCOMPARE(face.pixel(0, 0) & 0xffffff, FaceKey & 0xffffff);

    // The hands meet at (38, 38) and reach about 31 pixels out: all of that is dial.
    const std::optional<QRegion> region = getPictureRegion(face);
    QVERIFY(region.has_value());
    for (const QPoint point : {QPoint(38, 38), QPoint(35, 35), QPoint(41, 41), QPoint(38, 8),
                               QPoint(68, 38), QPoint(38, 68), QPoint(7, 38), QPoint(16, 18)})
        QVERIFY2(region->contains(point), qPrintable(u"%1,%2"_s.arg(point.x()).arg(point.y())));

    // One solid dial: one run per row, rows without gaps, each row overlapping the one above.
    const QList<QRect> rects = pictureRegionRects(face);
    QVERIFY(rects.size() >= 70);
    for (qsizetype i = 1; i < rects.size(); ++i) {
        const QRect above = rects[i - 1];
        QVERIFY2(rects[i].y() == above.y() + 1 && rects[i].left() <= above.right() &&
                     rects[i].right() >= above.left(),
                 qPrintable(QString::number(rects[i].y())));
    }

    // The face drawn at twice the size for high-resolution screens was drawn for this very file.
    QVERIFY(FacePicture::load(DataDir + u"/clocks/"_s + QLatin1StringView(QTest::currentDataTag()))
                .hasDetail());

    // Light grey hands need a dark dial, black hands a light one.
    const double luminance = meanLuminance(face, QPoint(38, 38), 26);
    QVERIFY2(dark ? luminance < 90 : luminance > 170, qPrintable(QString::number(luminance)));
}

void TestShippedData::backgrounds()
{
    const QDir backgrounds(DataDir + u"/backgrounds"_s);
    const QStringList names = backgrounds.entryList({u"*.bmp"_s}, QDir::Files);
    QVERIFY(names.size() >= 4);
    for (const QString &name : names) {
        const QImage picture(backgrounds.filePath(name));
        QVERIFY2(picture.height() == 78 && picture.width() >= 78, qPrintable(name));
    }
}

void TestShippedData::factorySettings()
{
    const auto lines = crlfLines(u"Kerani.bak"_s);
    if (const QString *failure = std::get_if<QString>(&lines))
        QFAIL(qPrintable(*failure));
    // Without a Local key a fresh install takes the computer's own offset as local.
    const ProfileDocument document =
        ProfileDocument::fromText(QString::fromUtf8(fileBytes(u"Kerani.bak"_s)));
    QVERIFY(document.hasSection(u"Settings"));
    QVERIFY(!document.value(u"Settings", u"Local").has_value());
    for (const QString &key : {u"Solid"_s, u"OneColor"_s, u"OneColorDir"_s, u"BGPicture"_s})
        QVERIFY2(document.value(u"Clocks_Style", key).has_value(), qPrintable(key));

    // What a fresh install reads: the factory copy restored as the settings file.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(QFile::copy(DataDir + u"/Kerani.bak"_s, folder.filePath(u"Kerani.ini"_s)));
    const SettingsState state = loadSettings(AppFolder(folder.path()));
    QVERIFY(state.clockCount >= 4 && state.clockCount <= 8);
    QCOMPARE(state.clockList.size(), qsizetype(state.clockCount));
    const QStringList cities = cityLines();
    for (const QString &clock : state.clockList)
        QVERIFY2(cities.contains(clock), qPrintable(clock));
    QCOMPARE(QSet<QString>(state.clockList.cbegin(), state.clockList.cend()).size(),
             state.clockList.size());

    const DisplayOptions &options = state.displayOptions;
    QVERIFY(options.displayClock && options.displayTime && options.displayDate &&
            options.displayOppositeDate);
    QVERIFY(!options.alwaysOnTop && !options.hideSysTrayIcon);
    QVERIFY(options.followDst && options.keepPosition);
    QVERIFY(isKnown(options.timeFormat));
    QVERIFY(isKnown(options.dateFormat) && options.dateFormat != DateFormat::Long);
    QVERIFY(isKnown(options.oppositeDateFormat) && options.oppositeDateFormat != DateFormat::Long);
    QCOMPARE(options.oppositeDateShift, OppositeDateShift::None);
    QVERIFY(isKnown(options.faceStyle));
    QCOMPARE(options.background, BackgroundKind::TwoColourGradient);
    QVERIFY(options.backgroundPicture.isEmpty());
    for (const QString &key : {u"Solid"_s, u"OneColor"_s, u"TwoColors1"_s, u"TwoColors2"_s}) {
        const QString colour = document.value(u"Clocks_Style", key, {});
        bool ok = false;
        const int value = colour.toInt(&ok);
        QVERIFY2(ok && value >= 0 && value <= 0xffffff, qPrintable(colour));
    }
    QVERIFY(options.topColour != options.bottomColour);
    QVERIFY(options.gradientDirection == GradientDirection::TopDown ||
            options.gradientDirection == GradientDirection::BottomUp);
}

void TestShippedData::helpFile()
{
    const QString help = QString::fromUtf8(fileBytes(u"kerani.html"_s));
    QVERIFY(help.startsWith(u"<!DOCTYPE html>"_s, Qt::CaseInsensitive));
    for (const QString &text :
         {u"New Clock..."_s, u"Add Country/City..."_s, u"Options..."_s, u"Contents"_s,
          u"About..."_s, u"Exit"_s, u"Kerani.ini"_s, u"Cities.txt"_s, u"Cities.bak"_s,
          u"Kerani.bak"_s, u"flags"_s, u"clocks"_s, u"backgrounds"_s, u"3.0"_s,
          u"Gradient/Two Colors"_s, u"Opposite Date Diffrences"_s, u"From File"_s,
          u"Follow Daylight Saving Time"_s, u"Follow_DST"_s})
        QVERIFY2(help.contains(text), qPrintable(text));
    QVERIFY(help.contains(u"Keep Window Position"_s) && help.contains(u"Keep_Position"_s));
    QVERIFY(help.contains(u"kerani --print --at"_s));
    // Self-contained: it opens from the application folder without a network or other files.
    for (const QString &external : {u"<script"_s, u"<link"_s, u"src=\""_s, u"url("_s})
        QVERIFY2(!help.contains(external, Qt::CaseInsensitive), qPrintable(external));
}

QTEST_GUILESS_MAIN(TestShippedData)
#include "tst_shippeddata.moc"
