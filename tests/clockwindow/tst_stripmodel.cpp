// The clock strip's model parts, without a display.

#include "clockwindow/celltextplan.h"
#include "clockwindow/clocklayout.h"
#include "clockwindow/facepicture.h"
#include "clockwindow/handsprites.h"
#include "clockwindow/lookahead.h"
#include "clockwindow/pictureregion.h"
#include "clockwindow/stripgradient.h"
#include "clockwindow/windowplacement.h"
#include "zonetime/hands.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

/// A font of the test's own making, in pixels per point: characters 0.6 of the size wide ('1',
/// blanks narrower), ink 0.7 of the size above the baseline (0.9 for an 8), 0.2 below for
/// descenders.
class BlockMeasure final : public TextMeasure {
public:
    qreal advance(QStringView text, qreal size) const override
    {
        qreal width = 0;
        for (const QChar c : text)
            width += (c == u'1' ? 0.4 : c.isSpace() ? 0.3 : 0.6) * size;
        return width;
    }
    QRectF ink(QStringView text, qreal size) const override
    {
        if (text.trimmed().isEmpty())
            return {};
        const bool descends = std::any_of(text.begin(), text.end(), [](QChar c) {
            return c == u'g' || c == u'p' || c == u'y' || c == u',';
        });
        return QRectF(QPointF(0.05 * size, (text.contains(u'8') ? -0.9 : -0.7) * size),
                      QPointF(advance(text, size) - 0.05 * size, descends ? 0.2 * size : 0));
    }
    qreal ascent(qreal size) const override { return 0.9 * size; }
    qreal lineHeight(qreal size) const override { return 1.2 * size; }
};

const BlockMeasure Measure;
const CellBox OneLine = CellBox::forCell(QSizeF(79, 17), 1000, true, false);
const CellBox LongDate = CellBox::forCell(QSizeF(79, 38), 1000, true, true);

/// Whether every line's ink lies inside the cell's ink area.
bool inkInside(const CellTextPlan &plan, const CellBox &box, qreal size)
{
    return std::all_of(plan.lines.begin(), plan.lines.end(), [&](const PlacedLine &line) {
        const QRectF ink = Measure.ink(line.text, size).translated(line.origin);
        return ink.isEmpty() || box.inkArea.adjusted(-0.125, -0.125, 0.125, 0.125).contains(ink);
    });
}

/// The text of a plan's lines, without blanks.
QString shown(const CellTextPlan &plan)
{
    QString text;
    for (const PlacedLine &line : plan.lines)
        text += line.text;
    return text.remove(u' ');
}

/// Rows shown by bits 1 to 8 (face, time, date, opposite date); bits 16 and 32 make the dates
/// long, bit 64 the short ones day first instead of year first.
DisplayOptions rows(int choice)
{
    DisplayOptions options;
    options.displayClock = choice & 1;
    options.displayTime = choice & 2;
    options.displayDate = choice & 4;
    options.displayOppositeDate = choice & 8;
    const DateFormat short_ = choice & 64 ? DateFormat::DayMonthYear : DateFormat::YearMonthDay;
    options.dateFormat = choice & 16 ? DateFormat::Long : short_;
    options.oppositeDateFormat = choice & 32 ? DateFormat::Long : short_;
    return options;
}

/// A face of `side` pixels: a disc of `colour` on the key colour.
QImage disc(int side, QColor colour)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRect(side / 16, side / 16, side - side / 8, side - side / 8));
    return image;
}

const QRect Left(0, 0, 1024, 768);
const QRect Right(1024, 0, 1280, 1024);

} // namespace

class TestStripModel final : public QObject {
    Q_OBJECT

