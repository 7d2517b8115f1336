#include "app/profilefile.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestProfileFile final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void stateOnOpening_data();
    void stateOnOpening();
    void editKeepsEveryOtherByte();
    void writeThatChangesNothingLeavesTheFileUntouched_data();
    void writeThatChangesNothingLeavesTheFileUntouched();
    void missingFileIsCreated();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void encodings_data();
    void encodings();
    void windows1252FileIsWrittenAsUtf8();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_ini;
};

void TestProfileFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_ini = m_dir->filePath(u"Kerani.ini"_s);
}

void TestProfileFile::stateOnOpening_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<ProfileFile::State>("expected");

    QTest::newRow("file") << u"file"_s << ProfileFile::State::Read;
    QTest::newRow("empty file") << u"empty"_s << ProfileFile::State::Read;
    QTest::newRow("nothing") << u"none"_s << ProfileFile::State::Missing;
    QTest::newRow("folder") << u"folder"_s << ProfileFile::State::Unreadable;
    QTest::newRow("dangling link") << u"link"_s << ProfileFile::State::Unreadable;
}

void TestProfileFile::stateOnOpening()
{
    QFETCH(QString, setup);
    QFETCH(ProfileFile::State, expected);

    if (setup == u"file")
        QVERIFY(TestFiles::writeBytes(m_ini, "[S]\r\nK=v\r\n"));
    else if (setup == u"empty")
        QVERIFY(TestFiles::writeBytes(m_ini, {}));
    else if (setup == u"folder")
        QVERIFY(QDir(m_dir->path()).mkdir(u"Kerani.ini"_s));
    else if (setup == u"link")
        QVERIFY(QFile::link(m_dir->filePath(u"gone"_s), m_ini));

    ProfileFile file = ProfileFile::open(m_ini);
    QCOMPARE(file.state(), expected);
    QCOMPARE(file.document().value(u"S", u"K"),
             setup == u"file" ? std::optional(u"v"_s) : std::nullopt);
    // Whatever is there but cannot be read is never replaced by a save.
    QVERIFY(file.document().setValue(u"S", u"K", u"new"_s));
    const ProfileFile::SaveResult saved = file.save();
    QCOMPARE(saved.succeeded(), expected != ProfileFile::State::Unreadable);
    QCOMPARE(saved.error.isEmpty(), saved.succeeded());
    if (setup == u"folder")
        QVERIFY(QFileInfo(m_ini).isDir());
    if (setup == u"link")
        QVERIFY(QFileInfo(m_ini).isSymLink());
}

void TestProfileFile::editKeepsEveryOtherByte()
{
    const QByteArray before = "; hand-made\n[Settings]\r\nLocal = Cairo!+02:00!EGY.bmp\t\r\n"
                              "Clocks=01\r\r\n[Options]\rDisplay_Clock=1";
    QVERIFY(TestFiles::writeBytes(m_ini, before));

    ProfileFile file = ProfileFile::open(m_ini);
    QVERIFY(file.document().setValue(u"Settings", u"Local", u"Oslo!+01:00!NOR.bmp"_s));
    QVERIFY(file.document().setValue(u"Options", u"Display_Time", u"0"_s));
    QCOMPARE(file.save().status, ProfileFile::SaveResult::Status::Written);

    QCOMPARE(TestFiles::readBytes(m_ini),
             QByteArray("; hand-made\n[Settings]\r\nLocal = Oslo!+01:00!NOR.bmp\t\r\n"
                        "Clocks=01\r\r\n[Options]\rDisplay_Clock=1\r\nDisplay_Time=0\r\n"));
}

void TestProfileFile::writeThatChangesNothingLeavesTheFileUntouched_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("value");

    QTest::newRow("same value") << QByteArray("[S]\nK=v") << u"v"_s;
    QTest::newRow("same value in quotes") << QByteArray("[S]\n K = \"v\" ") << u"v"_s;
    QTest::newRow("same value, Windows-1252 file")
        << QByteArray("[S]\r\nC=Z\xfcrich\r\nK=v\r\n") << u"v"_s;
}

