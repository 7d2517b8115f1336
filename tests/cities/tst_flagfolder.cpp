#include "cities/flagfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write("BM"), 2);
}

} // namespace

class TestFlagFolder final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void listing();
    void picturePath_data();
    void picturePath();
    void userFlagsComeFirst();

private:
    QTemporaryDir m_dir;
    QString m_flags;
};

void TestFlagFolder::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir(m_dir.path()).mkpath(u"flags/dir.bmp"_s));
    m_flags = m_dir.filePath(u"flags"_s);
    for (const auto name :
         {u"EGY.bmp", u"che.BMP", u"Egypt.bmp", u"notes.txt", u"FRA.bmp", u"fra.bmp", u"1a2.bmp"})
        touch(m_flags % u'/' % name);
    // Files outside the folder that a look-up joining paths blindly would reach.
    touch(m_dir.filePath(u"x.bmp"_s));
    touch(m_dir.filePath(u"ABC.bmp"_s));
}

void TestFlagFolder::listing()
{
    const FlagFolder folder = FlagFolder::scan(m_flags);
    QStringList names;
    QStringList codes;
    for (const FlagFolder::Bitmap &bitmap : folder.bitmaps()) {
        names.append(bitmap.fileName);
        codes.append(bitmap.code);
        QCOMPARE(bitmap.path, m_flags % u'/' % bitmap.fileName);
    }
    // Name order without regard to case; folders and other extensions are not listed.
    QCOMPARE(names.size(), 6);
    QCOMPARE(names.mid(0, 4),
             (QStringList{u"1a2.bmp"_s, u"che.BMP"_s, u"EGY.bmp"_s, u"Egypt.bmp"_s}));
    QCOMPARE(codes, (QStringList{u"1A2"_s, u"CHE"_s, u"EGY"_s, u"EGY"_s, u"FRA"_s, u"FRA"_s}));

    const FlagFolder missing = FlagFolder::scan(m_dir.filePath(u"nowhere"_s));
    QVERIFY(missing.bitmaps().isEmpty());
    QVERIFY(!missing.picturePath(u"EGY.bmp").has_value());
}

void TestFlagFolder::picturePath_data()
{
    QTest::addColumn<QString>("flagFile");
    QTest::addColumn<QString>("found"); // file name in the flags folder, empty for none

    QTest::newRow("exact") << u"EGY.bmp"_s << u"EGY.bmp"_s;
    QTest::newRow("lower-case code finds upper-case file") << u"egy.bmp"_s << u"EGY.bmp"_s;
    QTest::newRow("upper-case code finds lower-case file") << u"CHE.bmp"_s << u"che.BMP"_s;
    QTest::newRow("exact spelling wins over a case twin") << u"fra.bmp"_s << u"fra.bmp"_s;
    QTest::newRow("digits") << u"1A2.bmp"_s << u"1a2.bmp"_s;
    QTest::newRow("no such flag") << u"DEU.bmp"_s << QString();
    QTest::newRow("file outside the folder") << u"ABC.bmp"_s << QString();
    QTest::newRow("parent folder") << u"../x.bmp"_s << QString();
    QTest::newRow("sub-folder") << u"a/b.bmp"_s << QString();
    QTest::newRow("backslashes") << u"..\\.bmp"_s << QString();
    QTest::newRow("folder named like a flag") << u"dir.bmp"_s << QString();
    QTest::newRow("longer name") << u"Egypt.bmp"_s << QString();
}

void TestFlagFolder::picturePath()
{
    QFETCH(QString, flagFile);
    QFETCH(QString, found);

    const std::optional<QString> path = FlagFolder::scan(m_flags).picturePath(flagFile);
    QCOMPARE(path.value_or(QString()), found.isEmpty() ? found : m_flags % u'/' % found);
}

void TestFlagFolder::userFlagsComeFirst()
{
    // The user's own folder before the factory one: a user's flag hides the factory flag of the
    // same name in any case, and both folders make one listing in name order.
    const QString user = m_dir.filePath(u"user"_s);
    QVERIFY(QDir().mkpath(user));
    for (const auto name : {u"egy.bmp", u"ZZZ.bmp"})
        touch(user % u'/' % name);

    const FlagFolder folder = FlagFolder::scan(QStringList{user, m_flags});
    QStringList paths;
    for (const FlagFolder::Bitmap &bitmap : folder.bitmaps())
        paths.append(bitmap.path);
    QCOMPARE(paths.size(), 7); // FRA.bmp and fra.bmp in the order their folder lists them
    QCOMPARE(paths.mid(0, 4), (QStringList{m_flags + u"/1a2.bmp"_s, m_flags + u"/che.BMP"_s,
                                           user + u"/egy.bmp"_s, m_flags + u"/Egypt.bmp"_s}));
    QCOMPARE(paths.last(), user + u"/ZZZ.bmp"_s);
    QCOMPARE(folder.picturePath(u"EGY.bmp"), user + u"/egy.bmp"_s);
    QCOMPARE(folder.picturePath(u"CHE.bmp"), m_flags + u"/che.BMP"_s);
}

QTEST_GUILESS_MAIN(TestFlagFolder)
#include "tst_flagfolder.moc"
