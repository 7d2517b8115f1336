// Checks the data that ships beside the program (data/): the factory city list, the flags, the
// clock faces, the backgrounds, the factory settings and the help file.

#include "app/appfolder.h"
#include "app/profiledocument.h"
#include "app/settingsloader.h"
#include "cities/cityentry.h"
#include "clockwindow/pictureregion.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <variant>

using namespace Qt::StringLiterals;

namespace {

const QString DataDir = QStringLiteral(KERANI_SOURCE_DATA_DIR);
constexpr QRgb FaceKey = qRgb(255, 0, 255);

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

/// The offset in minutes of a well-formed ZoneOffset, else nothing.
std::optional<int> offsetMinutes(const QString &zone)
{
    static const QRegularExpression form(u"^([+-])(\\d\\d):(\\d\\d)$"_s);
    const QRegularExpressionMatch match = form.match(zone);
    if (!match.hasMatch())
        return std::nullopt;
    const int hours = match.captured(2).toInt();
    const int minutes = match.captured(3).toInt();
    if (hours > 14 || minutes > 59)
        return std::nullopt;
    return (match.captured(1) == u"-"_s ? -1 : 1) * (hours * 60 + minutes);
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
            if ((x - centre.x()) * (x - centre.x()) + (y - centre.y()) * (y - centre.y()) >
                radius * radius)
                continue;
            sum += qGray(image.pixel(x, y));
            ++count;
        }
    }
    return sum / count;
}

} // namespace

class TestShippedData : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cityListIsCrlfUtf8();
    void everyCityLineIsWellFormed();
    void cityNamesAreUnique();
    void cityListIsGroupedByFirstCharacter();
    void cityListCoversTheWorld();
    void knownCities_data();
    void knownCities();
    void everyFlagExistsAndFits();
    void faces_data();
    void faces();
    void backgroundsLoad();
    void factorySettings();
    void factorySettingsHaveNoLocalCity();
    void helpFile();
};

void TestShippedData::cityListIsCrlfUtf8()
{
    const auto lines = crlfLines(u"Cities.bak"_s);
    if (const QString *failure = std::get_if<QString>(&lines))
        QFAIL(qPrintable(*failure));
}

void TestShippedData::everyCityLineIsWellFormed()
{
    static const QRegularExpression flagFile(u"^[A-Z]{3}\\.bmp$"_s);
    const QStringList lines = cityLines();
    QVERIFY(!lines.isEmpty());
    for (const QString &line : lines) {
        const std::optional<CityEntry> entry = CityEntry::fromLine(line);
        QVERIFY2(entry.has_value(), qPrintable(line));
        QVERIFY2(!entry->name.isEmpty() && entry->name == entry->name.trimmed(), qPrintable(line));
        QVERIFY2(entry->name.size() <= 50, qPrintable(line));
        QVERIFY2(!entry->name.contains(u'!'), qPrintable(line));
        QCOMPARE(line.at(line.size() - 15), u'!');
        QCOMPARE(line.at(line.size() - 8), u'!');
        const std::optional<int> minutes = offsetMinutes(entry->zone);
        QVERIFY2(minutes.has_value(), qPrintable(line));
        QVERIFY2(*minutes >= -12 * 60 && *minutes <= 14 * 60, qPrintable(line));
        QVERIFY2(flagFile.match(entry->flagFile).hasMatch(), qPrintable(line));
        QVERIFY(entry->hasPlainFlagFile());
    }
}

void TestShippedData::cityNamesAreUnique()
{
    QSet<QString> seen;
    for (const QString &line : cityLines()) {
        const QString folded = CityEntry::fromLine(line)->name.toCaseFolded();
        QVERIFY2(!seen.contains(folded), qPrintable(u"twice: "_s + line));
        seen.insert(folded);
    }
}

void TestShippedData::cityListIsGroupedByFirstCharacter()
{
    // The city editor inserts a new city after every line whose first character has the same
    // or a lower code; the factory list must already be in that order.
    const QStringList lines = cityLines();
    for (qsizetype i = 1; i < lines.size(); ++i)
        QVERIFY2(lines[i - 1].front().unicode() <= lines[i].front().unicode(),
                 qPrintable(lines[i - 1] + u" before "_s + lines[i]));
}

