#include "cities/cityeditorchecks.h"
#include "cities/cityeditorlist.h"
#include "cities/citylistfile.h"
#include "cities/cityorder.h"
#include "cities/citysearch.h"
#include "cities/flagfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using CityListRewrite::Placement;

namespace {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// Lines from comma-separated names: "" an empty line, "-" the tail alone, "~x" the text x as it
// is, "*" the new entry's line, named `newName`.
QStringList lines(const QString &names, const QString &newName = QString())
{
    QStringList result;
    for (const QString &name : names.split(u',')) {
        if (name.isEmpty() || name.startsWith(u'~'))
            result.append(name.mid(1));
        else if (name == u"*"_s)
            result.append(newName + u"!+02:00!EGY.bmp"_s);
        else
            result.append((name == u"-"_s ? QString() : name) + u"!+01:00!XXX.bmp"_s);
    }
    return names.isEmpty() ? QStringList() : result;
}

} // namespace

class TestCityModel final : public QObject {
    Q_OBJECT

    std::optional<QTemporaryDir> m_dir;
    std::optional<AppFolder> m_folder;

private Q_SLOTS:
    void init()
    {
        m_dir.emplace();
        QVERIFY(m_dir->isValid());
        m_folder.emplace(m_dir->path());
    }

    void readLines()
    {
        // LF CR is two line ends; empty lines and lines under 15 characters are skipped; a NUL
        // ends a line and a ^Z after the last line is no text.
        QVERIFY(writeBytes(m_folder->cityListFile(),
                           "\r\rCairo!+02:00!EGY.bmp\n\r+02:00!EGY.bmp\r\n"
                           "Bern!+01:00!CHE.bmp\0Lima\r\n\0Lima!-05:00!"
                           "PER.bmp\n!+02:00!EGY.bmp\x1a"_ba));
        const FileResult<QList<CityLine>> read = CityListFile(*m_folder).read();
        QVERIFY2(read, qPrintable(read.error()));
        QStringList texts;
        for (const CityLine &line : read.value())
            texts.append(line.text);
        QCOMPARE(texts, (QStringList{u"Cairo!+02:00!EGY.bmp"_s, u"Bern!+01:00!CHE.bmp"_s,
                                     u"!+02:00!EGY.bmp"_s}));
    }

    void editorTexts()
    {
        // The text before the first '!' is shown; "ß" upper-cased would push the code off place.
        const CityLine city = *CityLine::fromText(u"Yahoo!land!+0\u00DF:00!\uFB00ab.bmp"_s);
        QCOMPARE(city.editorText(), u"Yahoo"_s);
        QCOMPARE(city.editorData(), u"+0\u00DF:00!\uFB00AB.BMP"_s);
        QCOMPARE(city.entry.flagCode(), u"\uFB00AB"_s);
    }

    void rewriteFile()
    {
        // Save writes CR LF and UTF-8 whatever the old encoding, over a Temp.txt left behind.
        const QString path = m_folder->cityListFile();
        QVERIFY(writeBytes(path,
                           "Amsterdam!+01:00!NLD.bmp\nBerlin!+01:00!DEU.bmp\r\rZ\xfcrich!+01:00!"
                           "CHE.bmp"));
        QVERIFY(writeBytes(m_folder->scratchFile(), "stale content\r\n"));
        const CityListFile file(*m_folder);
        QVERIFY(file.save({u"Bern"_s, u"+01:00"_s, u"che.bmp"_s}));
        QCOMPARE(readBytes(path),
                 "Amsterdam!+01:00!NLD.bmp\r\nBerlin!+01:00!DEU.bmp\r\nBern!+01:00!"
                 "che.bmp\r\nZ\xc3\xbcrich!+01:00!CHE.bmp\r\n"_ba);
        QVERIFY(!QFile::exists(m_folder->scratchFile()));
        // A Delete of no line still rewrites the file without its empty lines.
        QVERIFY(writeBytes(path, "\r\nCairo!+02:00!EGY.bmp\n\nBern!+01:00!CHE.bmp\r"));
        QVERIFY(file.remove(u"Nowhere"));
        QCOMPARE(readBytes(path), "Cairo!+02:00!EGY.bmp\r\nBern!+01:00!CHE.bmp\r\n"_ba);
    }

