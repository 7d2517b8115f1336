#include "cities/citylistfile.h"
#include "cities/scratchreplace.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList texts(const QList<CityLine> &lines)
{
    QStringList result;
    for (const CityLine &line : lines)
        result.append(line.text);
    return result;
}

} // namespace

class TestCityListFile final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();

    void readLines_data();
    void readLines();
    void readMissingOrFolder();
    void readGarbage_data();
    void readGarbage();
    void dialogTexts_data();
    void dialogTexts();

    void rewrite_data();
    void rewrite();

    void failureKeepsFile_data();
    void failureKeepsFile();
    void failedReplaceLeavesNoScratch();

private:
    std::optional<QTemporaryDir> m_dir;
    std::optional<AppFolder> m_folder;
};

void TestCityListFile::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
    m_folder.emplace(m_dir->path());
}

void TestCityListFile::readLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("only empty lines") << "\r\n\n\r\r\n\n"_ba << QStringList{};
    QTest::newRow("CR LF") << "Cairo!+02:00!EGY.bmp\r\nBern!+01:00!CHE.bmp\r\n"_ba
                           << QStringList{u"Cairo!+02:00!EGY.bmp"_s, u"Bern!+01:00!CHE.bmp"_s};
    QTest::newRow("CR only") << "Cairo!+02:00!EGY.bmp\rBern!+01:00!CHE.bmp\r"_ba
                             << QStringList{u"Cairo!+02:00!EGY.bmp"_s, u"Bern!+01:00!CHE.bmp"_s};
    QTest::newRow("LF and no final line end")
        << "Cairo!+02:00!EGY.bmp\n\nBern!+01:00!CHE.bmp"_ba
        << QStringList{u"Cairo!+02:00!EGY.bmp"_s, u"Bern!+01:00!CHE.bmp"_s};
    QTest::newRow("LF CR is two line ends")
        << "Cairo!+02:00!EGY.bmp\n\rBern!+01:00!CHE.bmp"_ba
        << QStringList{u"Cairo!+02:00!EGY.bmp"_s, u"Bern!+01:00!CHE.bmp"_s};
    QTest::newRow("15 characters kept, 14 skipped")
        << "!+02:00!EGY.bmp\r\n+02:00!EGY.bmp\r\nx\r\n"_ba << QStringList{u"!+02:00!EGY.bmp"_s};
    QTest::newRow("Windows-1252") << "Z\xfcrich!+01:00!CHE.bmp\r\n\x80!+01:00!EUR.bmp\r\n"_ba
                                  << QStringList{u"Z\u00fcrich!+01:00!CHE.bmp"_s,
                                                 u"\u20ac!+01:00!EUR.bmp"_s};
    QTest::newRow("UTF-8 with a byte-order mark")
        << "\xef\xbb\xbfZ\xc3\xbcrich!+01:00!CHE.bmp\r\n"_ba
        << QStringList{u"Z\u00fcrich!+01:00!CHE.bmp"_s};
    const QString utf16 = u"Z\u00fcrich!+01:00!CHE.bmp\r\nBern!+01:00!CHE.bmp"_s;
    const QStringList utf16Lines{u"Z\u00fcrich!+01:00!CHE.bmp"_s, u"Bern!+01:00!CHE.bmp"_s};
    QTest::newRow("UTF-16 little-endian with a byte-order mark")
        << "\xff\xfe" + QByteArray(QStringEncoder(QStringEncoder::Utf16LE)(utf16)) << utf16Lines;
    QTest::newRow("UTF-16 big-endian with a byte-order mark")
        << "\xfe\xff" + QByteArray(QStringEncoder(QStringEncoder::Utf16BE)(utf16)) << utf16Lines;
    QTest::newRow("a NUL ends a line")
        << "Cairo!+02:00!EGY.bmp\0Bern!+01:00!CHE.bmp\r\n\0Lima!-05:00!PER.bmp\r\n"_ba
        << QStringList{u"Cairo!+02:00!EGY.bmp"_s};
    QTest::newRow("^Z after the last line")
        << "Cairo!+02:00!EGY.bmp\r\nBern!+01:00!CHE.bmp\x1a"_ba
        << QStringList{u"Cairo!+02:00!EGY.bmp"_s, u"Bern!+01:00!CHE.bmp"_s};
    QTest::newRow("separators are not tested")
        << "Cairo#+02:00#EGY.bmp"_ba << QStringList{u"Cairo#+02:00#EGY.bmp"_s};
}