void TestShippedData::cityListCoversTheWorld()
{
    const QStringList lines = cityLines();
    QVERIFY2(lines.size() >= 400, qPrintable(QString::number(lines.size())));
    QSet<QString> codes;
    for (const QString &line : lines)
        codes.insert(CityEntry::fromLine(line)->flagCode());
    QVERIFY2(codes.size() >= 240, qPrintable(QString::number(codes.size())));
}

void TestShippedData::knownCities_data()
{
    QTest::addColumn<QString>("line");
    // Standard (winter) offsets, never summer time; names as people write them.
    const QStringList lines = {
        u"Cairo!+02:00!EGY.bmp"_s,
        u"Kolkata!+05:30!IND.bmp"_s,
        u"Kathmandu!+05:45!NPL.bmp"_s,
        u"Buenos Aires!-03:00!ARG.bmp"_s,
        u"Ho Chi Minh City!+07:00!VNM.bmp"_s,
        u"Kyiv!+02:00!UKR.bmp"_s,
        u"London!+00:00!GBR.bmp"_s,
        u"United Kingdom!+00:00!GBR.bmp"_s,
        u"United States!-05:00!USA.bmp"_s,
        u"Los Angeles!-08:00!USA.bmp"_s,
        u"Russia!+03:00!RUS.bmp"_s,
        u"Australia!+10:00!AUS.bmp"_s,
        u"Sydney!+10:00!AUS.bmp"_s,
        u"Adelaide!+09:30!AUS.bmp"_s,
        u"Canada!-05:00!CAN.bmp"_s,
        u"Brazil!-03:00!BRA.bmp"_s,
        u"Tehran!+03:30!IRN.bmp"_s,
        u"Chatham Islands!+12:45!NZL.bmp"_s,
        u"Kiritimati!+14:00!KIR.bmp"_s,
        u"Singapore!+08:00!SGP.bmp"_s,
        u"Kuwait City!+03:00!KWT.bmp"_s,
        u"Dublin!+00:00!IRL.bmp"_s,
        u"Casablanca!+01:00!MAR.bmp"_s,
        u"Côte d'Ivoire!+00:00!CIV.bmp"_s,
    };
    for (const QString &line : lines)
        QTest::newRow(qPrintable(line)) << line;
}

void TestShippedData::knownCities()
{
    QFETCH(QString, line);
    QVERIFY(cityLines().contains(line));
}

void TestShippedData::everyFlagExistsAndFits()
{
    const QDir flags(QDir(DataDir).filePath(u"flags"_s));
    QSet<QString> codes;
    for (const QString &line : cityLines())
        codes.insert(CityEntry::fromLine(line)->flagFile);
    QVERIFY(!codes.isEmpty());
    for (const QString &flagFile : std::as_const(codes)) {
        const QString path = flags.filePath(flagFile);
        QVERIFY2(QFile::exists(path), qPrintable(path));
        const QImage flag(path);
        QCOMPARE(flag.size(), QSize(16, 11));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(bmpBitsPerPixel(file.readAll()), 24);
    }
    for (const QString &name : flags.entryList(QDir::Files))
        QVERIFY2(QRegularExpression(u"^[A-Z]{3}\\.bmp$"_s).match(name).hasMatch(),
                 qPrintable(name));
}

void TestShippedData::faces_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("dark");
    // The program draws grey hands on faces 3 and 5 and black hands on the others.
    QTest::newRow("clk01") << u"clk01.bmp"_s << false;
    QTest::newRow("clk02") << u"clk02.bmp"_s << false;
    QTest::newRow("clk03") << u"clk03.bmp"_s << true;
    QTest::newRow("clk04") << u"clk04.bmp"_s << false;
    QTest::newRow("clk05") << u"clk05.bmp"_s << true;
}