    // Disk failures are the fault tests' business; here, entries that would not read back.
    void malformedEntryIsRefused()
    {
        QVERIFY(CityListFile::isWellFormed({u"Amsterdam"_s, u"+01:00"_s, u"NLD.bmp"_s}));
        for (const QString &name : {u"Amster\r\ndam"_s, u"Amster\0dam"_s, u"Amsterdam\xD83D"_s})
            QVERIFY(!CityListFile::isWellFormed({name, u"+01:00"_s, u"NLD.bmp"_s}));
        const QByteArray old = "Cairo!+02:00!EGY.bmp\n\n";
        QVERIFY(writeBytes(m_folder->cityListFile(), old));
        const auto saved = CityListFile(*m_folder).save({u"Amsterdam"_s, u"+1:00"_s, u"NLD.bmp"_s});
        QVERIFY(!saved && !saved.error().isEmpty());
        QCOMPARE(readBytes(m_folder->cityListFile()), old);
    }

    void rewriteForSave()
    {
        // Old lines, the name saved -> the lines ("*" the saved one), where it went, what it
        // replaced.
        using P = Placement;
        const QList<std::tuple<QString, QString, QString, P, QString>> saves{
            // Inserted after its first character's group; empty lines dropped.
            {u",Amsterdam,,Berlin,Cairo,"_s, u"Bern"_s, u"Amsterdam,Berlin,*,Cairo"_s, P::Inserted,
             u""_s},
            {u"Amsterdam,CAIRO,Denver"_s, u"Cairo"_s, u"Amsterdam,*,Denver"_s, P::Replaced,
             u"CAIRO"_s},
            {u"Cairo,Amsterdam,cairo"_s, u"Cairo"_s, u"*,Amsterdam"_s, P::Replaced,
             u"Cairo,cairo"_s},
            // A name that lower-cases to a longer text is still the same name.
            {u"Zagreb,\u0130stanbul"_s, u"\u0130STANBUL"_s, u"Zagreb,*"_s, P::Replaced,
             u"\u0130stanbul"_s},
            {u"Yahoo,Yahoo!land"_s, u"yahoo!LAND"_s, u"Yahoo,*"_s, P::Replaced, u"Yahoo!land"_s},
            // The empty name goes first and takes the line of the tail alone.
            {u"Amsterdam,-,Cairo"_s, u""_s, u"*,Amsterdam,Cairo"_s, P::Inserted, u"-"_s},
            // A line too short to be split has no name and is never replaced.
            {u"~Oslo,Amsterdam"_s, u"Oslo"_s, u"~Oslo,Amsterdam,*"_s, P::Appended, u""_s}};
        for (const auto &[old, name, expected, placement, replaced] : saves) {
            const CityListRewrite::SaveRewrite result =
                CityListRewrite::forSave(lines(old), {name, u"+02:00"_s, u"EGY.bmp"_s});
            QCOMPARE(result.lines, lines(expected, name));
            QVERIFY2(result.placement == placement, qPrintable(old));
            QCOMPARE(result.replacedLines, lines(replaced));
        }
    }

    void rewriteForDelete()
    {
        // Old lines, the editor's text -> the lines left and the lines removed.
        const QList<std::tuple<QString, QString, QString, QString>> deletes{
            {u"Cairo,Bern,Cairo"_s, u"Cairo"_s, u"Bern"_s, u"Cairo,Cairo"_s},
            {u",Cairo,,Bern,"_s, u"cairo"_s, u"Cairo,Bern"_s, u""_s},        // case counts
            {u"Yahoo!land,Bern"_s, u"Yahoo"_s, u"Bern"_s, u"Yahoo!land"_s}}; // up to the first '!'
        for (const auto &[old, text, left, removed] : deletes) {
            const CityListRewrite::DeleteRewrite result =
                CityListRewrite::forDelete(lines(old), text);
            QCOMPARE(result.lines, lines(left));
            QCOMPARE(result.removedLines, lines(removed));
            QCOMPARE(result.found(), !removed.isEmpty());
        }
    }

