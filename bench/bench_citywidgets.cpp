// Times once, on the offscreen platform, what a user waits for in the three lists of cities when
// the city list holds 10,000 cities: opening each dialog (reading, sorting and filling its list,
// then showing it) and each keystroke of a search, painted. Prints the median of five rounds in
// milliseconds. Run: bench_citywidgets (QT_QPA_PLATFORM defaults to offscreen).

#include "citynames.h"

#include "cities/cityeditor.h"
#include "clocklist/clocklisteditor.h"
#include "options/optionsdialog.h"
#include "ui/messagepresenter.h"
#include "zonetime/zonetable.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int Cities = 10'000;
constexpr int Rounds = 5;

class SilentPresenter final : public MessagePresenter {
public:
    QMessageBox::StandardButton show(QWidget *, QMessageBox::Icon, const QString &,
                                     QMessageBox::StandardButtons) override
    {
        return QMessageBox::Ok;
    }
};

// An application folder whose city list holds `count` cities with 300 different flags.
QStringList makeFolder(const QString &path, int count)
{
    QDir(path).mkdir(u"flags"_s);
    QImage flag(16, 11, QImage::Format_RGB32);
    QStringList lines;
    QByteArray text;
    const QStringList names = madeUpCityNames(count);
    for (int i = 0; i < count; ++i) {
        const int n = i % 300;
        const QString code = QString(QChar(u'A' + n % 26)) + QChar(u'A' + n / 26) + u'X';
        if (i < 300) {
            flag.fill(QColor::fromHsv(n, 200, 200));
            flag.save(path + u"/flags/"_s + code + u".bmp"_s, "BMP");
        }
        const int minutes = (i * 37) % (25 * 60) - 12 * 60;
        const QString zone =
            (minutes < 0 ? u"-"_s : u"+"_s) + u"%1:%2"_s.arg(qAbs(minutes) / 60, 2, 10, QChar(u'0'))
                                                  .arg(qAbs(minutes) % 60, 2, 10, QChar(u'0'));
        lines.append(names.at(i) + u'!' + zone + u'!' + code + u".bmp"_s);
        text += lines.last().toUtf8() + "\r\n";
    }
    QFile file(path + u"/Cities.txt"_s);
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
    QFile settings(path + u"/Kerani.ini"_s);
    if (settings.open(QIODevice::WriteOnly))
        settings.write("[Settings]\r\nLocal=" + lines.at(0).toUtf8() + "\r\nClocks=01\r\n");
    return lines;
}

double milliseconds(const std::function<void()> &step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    // What the step asked for is on the screen when the pending layouts and paints are done.
    QApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(u"en_US"_s));
    QTemporaryDir dir;
    const QStringList lines = makeFolder(dir.path(), Cities);
    const AppFolder folder(dir.path());
    SettingsState settings;
    settings.localCity = lines.at(0);
    settings.clockCount = 1;
    settings.clockList = {lines.at(0)};
    SilentPresenter messages;
    const Clock clock([] { return QDateTime::currentDateTime(); });
    const ZoneTable zones;

    std::map<QString, QList<double>> times; // step -> one time per round
    std::map<QString, int> shown;           // step -> the cities shown after it
    QStringList steps;
    std::function<int()> countShown;
    const auto measure = [&](const QString &step, const std::function<void()> &action) {
        if (!steps.contains(step))
            steps.append(step);
        times[step].append(milliseconds(action));
        shown[step] = countShown ? countShown() : -1;
    };
    // Types "sao p" a key at a time, then ends the search with `end`.
    const auto typeSearch = [&](const QString &dialog, QWidget *field, Qt::Key end) {
        field->setFocus();
        QString typed;
        for (const QChar key : u"sao p"_s) {
            typed += key;
            measure(dialog + u": keystroke \""_s + typed + u'"', [&] {
                QWidget *target = QApplication::activePopupWidget();
                QTest::keyClick(target ? target : field, key.toLatin1());
            });
        }
        measure(dialog + (end == Qt::Key_Escape ? u": Escape, every city shown again"_s
                                                : u": Enter, the first match chosen"_s),
                [&] {
                    QWidget *target = QApplication::activePopupWidget();
                    QTest::keyClick(target ? target : field, end);
                });
    };

    for (int round = 0; round < Rounds; ++round) {
        std::unique_ptr<CityEditor> editor;
        countShown = [&editor] {
            const auto *list = editor->findChild<QTreeWidget *>(u"cityList"_s);
            int count = 0;
            for (int i = 0; i < list->topLevelItemCount(); ++i)
                count += !list->topLevelItem(i)->isHidden();
            return count;
        };
        measure(u"city editor: open, list filled and sorted"_s, [&] {
            editor = std::make_unique<CityEditor>(folder, settings, messages);
            editor->show();
        });
        typeSearch(u"city editor"_s, editor->findChild<QLineEdit *>(u"citySearchEdit"_s),
                   Qt::Key_Escape);
        editor.reset();

        // A combo shows its matches in the completer's list while a search runs, else every city.
        const auto countInCombo = [](const QComboBox *combo) {
            const QAbstractItemView *matches = combo->completer()->popup();
            return matches->isVisible() ? matches->model()->rowCount() : combo->count();
        };
        std::unique_ptr<ClockListEditor> clocks;
        countShown = [&] { return countInCombo(clocks->findChild<QComboBox *>(u"cityCombo"_s)); };
        measure(u"clock list editor: open, combo filled and sorted"_s, [&] {
            clocks = std::make_unique<ClockListEditor>(folder, settings, messages);
            clocks->show();
        });
        typeSearch(u"clock list editor"_s, clocks->findChild<QComboBox *>(u"cityCombo"_s),
                   Qt::Key_Return);
        clocks.reset();

        std::unique_ptr<OptionsDialog> options;
        countShown = [&] {
            return countInCombo(options->findChild<QComboBox *>(u"localCityCombo"_s));
        };
        measure(u"options: open, combo filled and sorted"_s, [&] {
            options = std::make_unique<OptionsDialog>(folder, settings, clock, zones, messages);
            options->show();
        });
        typeSearch(u"options"_s, options->findChild<QComboBox *>(u"localCityCombo"_s),
                   Qt::Key_Return);
        options.reset();
        countShown = nullptr;
    }

    std::printf("%d cities, median of %d rounds\n\n| Step | ms | cities shown |\n|---|---|---|\n",
                Cities, Rounds);
    for (const QString &step : steps) {
        QList<double> round = times[step];
        std::sort(round.begin(), round.end());
        std::printf("| %s | %.1f | %d |\n", qPrintable(step), round.at(round.size() / 2),
                    shown[step]);
    }
    return 0;
}
