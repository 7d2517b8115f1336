#include "settings/profilefile.h"
#include "support/testfiles.h"

#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using Saved = ProfileFile::Saved;

class TestProfileFile final : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_ini;

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_ini = m_dir->filePath(u"Kerani.ini"_s);
    }

    void stateOnOpening_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<ProfileFile::State>("expected");

        QTest::newRow("file") << u"file"_s << ProfileFile::State::Read;
        QTest::newRow("empty file") << u"empty"_s << ProfileFile::State::Read;
        QTest::newRow("nothing") << u"none"_s << ProfileFile::State::Missing;
        QTest::newRow("folder") << u"folder"_s << ProfileFile::State::Unreadable;
        QTest::newRow("dangling link") << u"link"_s << ProfileFile::State::Unreadable;
    }

    void stateOnOpening()
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
        const QStringList entries = QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::System);

        ProfileFile file = ProfileFile::open(m_ini);
        QCOMPARE(file.state(), expected);
        QCOMPARE(file.document().value(u"S", u"K"),
                 setup == u"file" ? std::optional(u"v"_s) : std::nullopt);
        // Nothing written, nothing created.
        QCOMPARE(file.save(), Saved::Unchanged);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::System), entries);

        // Whatever is there but cannot be read is never replaced by a save.
        QVERIFY(file.document().setValue(u"S", u"K", u"new"_s));
        const FileResult<Saved> saved = file.save();
        QCOMPARE(bool(saved), expected != ProfileFile::State::Unreadable);
        QCOMPARE(saved.error().isEmpty(), bool(saved));
        if (saved)
            QCOMPARE(TestFiles::readBytes(m_ini), QByteArray("[S]\r\nK=new\r\n"));
        if (setup == u"folder")
            QVERIFY(QFileInfo(m_ini).isDir());
        if (setup == u"link")
            QVERIFY(QFileInfo(m_ini).isSymLink());
    }

    void editKeepsEveryOtherLineAndWritesUtf8()
    {
        // A hand-made Windows-1252 file with every kind of line end.
        QVERIFY(TestFiles::writeBytes(m_ini,
                                      "; hand-made\n[Settings]\r\nLocal = Z\xfcrich!+01:00\t\r\n"
                                      "Clocks=01\r\r\n[Options]\rDisplay_Clock=1"));

        ProfileFile file = ProfileFile::open(m_ini);
        QVERIFY(file.document().setValue(u"Settings", u"Clocks", u"02"_s));
        QVERIFY(file.document().setValue(u"Options", u"Display_Time", u"0"_s));
        QCOMPARE(file.save(), Saved::Written);
        QCOMPARE(TestFiles::readBytes(m_ini),
                 QByteArray("; hand-made\n[Settings]\r\nLocal = Z\xc3\xbcrich!+01:00\t\r\n"
                            "Clocks=02\r\r\n[Options]\rDisplay_Clock=1\r\nDisplay_Time=0\r\n"));
    }

    void writeThatChangesNothingLeavesTheFileUntouched_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("same value") << QByteArray("[S]\nK=v");
        // Saved, it would come out as UTF-8.
        QTest::newRow("same value, Windows-1252 file")
            << QByteArray("[S]\r\nC=Z\xfcrich\r\nK=v\r\n");
    }

    void writeThatChangesNothingLeavesTheFileUntouched()
    {
        QFETCH(QByteArray, bytes);

        QVERIFY(TestFiles::writeBytes(m_ini, bytes));
        QVERIFY(TestFiles::backdate(m_ini));
        const QDateTime before = TestFiles::modified(m_ini);

        ProfileFile file = ProfileFile::open(m_ini);
        QVERIFY(file.document().setValue(u"S", u"K", u"v"_s));
        QCOMPARE(file.save(), Saved::Unchanged);
        QCOMPARE(TestFiles::modified(m_ini), before);
        QCOMPARE(TestFiles::readBytes(m_ini), bytes);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{u"Kerani.ini"_s});
    }

    void encodingsReadAndSaveAsUtf8_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("saved"); // after Clocks is set to 02

        const QString text = u"[Settings]\r\nLocal=Z\u00FCrich\r\nClocks=01\r\n"_s;
        const QByteArray utf8 = text.toUtf8();
        const QByteArray savedUtf8 = "[Settings]\r\nLocal=Z\xc3\xbcrich\r\nClocks=02\r\n";
        QTest::newRow("UTF-8") << utf8 << savedUtf8;
        QTest::newRow("UTF-8 with byte-order mark") << "\xef\xbb\xbf" + utf8 << savedUtf8;
        QTest::newRow("Windows-1252") << text.toLatin1() << savedUtf8;
        QTest::newRow("UTF-16 little-endian with byte-order mark")
            << "\xff\xfe" + QByteArray(QStringEncoder(QStringEncoder::Utf16LE)(text)) << savedUtf8;
        QTest::newRow("UTF-16 big-endian with byte-order mark")
            << "\xfe\xff" + QByteArray(QStringEncoder(QStringEncoder::Utf16BE)(text)) << savedUtf8;
        // What follows a NUL is no part of the line as read, and is kept as it is.
        QTest::newRow("NUL ends a line")
            << "[Settings]\r\nLocal=Z\xc3\xbcrich\0\0junk=1\r\nClocks=01\r\n"_ba
            << "[Settings]\r\nLocal=Z\xc3\xbcrich\0\0junk=1\r\nClocks=02\r\n"_ba;
        QTest::newRow("^Z at the end of the file")
            << "[Settings]\r\nLocal=Z\xc3\xbcrich\r\nClocks=01\x1a"_ba
            << "[Settings]\r\nLocal=Z\xc3\xbcrich\r\nClocks=02"_ba;
    }

    void encodingsReadAndSaveAsUtf8()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(TestFiles::writeBytes(m_ini, bytes));
        ProfileFile file = ProfileFile::open(m_ini);
        QCOMPARE(file.document().value(u"Settings", u"Local"), u"Z\u00FCrich"_s);
        QCOMPARE(file.document().value(u"Settings", u"Clocks"), u"01"_s);
        QVERIFY(file.document().setValue(u"Settings", u"Clocks", u"02"_s));
        QCOMPARE(file.save(), Saved::Written);
        QTEST(TestFiles::readBytes(m_ini), "saved");
    }
};

QTEST_GUILESS_MAIN(TestProfileFile)
#include "tst_profilefile.moc"