void TestCityListFile::readLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);

    writeBytes(m_folder->cityListFile(), bytes);
    const FileResult<QList<CityLine>> lines = CityListFile(*m_folder).read();
    QVERIFY2(lines, qPrintable(lines.error()));
    QCOMPARE(texts(lines.value()), expected);
    for (const CityLine &line : lines.value())
        QCOMPARE(line.entry.toLine().size(), line.text.size());
}

void TestCityListFile::readMissingOrFolder()
{
    QVERIFY(!CityListFile(*m_folder).read());
    QVERIFY(QDir(m_folder->path()).mkdir(u"Cities.txt"_s));
    QVERIFY(!CityListFile(*m_folder).read());
}

void TestCityListFile::readGarbage_data()
{
    QTest::addColumn<int>("lineEndEvery"); // 0: bytes of every value, line ends included

    QTest::newRow("random bytes") << 0;
    QTest::newRow("one 10 MB line") << -1;
    QTest::newRow("short lines") << 10;
}

void TestCityListFile::readGarbage()
{
    QFETCH(int, lineEndEvery);

    QByteArray bytes(10 * 1024 * 1024, Qt::Uninitialized);
    QRandomGenerator random(20240707);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (lineEndEvery > 0 && i % lineEndEvery == lineEndEvery - 1)
            bytes[i] = '\n';
        else
            bytes[i] = char(lineEndEvery < 0 ? 'a' + random.bounded(26) : random.bounded(256));
    }
    writeBytes(m_folder->cityListFile(), bytes);

    const FileResult<QList<CityLine>> lines = CityListFile(*m_folder).read();
    QVERIFY(lines);
    for (const CityLine &line : lines.value()) {
        QVERIFY(line.text.size() >= CityEntry::TailLength);
        QVERIFY(!line.text.contains(u'\n') && !line.text.contains(u'\r'));
    }
    if (lineEndEvery < 0)
        QCOMPARE(lines->size(), 1);
    if (lineEndEvery > 0)
        QVERIFY(lines->isEmpty());
}

void TestCityListFile::dialogTexts_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("clockListText");
    QTest::addColumn<QString>("editorText");
    QTest::addColumn<QString>("editorData");
    QTest::addColumn<QString>("zoneAndFlagFile");
    QTest::addColumn<QString>("flagCode");

    QTest::newRow("plain") << u"Cairo!+02:00!EGY.bmp"_s << u"Cairo"_s << u"Cairo [+02:00]"_s
                           << u"Cairo"_s << u"+02:00!EGY.BMP"_s << u"+02:00EGY.bmp"_s << u"EGY"_s;
    QTest::newRow("name with '!'")
        << u"Yahoo!land!-03:30!yah.bmp"_s << u"Yahoo!land"_s << u"Yahoo!land [-03:30]"_s
        << u"Yahoo"_s << u"-03:30!YAH.BMP"_s << u"-03:30yah.bmp"_s << u"YAH"_s;
    QTest::newRow("empty name") << u"!+00:00!GBR.bmp"_s << u""_s << u" [+00:00]"_s << u""_s
                                << u"+00:00!GBR.BMP"_s << u"+00:00GBR.bmp"_s << u"GBR"_s;
    QTest::newRow("letters that a full upper-casing would double stay in place")
        << u"Aachen!+0\u00DF:00!\uFB00ab.bmp"_s << u"Aachen"_s << u"Aachen [+0\u00DF:00]"_s
        << u"Aachen"_s << u"+0\u00DF:00!\uFB00AB.BMP"_s << u"+0\u00DF:00\uFB00ab.bmp"_s
        << u"\uFB00AB"_s;
    QTest::newRow("no '!' at all")
        << u"Cairo +02:00 EGY.bmp"_s << u"Cairo"_s << u"Cairo [+02:00]"_s
        << u"Cairo +02:00 EGY.bmp"_s << u"+02:00 EGY.BMP"_s << u"+02:00EGY.bmp"_s << u"EGY"_s;
}

