#include "clockwindow/windowplacement.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QRect Left(0, 0, 1024, 768);
const QRect Right(1024, 0, 1280, 1024);
const QSize Window(156, 144);

QString textOf(const QList<QRect> &screens)
{
    return ScreenArrangement{screens, screens.value(0)}.text();
}

} // namespace

class TestWindowPlacement final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void arrangementText()
    {
        QCOMPARE(textOf({Left, Right}), u"0,0,1024,768;1024,0,1280,1024"_s);
        // The order the window system lists the screens in does not matter.
        QCOMPARE(textOf({Right, Left}), textOf({Left, Right}));
        QCOMPARE(textOf({QRect(-1280, 0, 1280, 1024)}), u"-1280,0,1280,1024"_s);
    }

    void place_data()
    {
        QTest::addColumn<QList<QRect>>("screens"); // the first is the primary one
        QTest::addColumn<bool>("keep");
        QTest::addColumn<QList<KeptPlace>>("kept");
        QTest::addColumn<QPoint>("expected");

        const QString both = textOf({Left, Right});
        const QString left = textOf({Left});
        const QPoint centre(434, 0); // (1024 - 156) / 2
        QTest::newRow("option off: top centre, places or not")
            << QList{Left} << false << QList<KeptPlace>{{left, {10, 20}}} << centre;
        QTest::newRow("nothing kept") << QList{Left} << true << QList<KeptPlace>{} << centre;
        QTest::newRow("kept for these screens")
            << QList{Left} << true << QList<KeptPlace>{{left, {10, 20}}} << QPoint(10, 20);
        QTest::newRow("top centre of the primary screen")
            << QList{Right, Left} << true << QList<KeptPlace>{} << QPoint(1024 + 562, 0);
        QTest::newRow("these screens' own place before a more recent other one")
            << QList{Left, Right} << true << QList<KeptPlace>{{left, {10, 20}}, {both, {1500, 30}}}
            << QPoint(1500, 30);
        QTest::newRow("screen unplugged: its place is on no screen")
            << QList{Left} << true << QList<KeptPlace>{{both, {1500, 30}}} << centre;
        QTest::newRow("screen plugged in: another arrangement's place that is still shown")
            << QList{Left, Right} << true << QList<KeptPlace>{{left, {10, 20}}} << QPoint(10, 20);
        QTest::newRow("32 pixels each way on a screen: shown")
            << QList{Left} << true << QList<KeptPlace>{{left, {1024 - 32, -144 + 32}}}
            << QPoint(992, -112);
        QTest::newRow("31 pixels across: not shown")
            << QList{Left} << true << QList<KeptPlace>{{left, {1024 - 31, 0}}} << centre;
        QTest::newRow("31 pixels down: not shown")
            << QList{Left} << true << QList<KeptPlace>{{left, {0, 768 - 31}}} << centre;
    }
    void place()
    {
        QFETCH(QList<QRect>, screens);
        QFETCH(bool, keep);
        QFETCH(QList<KeptPlace>, kept);
        SettingsState settings;
        settings.displayOptions.keepPosition = keep;
        settings.keptPlaces = kept;
        QTEST(clockWindowPlace({screens, screens[0]}, Window, settings), "expected");
    }

    void smallWindowMustBeWhollyShown()
    {
        QVERIFY(isOnAScreen(QRect(1000, 0, 24, 24), {Left}));
        QVERIFY(!isOnAScreen(QRect(1001, 0, 24, 24), {Left}));
        QVERIFY(!isOnAScreen(QRect(0, 0, 0, 0), {Left}));
    }
};

QTEST_GUILESS_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