void TestShippedData::faces()
{
    QFETCH(QString, file);
    QFETCH(bool, dark);
    const QByteArray bytes = fileBytes(u"clocks/"_s + file);
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
        QCOMPARE(rects[i].y(), rects[i - 1].y() + 1);
        QVERIFY(rects[i].left() <= rects[i - 1].right());
        QVERIFY(rects[i].right() >= rects[i - 1].left());
    }

    // Light grey hands need a dark dial, black hands a light one.
    const double luminance = meanLuminance(face, QPoint(38, 38), 26);
    if (dark)
        QVERIFY2(luminance < 90, qPrintable(QString::number(luminance)));
    else
        QVERIFY2(luminance > 170, qPrintable(QString::number(luminance)));
}

void TestShippedData::backgroundsLoad()
{
    const QDir backgrounds(QDir(DataDir).filePath(u"backgrounds"_s));
    const QStringList names = backgrounds.entryList({u"*.bmp"_s}, QDir::Files);
    QVERIFY(names.size() >= 4);
    for (const QString &name : names) {
        const QImage picture(backgrounds.filePath(name));
        QVERIFY2(!picture.isNull(), qPrintable(name));
        QCOMPARE(picture.height(), 78);
        QVERIFY(picture.width() >= 78);
    }
}

void TestShippedData::factorySettings()
{
    const auto lines = crlfLines(u"Kerani.bak"_s);
    if (const QString *failure = std::get_if<QString>(&lines))
        QFAIL(qPrintable(*failure));

    // What a fresh install reads: the factory copy restored as the settings file.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(QFile::copy(QDir(DataDir).filePath(u"Kerani.bak"_s),
                        QDir(folder.path()).filePath(u"Kerani.ini"_s)));
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
            options.displayOpsDate);
    QVERIFY(!options.alwaysOnTop);
    QVERIFY(!options.hideSysTrayIcon);
    QVERIFY(options.timeFormat >= 0 && options.timeFormat <= 3);
    QVERIFY(options.dateFormat >= 0 && options.dateFormat <= 2);
    QVERIFY(options.opsDateFormat >= 0 && options.opsDateFormat <= 2);
    QCOMPARE(options.opsDateDiff, qint16(2));
    QVERIFY(options.clockPicture >= 0 && options.clockPicture <= 4);
    QCOMPARE(options.backGround, u"grt2"_s);
    QVERIFY(options.bgPicture.isEmpty());
    for (const QString &colour :
         {options.solid, options.oneColor, options.twoColors1, options.twoColors2}) {
        bool ok = false;
        const int value = colour.toInt(&ok);
        QVERIFY2(ok && value >= 0 && value <= 0xffffff, qPrintable(colour));
    }
    QVERIFY(options.twoColors1 != options.twoColors2);
    QVERIFY(options.oneColorDir == 0 || options.oneColorDir == 1);
}

void TestShippedData::factorySettingsHaveNoLocalCity()
{
    // Without a Local key a fresh install takes the computer's own offset as local.
    const ProfileDocument document =
        ProfileDocument::fromText(QString::fromUtf8(fileBytes(u"Kerani.bak"_s)));
    QVERIFY(document.hasSection(u"Settings"));
    QVERIFY(!document.value(u"Settings", u"Local").has_value());
    for (const auto &[section, key] :
         {std::pair{u"Clocks_Style"_s, u"Solid"_s}, std::pair{u"Clocks_Style"_s, u"OneColor"_s},
          std::pair{u"Clocks_Style"_s, u"OneColorDir"_s},
          std::pair{u"Clocks_Style"_s, u"BGPicture"_s}})
        QVERIFY2(document.value(section, key).has_value(), qPrintable(key));
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
    // Self-contained: it opens from the application folder without a network or other files.
    for (const QString &external : {u"<script"_s, u"<link"_s, u"src=\""_s, u"url("_s})
        QVERIFY2(!help.contains(external, Qt::CaseInsensitive), qPrintable(external));
}

QTEST_GUILESS_MAIN(TestShippedData)
#include "tst_shippeddata.moc"