    void searchMatches()
    {
        // Typed=name: case, accents, strokes, ligatures, compatibility forms aside.
        for (const QString &pair :
             {u"ZUR=zürich"_s, u"ür=Zurich"_s, u"reunion=Re\u0301union"_s, u"lodz=Łódź"_s,
              u"STRAẞE=Strasse"_s, u"aeroskobing=Ærøskøbing"_s, u"istanbul=İstanbul"_s,
              u"bakir=Diyarbakır"_s, u"fi=ＦＩＪＩ"_s}) {
            const QString name = pair.section(u'=', 1);
            QVERIFY2(CitySearch(pair.section(u'=', 0, 0)).matches(CitySearch::fold(name)),
                     qPrintable(pair));
            // Every name finds itself, and folding what is folded changes nothing.
            QVERIFY(CitySearch(name).matches(CitySearch::fold(name)));
            QCOMPARE(CitySearch::fold(CitySearch::fold(name)), CitySearch::fold(name));
        }
        QVERIFY(!CitySearch(u"zurich"_s).matches(CitySearch::fold(u"Zug"_s)));
        QVERIFY(!CitySearch(u"sol"_s).matches(CitySearch::fold(u"Oslo"_s))); // out of order
    }

    void order()
    {
        const QStringList english{u"Åland Islands"_s, u"Amsterdam"_s, u"berlin"_s, u"Berlin"_s,
                                  u"Łódź"_s,          u"Zug"_s,       u"Zürich"_s};
        const QList<std::pair<QLocale, QStringList>> orders{
            {QLocale(u"en_US"_s), english},
            // Å is the alphabet's third letter from the end in Swedish.
            {QLocale(u"sv_SE"_s), english.mid(1) + QStringList{u"Åland Islands"_s}},
            // The same name spelt two ways collates equal: then the characters decide.
            {QLocale(u"en_US"_s), {u"Re\u0301union"_s, u"R\u00e9union"_s}}};
        for (const auto &[locale, shown] : orders) {
            const QStringList names(shown.crbegin(), shown.crend());
            QStringList sorted;
            for (const qsizetype position : CityOrder(locale).sorted(names))
                sorted.append(names.at(position));
            QCOMPARE(sorted, shown);
        }
    }

    void flagFiles()
    {
        const QDir root(m_dir->path());
        QVERIFY(root.mkpath(u"flags/dir.bmp"_s) && root.mkpath(u"flags/sub"_s) &&
                root.mkpath(u"u"_s));
        for (const QString &name :
             {u"flags/egy.bmp"_s, u"flags/che.BMP"_s, u"flags/Egypt.bmp"_s, u"flags/egy.png"_s,
              u"flags/FRA.bmp"_s, u"flags/fra.bmp"_s, u"flags/deu.bmp"_s, u"flags/sub/abc.bmp"_s,
              u"u/DEU.bmp"_s, u"x.bmp"_s})
            QVERIFY(writeBytes(root.filePath(name), "BM"));
        QVERIFY(QFile::link(root.filePath(u"flags"_s), root.filePath(u"link"_s)));
        // Looking a flag file up: the case aside, inside the folders only.
        const FlagFolder folder =
            FlagFolder::scan({root.filePath(u"u"_s), root.filePath(u"flags"_s)});
        const auto found = [&](QStringView file) {
            const std::optional<QString> path = folder.picturePath(file);
            return path ? root.relativeFilePath(*path) : QString();
        };
        QCOMPARE(found(u"EGY.bmp"), u"flags/egy.bmp"_s);
        QCOMPARE(found(u"fra.bmp"), u"flags/fra.bmp"_s); // the exact spelling before a case twin
        QCOMPARE(found(u"deu.bmp"), u"u/DEU.bmp"_s);     // the user's folder before the factory one
        for (const QStringView none : {u"../x.bmp", u"..\\.bmp", u"dir.bmp", u"Egypt.bmp"})
            QVERIFY2(found(none).isEmpty(), qPrintable(none.toString()));

        // Choosing one from a file dialog: path (relative to the application folder)=the flag
        // code taken, or why none is.
        for (const QString &pair :
             {u"=cancelled"_s, u"flags/xyz.bmp=cancelled"_s, u"flags/egy.bmp=EGY"_s,
              u"flags/che.BMP=CHE"_s, u"link/egy.bmp=EGY"_s, u"flags/Egypt.bmp=refused"_s,
              u"x.bmp=refused"_s, u"flags/egy.png=refused"_s, u"flags/sub/abc.bmp=refused"_s}) {
            const QString path = pair.section(u'=', 0, 0);
            const CityEditorChecks::FlagFileChoice choice = CityEditorChecks::checkFlagFile(
                path.isEmpty() ? path : root.filePath(path), root.filePath(u"flags"_s));
            using enum CityEditorChecks::FlagFileChoice::Outcome;
            QCOMPARE(choice.outcome == Accepted  ? choice.code
                     : choice.outcome == Refused ? u"refused"_s
                                                 : u"cancelled"_s,
                     pair.section(u'=', 1));
        }
    }