void TestCityListFile::dialogTexts()
{
    QFETCH(QString, line);

    const std::optional<CityLine> city = CityLine::fromText(line);
    QVERIFY(city.has_value());
    QTEST(city->entry.name, "name");
    QTEST(city->clockListText(), "clockListText");
    QTEST(city->editorText(), "editorText");
    QTEST(city->editorData(), "editorData");
    QTEST(city->zoneAndFlagFile(), "zoneAndFlagFile");
    QTEST(city->entry.flagCode(), "flagCode");
}

void TestCityListFile::rewrite_data()
{
    QTest::addColumn<QByteArray>("old"); // null: no Cities.txt
    QTest::addColumn<bool>("staleScratch");
    QTest::addColumn<QString>("deleted"); // null: Bern is saved
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("save: CR LF and UTF-8 written, the old encoding read")
        << "Amsterdam!+01:00!NLD.bmp\nBerlin!+01:00!DEU.bmp\r\rZ\xfcrich!+01:00!CHE.bmp"_ba << false
        << QString()
        << "Amsterdam!+01:00!NLD.bmp\r\nBerlin!+01:00!DEU.bmp\r\nBern!+01:00!che.bmp\r\n"
           "Z\xc3\xbcrich!+01:00!CHE.bmp\r\n"_ba;
    QTest::newRow("save: UTF-16 read, UTF-8 written")
        << "\xff\xfe" + QByteArray(QStringEncoder(QStringEncoder::Utf16LE)(
                            u"Z\u00fcrich!+01:00!CHE.bmp\r\n"_s))
        << false << QString() << "Bern!+01:00!che.bmp\r\nZ\xc3\xbcrich!+01:00!CHE.bmp\r\n"_ba;
    QTest::newRow("save into a missing file")
        << QByteArray() << false << QString() << "Bern!+01:00!che.bmp\r\n"_ba;
    QTest::newRow("save over the Temp.txt of an earlier failed rewrite")
        << "Bern!+02:00!CHE.bmp\r\n"_ba << true << QString() << "Bern!+01:00!che.bmp\r\n"_ba;
    QTest::newRow("delete of no line still rewrites without empty lines")
        << "\r\nCairo!+02:00!EGY.bmp\n\nBern!+01:00!CHE.bmp\r"_ba << false << u"Nowhere"_s
        << "Cairo!+02:00!EGY.bmp\r\nBern!+01:00!CHE.bmp\r\n"_ba;
}

void TestCityListFile::rewrite()
{
    QFETCH(QByteArray, old);
    QFETCH(bool, staleScratch);
    QFETCH(QString, deleted);

    if (!old.isNull())
        writeBytes(m_folder->cityListFile(), old);
    if (staleScratch)
        writeBytes(m_folder->scratchFile(), "stale content\r\n"_ba);
    const CityListFile file(*m_folder);
    if (deleted.isNull()) {
        const auto result = file.save({u"Bern"_s, u"+01:00"_s, u"che.bmp"_s});
        QVERIFY2(result, qPrintable(result.error()));
    } else {
        const auto result = file.remove(deleted);
        QVERIFY2(result, qPrintable(result.error()));
    }
    QTEST(readBytes(m_folder->cityListFile()), "expected");
    QVERIFY(!QFile::exists(m_folder->scratchFile()));
}