void TestProfileFile::writeThatChangesNothingLeavesTheFileUntouched()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, value);

    QVERIFY(TestFiles::writeBytes(m_ini, bytes));
    QVERIFY(TestFiles::backdate(m_ini));
    const QDateTime before = TestFiles::modified(m_ini);

    ProfileFile file = ProfileFile::open(m_ini);
    QVERIFY(file.document().setValue(u"S", u"K", value));
    QCOMPARE(file.save().status, ProfileFile::SaveResult::Status::Unchanged);
    QCOMPARE(TestFiles::modified(m_ini), before);
    QCOMPARE(TestFiles::readBytes(m_ini), bytes);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{u"Kerani.ini"_s});
}

void TestProfileFile::missingFileIsCreated()
{
    ProfileFile file = ProfileFile::open(m_ini);
    QCOMPARE(file.save().status, ProfileFile::SaveResult::Status::Unchanged);
    QVERIFY(!QFileInfo::exists(m_ini)); // nothing written, nothing created

    QVERIFY(file.document().setValue(u"Settings", u"Clocks", u"01"_s));
    QCOMPARE(file.save().status, ProfileFile::SaveResult::Status::Written);
    QCOMPARE(TestFiles::readBytes(m_ini), QByteArray("[Settings]\r\nClocks=01\r\n"));
}

void TestProfileFile::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("folder missing") << u"no such folder/Kerani.ini"_s;
    QTest::newRow("file in the way of the folder") << u"Kerani.ini/Kerani.ini"_s;
}

void TestProfileFile::failedSaveKeepsTheOldFile()
{
    QFETCH(QString, path);

    const QByteArray old = "[S]\r\nK=old\r\n";
    QVERIFY(TestFiles::writeBytes(m_ini, old));
    ProfileFile file = ProfileFile::open(m_dir->filePath(path));
    QCOMPARE(file.state(), ProfileFile::State::Missing);
    QVERIFY(file.document().setValue(u"S", u"K", u"new"_s));
    const ProfileFile::SaveResult saved = file.save();
    QCOMPARE(saved.status, ProfileFile::SaveResult::Status::Failed);
    QVERIFY(!saved.error.isEmpty());
    QCOMPARE(TestFiles::readBytes(m_ini), old);
}

void TestProfileFile::encodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("UTF-8") << QByteArray("[Settings]\r\nLocal=Z\xc3\xbcrich\r\n");
    QTest::newRow("UTF-8 with byte-order mark")
        << QByteArray("\xef\xbb\xbf[Settings]\r\nLocal=Z\xc3\xbcrich\r\n");
    QTest::newRow("Windows-1252") << QByteArray("[Settings]\r\nLocal=Z\xfcrich\r\n");
}

void TestProfileFile::encodings()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(TestFiles::writeBytes(m_ini, bytes));
    QCOMPARE(ProfileFile::open(m_ini).document().value(u"Settings", u"Local"), u"Z\u00FCrich"_s);
}

void TestProfileFile::windows1252FileIsWrittenAsUtf8()
{
    QVERIFY(TestFiles::writeBytes(m_ini, "[Settings]\r\nLocal=Z\xfcrich!+01:00!CHE.bmp\r\n"));
    ProfileFile file = ProfileFile::open(m_ini);

    QVERIFY(file.document().setValue(u"Settings", u"Clocks", u"00"_s));
    QVERIFY(file.save().succeeded());
    QCOMPARE(TestFiles::readBytes(m_ini),
             QByteArray("[Settings]\r\nLocal=Z\xc3\xbcrich!+01:00!CHE.bmp\r\nClocks=00\r\n"));
}

QTEST_GUILESS_MAIN(TestProfileFile)
#include "tst_profilefile.moc"
