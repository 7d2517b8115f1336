// The data that ships beside the program (data/) agrees with itself and with what the program
// reads: the city list and its zone table, flags, clock faces, factory settings and help.

#include "clockwindow/facepicture.h"
#include "clockwindow/pictureregion.h"
#include "settings/appfolder.h"
#include "settings/cityentry.h"
#include "settings/settingsloader.h"
#include "zonetime/flagterritory.h"
#include "zonetime/zoneoffset.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTest>
#include <QTimeZone>

using namespace Qt::StringLiterals;

namespace {

const QString DataDir = QStringLiteral(KERANI_SOURCE_DATA_DIR);

/// The lines of a UTF-8 file without a byte-order mark whose every line ends in CR LF, else none.
QStringList crlfLines(const QString &name)
{
    QFile file(DataDir + u'/' + name);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    QStringDecoder decoder(QStringDecoder::Utf8);
    QStringList lines = QString(decoder(bytes)).split(u"\r\n"_s);
    const QString last = lines.takeLast();
    const bool clean = last.isEmpty() && !bytes.startsWith("\xEF\xBB\xBF") && !decoder.hasError();
    return clean && !lines.join(u"").contains(QRegularExpression(u"[\r\n]"_s)) ? lines
                                                                               : QStringList();
}

} // namespace

class TestShippedData : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void consistent()
    {
        const QStringList cities = crlfLines(u"Cities.bak"_s);
        const QStringList zones = crlfLines(u"Zones.txt"_s);
        QVERIFY(cities.size() >= 400);
        QCOMPARE(zones.size(), cities.size());
        const QRegularExpression flagFile(u"^[A-Z]{3}\\.bmp$"_s);
        const QDateTime january(QDate(2026, 1, 15), QTime(12, 0), Qt::UTC);
        QSet<QString> names;
        QSet<QString> flags;
        qsizetype withoutZone = 0;
        for (qsizetype i = 0; i < cities.size(); ++i) {
            // As the city editor stores a line: a zone of this world, a flag of a country, a
            // name once, after every line whose first character has the same or a lower code.
            const std::optional<CityEntry> entry = CityEntry::fromLine(cities[i]);
            QVERIFY2(entry && entry->name == entry->name.trimmed(), qPrintable(cities[i]));
            const int minutes = ZoneOffset::fromText(entry->zone).minutes();
            QVERIFY2(ZoneOffset::isWellFormed(entry->zone) && minutes >= -12 * 60 &&
                         minutes <= 14 * 60 && flagFile.match(entry->flagFile).hasMatch() &&
                         territoryOfFlagCode(entry->flagCode()),
                     qPrintable(cities[i]));
            QVERIFY2(!names.contains(entry->name.toCaseFolded()), qPrintable(cities[i]));
            QVERIFY(i == 0 || cities[i - 1].front().unicode() <= cities[i].front().unicode());
            names.insert(entry->name.toCaseFolded());
            flags.insert(entry->flagFile);
            // The zone table: the same line, and a zone of this system with the line's offset in
            // one half of the year, or none.
            const QStringList fields = zones[i].split(u'\t');
            QVERIFY2(fields.size() == 2 && fields[0] == cities[i], qPrintable(zones[i]));
            const QTimeZone zone(fields[1].toLatin1());
            withoutZone += fields[1].isEmpty();
            QVERIFY2(fields[1].isEmpty() || zone.offsetFromUtc(january) == minutes * 60 ||
                         zone.offsetFromUtc(january.addMonths(6)) == minutes * 60,
                     qPrintable(zones[i]));
        }
        QVERIFY(withoutZone <= 8 && flags.size() >= 240);
        for (const QString &flag : std::as_const(flags))
            QVERIFY2(QImage(DataDir + u"/flags/"_s + flag).size() == QSize(16, 11),
                     qPrintable(flag));

        // Faces: 78 pixels square, see-through outside a dial that holds the hands' reach.
        for (int style = 1; style <= 5; ++style) {
            const QString name = DataDir + u"/clocks/clk0%1.bmp"_s.arg(style);
            const QImage face(name);
            QVERIFY2(face.size() == QSize(78, 78) && face.pixel(0, 0) == qRgb(255, 0, 255),
                     qPrintable(name));
            const std::optional<QRegion> region = getPictureRegion(face);
            for (const QPoint point :
                 {QPoint(38, 8), QPoint(68, 38), QPoint(38, 68), QPoint(7, 38)})
                QVERIFY2(region && region->contains(point), qPrintable(name));
            QVERIFY(FacePicture::load(name).hasDetail());
        }

        // A fresh install: factory clocks from the city list, the computer's offset as local,
        // summer time followed.
        QVERIFY(!crlfLines(u"Kerani.bak"_s).isEmpty());
        const SettingsState state =
            loadSettings(AppFolder(DataDir).readingFactoryCopiesOfMissingFiles());
        QVERIFY(state.clockCount >= 4 && state.clockList.size() == state.clockCount);
        for (const QString &clock : state.clockList)
            QVERIFY2(cities.contains(clock), qPrintable(clock));
        QCOMPARE(state.localCity, u"00"_s);
        QVERIFY(state.displayOptions.followDst && state.displayOptions.keepPosition);

        // The help tells of both modes and the clocks as text, and opens without other files.
        QFile file(DataDir + u"/kerani.html"_s);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString help = QString::fromUtf8(file.readAll());
        QVERIFY(help.contains(u"Follow_DST"_s) && help.contains(u"kerani --print --at"_s));
        for (const QString &external : {u"<script"_s, u"<link"_s, u"src=\""_s, u"url("_s})
            QVERIFY2(!help.contains(external, Qt::CaseInsensitive), qPrintable(external));
    }
};

QTEST_GUILESS_MAIN(TestShippedData)
#include "tst_shippeddata.moc"