void TestCityListFile::failureKeepsFile_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<bool>("deleting");

    for (const bool deleting : {false, true}) {
        const char *operation = deleting ? "delete: " : "save: ";
        for (const QString &situation :
             {u"Cities.txt is a folder"_s, u"Temp.txt is a folder"_s,
              u"application folder missing"_s, u"Cities.txt too large"_s}) {
            QTest::addRow("%s%s", operation, qPrintable(situation)) << situation << deleting;
        }
    }
    QTest::newRow("save: zone of 5 characters") << u"bad zone"_s << false;
    QTest::newRow("save: line break in the name") << u"bad name"_s << false;
    QTest::newRow("save: NUL in the name") << u"NUL in name"_s << false;
    QTest::newRow("save: half of a surrogate pair in the name") << u"half pair"_s << false;
}

void TestCityListFile::failureKeepsFile()
{
    QFETCH(QString, situation);
    QFETCH(bool, deleting);

    const QByteArray old = "Cairo!+02:00!EGY.bmp\nBern!+01:00!CHE.bmp\n\n"_ba;
    AppFolder folder = *m_folder;
    CityEntry entry{u"Amsterdam"_s, u"+01:00"_s, u"NLD.bmp"_s};
    if (situation == u"Cities.txt is a folder"_s) {
        QVERIFY(QDir(folder.path()).mkpath(u"Cities.txt/inside"_s));
    } else if (situation == u"Temp.txt is a folder"_s) {
        writeBytes(folder.cityListFile(), old);
        QVERIFY(QDir(folder.path()).mkpath(u"Temp.txt/inside"_s));
    } else if (situation == u"application folder missing"_s) {
        folder = AppFolder(m_dir->filePath(u"missing"_s));
    } else if (situation == u"Cities.txt too large"_s) {
        QFile file(folder.cityListFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(CityListFile::MaxFileSize + 1));
    } else if (situation == u"bad zone"_s) {
        writeBytes(folder.cityListFile(), old);
        entry.zone = u"+1:00"_s;
    } else if (situation == u"bad name"_s) {
        writeBytes(folder.cityListFile(), old);
        entry.name = u"Amster\r\ndam"_s;
    } else if (situation == u"NUL in name"_s) {
        writeBytes(folder.cityListFile(), old);
        entry.name = u"Amster\0dam"_s;
    } else if (situation == u"half pair"_s) {
        writeBytes(folder.cityListFile(), old);
        entry.name = u"Amsterdam\xD83D"_s;
    }
    const QFileInfo before(folder.cityListFile());
    const QByteArray oldBytes = readBytes(folder.cityListFile());

    const auto failureOf = [](const auto &result) -> std::optional<QString> {
        if (!result)
            return result.error();
        return std::nullopt;
    };
    const CityListFile file(folder);
    const std::optional<QString> message =
        deleting ? failureOf(file.remove(u"Cairo")) : failureOf(file.save(entry));
    QVERIFY2(message.has_value(), "the failure was reported as success");
    QVERIFY(!message->isEmpty());

    const QFileInfo after(folder.cityListFile());
    QCOMPARE(after.exists(), before.exists());
    QCOMPARE(after.isDir(), before.isDir());
    QCOMPARE(readBytes(folder.cityListFile()), oldBytes);
    if (!QFileInfo(folder.scratchFile()).isDir())
        QVERIFY(!QFile::exists(folder.scratchFile()));
}

void TestCityListFile::failedReplaceLeavesNoScratch()
{
    // The scratch file goes beside the target, in a folder that does not exist.
    const QString target = m_dir->filePath(u"gone/Cities.txt"_s);
    const FileResult<> replaced = replaceThroughScratch(target, u"Temp.txt"_s, "x\r\n"_ba);
    QVERIFY(!replaced);
    QVERIFY(!replaced.error().isEmpty());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
             QStringList());
}

QTEST_GUILESS_MAIN(TestCityListFile)
#include "tst_citylistfile.moc"