    void saveRefusal()
    {
        using namespace CityEditorChecks;
        // Name, zone, flag -> why Save refuses, the later check's message winning.
        const QList<std::tuple<QString, QString, QString, QString>> fields{
            {u""_s, u""_s, u""_s, noFlagMessage()},
            {u"  "_s, u"+02:00"_s, u"EGY"_s, emptyFieldMessage()},
            {u""_s, u"+2:00"_s, u"EGY"_s, wrongZoneMessage()},
            {u"Cairo"_s, u" +02:00"_s, u"EGY"_s, wrongZoneMessage()}, // the zone as typed
            {u"Kiritimati"_s, u"+14:00"_s, u"KIR"_s, u""_s}};
        for (const auto &[name, zone, flag, message] : fields) {
            QCOMPARE(CityEditorChecks::saveRefusal({name, zone, flag}).value_or(QString()),
                     message);
            // Delete checks only for empty fields.
            QCOMPARE(deleteRefusal({name, zone, flag}).has_value(),
                     name.trimmed().isEmpty() || zone.isEmpty() || flag.isEmpty());
        }
    }

    void savedEntry()
    {
        const auto saved = [](const QString &name) {
            return CityEditorChecks::savedEntry({name, u" +02:00"_s, u"EGY"_s}).toLine();
        };
        QCOMPARE(saved(u"  new yORK "_s), u"New yORK!+02:00!EGY.bmp"_s); // trimmed, first up
        QCOMPARE(saved(u"ßa"_s), u"ßa!+02:00!EGY.bmp"_s);                // one character to one
        QCOMPARE(saved(u"𐐨x"_s), u"𐐀x!+02:00!EGY.bmp"_s);                // outside the BMP
    }

    void isInUse()
    {
        const QStringList clocks{u"00"_s, u"Lima!-05:00!PER.bmp"_s, u"A!B!+01:00!ABC.bmp"_s};
        QVERIFY(CityEditorChecks::isInUse(clocks, u"Lima"));
        QVERIFY(CityEditorChecks::isInUse(clocks, u"A!B"));
        QVERIFY(!CityEditorChecks::isInUse(clocks, u"lima")); // case counts
        QVERIFY(!CityEditorChecks::isInUse(clocks, u"A"));
    }

    void zoneKey()
    {
        using CityEditorChecks::acceptsZoneKey;
        QVERIFY(acceptsZoneKey(u"0123456789+-:\b", {}));
        QVERIFY(acceptsZoneKey(u"v", Qt::ControlModifier)); // paste
        QVERIFY(acceptsZoneKey(u"v", Qt::MetaModifier));
        for (const QStringView refused : {u"a", u" ", u"\u0662"}) // arabic-indic 2
            QVERIFY(!acceptsZoneKey(refused, {}));
        QVERIFY(!acceptsZoneKey(u"@", Qt::ControlModifier | Qt::AltModifier)); // AltGr
    }

    void planSaveAndDelete()
    {
        const QStringList entries{u"Berlin!+01:00!DEU.bmp"_s, u"CAIRO!+02:00!EGY.bmp"_s,
                                  u"Cairo!+02:00!EGY.bmp"_s, u"Cairo!x!+02:00!EGY.bmp"_s};
        // The entry of a replaced line is reused, the selected one first; the others go.
        const auto plan = [&](std::optional<qsizetype> selected, const QStringList &replaced) {
            const CityEditorList::SaveChange change =
                CityEditorList::planSave(entries, selected, replaced, u"Cairo!+03:00!EGY.bmp");
            return u"%1>%2"_s.arg(change.removed.value(0, -1)).arg(change.reused.value_or(-1));
        };
        QCOMPARE(plan(2, entries.mid(1, 2)), u"1>2"_s);
        QCOMPARE(plan(0, entries.mid(1, 2)), u"1>2"_s);
        // Delete takes every entry whose text before the first '!' is the name, case counting.
        QCOMPARE(
            CityEditorList::planDelete(entries + QStringList{u"Cairo!-04:00!EGY.bmp"_s}, u"Cairo"),
            (QList<qsizetype>{2, 3, 4}));
    }
};

QTEST_GUILESS_MAIN(TestCityModel)
#include "tst_citymodel.moc"