    const QDateTime m_start{QDate(2026, 12, 7), QTime(9, 0), Qt::UTC};

private Q_SLOTS:
    void rowsStackAndTheWindowEndsBelowTheLast()
    {
        // Each row shown starts on the line ending the one above, the window just below the last;
        // year-first dates read right to left, and the time with them.
        for (int choice = 0; choice < 128; ++choice) {
            const ClockLayout layout = computeClockLayout(rows(choice), 2);
            const ColumnLayout &column = layout.columns[1];
            QCOMPARE(column.cityLabel.top(), choice & 1 ? 78 : -1);
            QRect above = column.cityLabel;
            for (const auto &[shown, label, tall] :
                 {std::tuple{choice & 2, column.timeLabel, 0},
                  std::tuple{choice & 4, column.dateLabel, choice & 16},
                  std::tuple{choice & 8, column.oppositeDateLabel, choice & 32}}) {
                if (shown) {
                    QCOMPARE(label.top(), above.bottom());
                    QCOMPARE(label.height(), tall ? 39 : 17);
                    above = label;
                }
            }
            QCOMPARE(layout.windowSize, QSize(156, above.bottom() + 2));
            const bool date = (choice & 4) && !(choice & (16 | 64));
            const bool opposite = (choice & 8) && !(choice & (32 | 64));
            QCOMPARE(layout.dateRightToLeft, date);
            QCOMPARE(layout.oppositeDateRightToLeft, opposite);
            QCOMPARE(layout.timeRightToLeft, (choice & 2) && (date || opposite));
        }
    }

    void columnsShareTheirBorders()
    {
        const ClockLayout layout = computeClockLayout(rows(15), 2);
        QCOMPARE(layout.columns[0].cityLabel.right(), layout.columns[1].cityLabel.left());
        // The flag sits over the name's right end; the last column's, cut by the window's edge,
        // one pixel further in.
        QCOMPARE(layout.columns[0].flag, QRect(58, 80, 18, 13));
        QCOMPARE(layout.columns[1].flag.right(), layout.columns[1].cityLabel.right() - 3);
    }

    void rowTakesTheLargestSizeItsTextsFit_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("wraps");
        QTest::addColumn<qreal>("desktop");
        QTest::addColumn<QStringList>("shortened");
        QTest::newRow("short texts keep the desktop's size")
            << QStringList{u"Cairo"_s, u"Lima"_s} << false << 9.0 << QStringList{};
        QTest::newRow("a name too long at any size is shortened; the others decide")
            << QStringList{u"Lima"_s, u"Llanfairpwllgwyngyll-gogerychwyrndrobwll"_s} << false
            << 11.0 << QStringList{u"Llanfairpwllgwyngyll-gogerychwyrndrobwll"_s};
        const QString tooLong = u"Wednesday, the thirtieth day of the month of September in the "
                                u"two thousand and twenty-sixth year of the common era"_s;
        QTest::newRow("long dates take the lines they need, or are shortened")
            << QStringList{tooLong, u"Monday, 7 December 2026"_s} << true << 14.0
            << QStringList{tooLong};
    }
    void rowTakesTheLargestSizeItsTextsFit()
    {
        QFETCH(QStringList, texts);
        QFETCH(bool, wraps);
        QFETCH(qreal, desktop);
        QFETCH(QStringList, shortened);
        const CellBox box = wraps ? LongDate : OneLine;
        QList<RowCell> cells;
        for (const QString &text : texts)
            cells.append({text, box});
        const RowTextSize size = CellText::chooseRowSize(cells, desktop, false, Measure);
        QVERIFY(size.pointSize <= desktop && size.pointSize >= CellText::MinimumPointSize);
        bool allWholeLarger = true;
        for (const QString &text : texts) {
            // Whole or shortened with an ellipsis, the lines keep inside the cell.
            const CellTextPlan plan = CellText::plan(text, box, size, Measure);
            QVERIFY(inkInside(plan, box, size.pointSize));
            QCOMPARE(plan.elided, shortened.contains(text));
            QCOMPARE(shown(plan) == QString(text).remove(u' '), !plan.elided);
            QCOMPARE(plan.lines.last().text.endsWith(CellText::Ellipsis), plan.elided);
            const RowTextSize larger{size.pointSize + CellText::PointStep, 0};
            allWholeLarger &= plan.elided || !CellText::plan(text, box, larger, Measure).elided;
        }
        // One step larger, some text shown whole would not be.
        QVERIFY(size.pointSize + CellText::PointStep > desktop || !allWholeLarger);
    }

    void timesFitWithAnyDigits()
    {
        // Sized for a time whose digits are narrow and short, the row still holds the widest
        // digits and the tallest, every one on the row's baseline.
        const RowTextSize size =
            CellText::chooseRowSize({{u"11:11:11 PM"_s, OneLine}}, 14, true, Measure);
        const QString widest = CellText::widestDigitForm(u"11:11:11 PM"_s, size.pointSize, Measure);
        QCOMPARE(widest, u"00:00:00 PM"_s);
        const int baseline = CellText::firstBaseline(OneLine, 1, size, Measure);
        for (const QString &time : {widest, u"18:18:18 PM"_s}) {
            const CellTextPlan plan = CellText::plan(time, OneLine, size, Measure);
            QVERIFY(!plan.elided && inkInside(plan, OneLine, size.pointSize));
            const QRectF ink = Measure.ink(time, size.pointSize).translated(0, baseline);
            QVERIFY(ink.top() >= OneLine.inkArea.top() - 0.125 &&
                    ink.bottom() <= OneLine.inkArea.bottom() + 0.125);
        }
        // Digits of other scripts are measured within their own script.
        QCOMPARE(CellText::widestDigitForm(u"\u0661\u0662"_s, 9, Measure), u"\u0660\u0660"_s);
    }

    void linesBreakAndShorten_data()
    {
        // Lines of `width` pixels at 9 pt; one line given is the text shortened to it instead.
        QTest::addColumn<QString>("text");
        QTest::addColumn<qreal>("width");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("between words, no blank kept")
            << u"Monday, 7 December 2026"_s << 55.0
            << QStringList{u"Monday, 7"_s, u"December"_s, u"2026"_s};
        QTest::newRow("no blanks: a number kept with what follows")
            << u"2026\u5E749\u670830\u65E5"_s << 22.0
            << QStringList{u"2026\u5E74"_s, u"9\u6708"_s, u"30\u65E5"_s};
        QTest::newRow("fits") << u"Lima"_s << 40.0 << QStringList{u"Lima"_s};
        QTest::newRow("cut") << u"Los Angeles"_s << 30.0 << QStringList{u"Los A\u2026"_s};
        QTest::newRow("no blank before the ellipsis")
            << u"Los Angeles"_s << 26.0 << QStringList{u"Los\u2026"_s};
        QTest::newRow("a letter kept with its accent")
            << u"Zu\u0308rich"_s << 16.0 << QStringList{u"Z\u2026"_s};
        QTest::newRow("no room") << u"Lima"_s << 2.0 << QStringList{u"\u2026"_s};
    }
    void linesBreakAndShorten()
    {
        QFETCH(QString, text);
        QFETCH(qreal, width);
        QFETCH(QStringList, lines);
        if (lines.size() > 1)
            QCOMPARE(CellText::breakLines(text, width, 9, Measure), lines);
        else
            QCOMPARE(CellText::elide(text, width, 9, Measure), lines[0]);
    }

    void gradients()
    {
        // Bands 3 darker a channel each, down to black, reach a line into the next; 250 / 100
        // goes to the even 2, so 100 bands leave the last 50 pixels as they were.
        const QList<GradientBand> even =
            oneColorGradientBands({250, 78}, QColor(2, 200, 255), GradientDirection::LeftToRight);
        QCOMPARE(even.last().rect, QRect(198, 0, 3, 78));
        QCOMPARE(even[1].colour, QColor(0, 194, 249));
        QCOMPARE(even[84].colour, QColor(0, 0, 0));
        // Reversed, 1049 / 100 goes to 10: the 100th band stretches back to the start edge.
        const QList<GradientBand> reversed =
            oneColorGradientBands({10, 1049}, Qt::white, GradientDirection::BottomUp);
        QCOMPARE(reversed.last().rect, QRect(0, 0, 10, 60));
        const QImage two = renderTwoColorGradient(QSize(4, 78), Qt::white, Qt::black);
        QCOMPARE(QColor(two.pixel(0, 39)), QColor(126, 126, 126));
        QCOMPARE(QColor(two.pixel(0, 77)), QColor(Qt::black));
    }

    void facePictures()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"clk01.bmp"_s);
        const QImage face = disc(78, Qt::white);
        QVERIFY(face.save(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        file.close();
        for (const bool sameFace : {true, false}) {
            // The detail drawn at twice the size names its face by the hash of the face's bytes.
            QImage detail = disc(156, Qt::blue);
            detail.setText(FacePicture::sourceKey(),
                           FacePicture::sourceHash(sameFace ? bytes : "another face"));
            QVERIFY(detail.save(FacePicture::detailedPath(path)));
            const FacePicture picture = FacePicture::load(path);
            QCOMPARE(picture.hasDetail(), sameFace);
            for (const qreal ratio : {1.5, 2.0}) {
                const QImage rendered = picture.rendered(ratio);
                QCOMPARE(rendered.deviceIndependentSize(), QSizeF(78, 78));
                QCOMPARE(rendered.pixelColor(rendered.rect().center()),
                         QColor(sameFace ? Qt::blue : Qt::white));
                QCOMPARE(rendered.pixelColor(0, 0).alpha(), 0);
            }
        }
        // The outline: the pixels not of the key colour, the top-left one's.
        const std::optional<QRegion> outline = FacePicture::load(path).outline();
        QVERIFY(outline->contains(QPoint(38, 38)) && !outline->contains(QPoint(0, 0)));
        // Up to 4 MiB is a face (what follows the pixels is never read); a byte more is none.
        QByteArray padded = bytes + QByteArray((4 << 20) - bytes.size(), '\0');
        for (const bool loads : {true, false}) {
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(padded) == padded.size());
            file.close();
            QCOMPARE(FacePicture::load(path).rendered(2).isNull(), !loads);
            padded.append('\0');
        }
    }

    void handSpritesCopyWhatStrokingDraws()
    {
        // Every hand, pen and pixel ratio: a sprite leaves what stroking leaves (smooth hands
        // within a rounding in blending), and nothing outside the area a repaint covers.
        QList<HandSprites::Hand> hands;
        for (const QPoint end : DialPoints)
            hands << HandSprites::Hand{end, Qt::red, SecondHandPenWidth}
                  << HandSprites::Hand{end, Qt::black, HandPenWidth};
        for (const auto &band : HourPoints) {
            for (const QPoint end : band)
                hands << HandSprites::Hand{end, QColor(159, 159, 159), HandPenWidth};
        }
        for (const qreal ratio : {1.0, 1.5, 2.0}) {
            HandSprites sprites;
            for (const HandSprites::Hand &hand : hands) {
                QImage stroked(QSize(78, 78) * ratio, QImage::Format_RGB32);
                stroked.setDevicePixelRatio(ratio);
                stroked.fill(Qt::white);
                QImage copied = stroked.copy();
                HandSprites::stroke(*std::make_unique<QPainter>(&stroked), hand);
                sprites.draw(*std::make_unique<QPainter>(&copied), hand);
                QRect inked;
                for (int y = 0; y < stroked.height(); ++y) {
                    for (int x = 0; x < stroked.width(); ++x) {
                        const QColor p = stroked.pixelColor(x, y), q = copied.pixelColor(x, y);
                        QVERIFY(std::max({qAbs(p.red() - q.red()), qAbs(p.green() - q.green()),
                                          qAbs(p.blue() - q.blue())}) <= (ratio == 1 ? 0 : 2));
                        inked |= p == Qt::white ? QRect() : QRect(x, y, 1, 1);
                    }
                }
                QVERIFY(HandSprites::bounds(hand).contains(
                    QRectF(QPointF(inked.topLeft()) / ratio, QSizeF(inked.size()) / ratio)
                        .toAlignedRect()));
            }
        }
    }

    void wheelTurns_data()
    {
        QTest::addColumn<QList<int>>("angles");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("minutes");
        QTest::newRow("two notches later") << QList{120, 120} << 15 << 30;
        QTest::newRow("fine wheel adds up") << QList{40, 40, 30, 30} << 15 << 15;
        QTest::newRow("fine wheel short of a notch") << QList{40, 40} << 15 << 0;
        QTest::newRow("turning back starts afresh") << QList{100, -60, -60} << 15 << -15;
        QTest::newRow("never beyond a year")
            << QList{120 * 400} << 24 * 60 << LookAhead::MaxMinutes;
    }
    void wheelTurns()
    {
        QFETCH(QList<int>, angles);
        QFETCH(int, step);
        LookAhead ahead;
        for (const int angle : angles)
            ahead.turn(angle, step, m_start);
        QTEST(ahead.minutes(), "minutes");
    }

    void lookingAheadReturnsToNowAfterTheWheelRests()
    {
        LookAhead ahead;
        QVERIFY(ahead.turn(120, 15, m_start));
        QVERIFY(!ahead.expire(m_start.addMSecs(LookAhead::ReturnAfterMs - 1)));
        ahead.hold(m_start.addSecs(5)); // a menu open: the rest counts from here
        QVERIFY(!ahead.expire(m_start.addMSecs(LookAhead::ReturnAfterMs + 1000)));
        QVERIFY(ahead.expire(m_start.addMSecs(LookAhead::ReturnAfterMs + 5000)));
        // A clock set back cannot say how long the wheel rested: back to now.
        QVERIFY(ahead.turn(120, 15, m_start));
        QVERIFY(ahead.expire(m_start.addSecs(-1)));
        QCOMPARE(LookAhead::offsetText(-45), u"\u221245 min"_s);
        QCOMPARE(LookAhead::offsetText(1440 + 15), u"+1 d 0 h 15"_s);
    }

    void windowPlace_data()
    {
        QTest::addColumn<QList<QRect>>("screens"); // the first is the primary one
        QTest::addColumn<QList<KeptPlace>>("kept");
        QTest::addColumn<QPoint>("expected");
        // The order the window system lists the screens in does not matter.
        const QString both = ScreenArrangement{{Right, Left}, Right}.text();
        const QString left = ScreenArrangement{{Left}, Left}.text();
        const QPoint centre(434, 0); // (1024 - 156) / 2
        QTest::newRow("kept for these screens")
            << QList{Left} << QList<KeptPlace>{{left, {10, 20}}} << QPoint(10, 20);
        QTest::newRow("top centre of the primary screen")
            << QList{Right, Left} << QList<KeptPlace>{} << QPoint(1024 + 562, 0);
        QTest::newRow("these screens' own place before a more recent other one")
            << QList{Left, Right} << QList<KeptPlace>{{left, {10, 20}}, {both, {1500, 30}}}
            << QPoint(1500, 30);
        QTest::newRow("screen unplugged: its place is on no screen")
            << QList{Left} << QList<KeptPlace>{{both, {1500, 30}}} << centre;
        QTest::newRow("screen plugged in: another arrangement's place still shown")
            << QList{Left, Right} << QList<KeptPlace>{{left, {10, 20}}} << QPoint(10, 20);
        QTest::newRow("32 pixels each way on a screen: shown")
            << QList{Left} << QList<KeptPlace>{{left, {992, -112}}} << QPoint(992, -112);
        QTest::newRow("31 pixels down: not")
            << QList{Left} << QList<KeptPlace>{{left, {0, 737}}} << centre;
    }
    void windowPlace()
    {
        QFETCH(QList<QRect>, screens);
        QFETCH(QList<KeptPlace>, kept);
        SettingsState settings;
        settings.keptPlaces = kept;
        const QPoint topCentre = clockWindowPlace({screens, screens[0]}, {156, 144}, settings);
        QCOMPARE(topCentre.y(), 0); // with the option off, whatever is kept
        settings.displayOptions.keepPosition = true;
        QTEST(clockWindowPlace({screens, screens[0]}, QSize(156, 144), settings), "expected");
    }
};

QTEST_GUILESS_MAIN(TestStripModel)
#include "tst_stripmodel.moc"
