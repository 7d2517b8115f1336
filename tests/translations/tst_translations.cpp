// The translations at work. Every translated text keeps the placeholders and the mnemonic of its
// source; every window and menu of the program, built in each language, has as many mnemonics as
// in English, none twice; Arabic lays the windows out right to left; Qt's own buttons follow the
// program's language. That every text is translated at all is the test translations_complete.

#include "app/application.h"
#include "app/translations.h"
#include "cities/cityeditor.h"
#include "clocklist/clocklisteditor.h"
#include "options/optionsdialog.h"
#include "support/recordingpresenter.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct TsMessage {
    QString context;
    QString source;
    QStringList translations; // one, or one per plural form
    bool numerus = false;
};

QList<TsMessage> readTs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<TsMessage> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.append(
                {context, {}, {}, xml.attributes().value(QLatin1StringView("numerus")) == u"yes"});
        } else if (xml.name() == u"source") {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == u"translation" && !messages.last().numerus) {
            messages.last().translations.append(xml.readElementText());
        } else if (xml.name() == u"numerusform") {
            messages.last().translations.append(xml.readElementText());
        }
    }
    return messages;
}

// The character a caption's mnemonic is typed with, lower-cased; "&&" is a plain "&".
std::optional<QChar> mnemonic(QStringView text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return std::nullopt;
}

// The placeholders of a text: %1 to %99 and %n; "%L1" is %1 written in the locale's digits.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(u"%L?([1-9][0-9]?|n)"_s);
    QStringList found;
    for (const QRegularExpressionMatch &match : pattern.globalMatch(text))
        found.append(match.captured(1));
    found.sort();
    found.removeDuplicates();
    return found;
}

// The captions that carry mnemonics in a window or a menu.
QStringList captions(const QWidget *window)
{
    QStringList texts;
    if (const auto *menu = qobject_cast<const QMenu *>(window)) {
        for (const QAction *action : menu->actions())
            texts.append(action->text());
        return texts;
    }
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
        texts.append(button->text());
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->buddy())
            texts.append(label->text());
    }
    for (const QGroupBox *box : window->findChildren<QGroupBox *>())
        texts.append(box->title());
    return texts;
}

// Every window and menu of the program, built in the language installed now.
class Windows final {
public:
    explicit Windows(const QString &folder)
        : m_app(AppFolder(folder), Clock::system(), m_messages)
        , m_clockList(m_app.appFolder(), m_app.settings(), m_messages)
        , m_cityEditor(m_app.appFolder(), m_app.settings(), m_messages)
        , m_options(m_app.appFolder(), m_app.settings(), m_app.clock(), m_app.zoneTable(),
                    m_messages)
    {
    }

    [[nodiscard]] QList<const QWidget *> all() const
    {
        return {m_app.mainMenu(), m_app.mainMenu()->findChild<QMenu *>(u"helpMenu"_s),
                &m_clockList,     &m_cityEditor,
                &m_options,       &m_about};
    }

private:
    RecordingPresenter m_messages;
    Application m_app;
    ClockListEditor m_clockList;
    CityEditor m_cityEditor;
    OptionsDialog m_options;
    AboutBox m_about;
};

// How many captions of each window carry a mnemonic; a mnemonic used twice in one window is a
// problem.
QList<int> mnemonicCounts(const QString &folder, QStringList &problems)
{
    const Windows windows(folder);
    QList<int> counts;
    for (const QWidget *window : windows.all()) {
        QList<QChar> used;
        for (const QString &caption : captions(window)) {
            const std::optional<QChar> key = mnemonic(caption);
            if (!key)
                continue;
            if (used.contains(*key))
                problems.append(window->objectName() + u": "_s + caption);
            used.append(*key);
        }
        counts.append(int(used.size()));
    }
    return counts;
}

void removeTranslations()
{
    qDeleteAll(qApp->findChildren<QTranslator *>());
}

QString qtTranslationsFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

} // namespace

class TestTranslations final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void cleanup() { removeTranslations(); }

    void textsKeepTheirPlaceholdersAndMnemonics_data()
    {
        QTest::addColumn<QString>("tsFile");
        for (const QString &file : QStringLiteral(KERANI_TS_FILES).split(u'|'))
            QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
    }
    void textsKeepTheirPlaceholdersAndMnemonics()
    {
        QFETCH(QString, tsFile);
        const QList<TsMessage> messages = readTs(tsFile);
        QVERIFY2(messages.size() > 100, qPrintable(tsFile));
        QStringList problems;
        for (const TsMessage &message : messages) {
            QStringList expected = placeholders(message.source);
            if (message.numerus)
                expected.removeAll(u"n"_s);
            for (const QString &translation : message.translations) {
                QStringList found = placeholders(translation);
                // A plural form may say its number in words ("two days").
                if (message.numerus)
                    found.removeAll(u"n"_s);
                if (found != expected)
                    problems.append(u"placeholders: "_s + translation);
                if (mnemonic(message.source).has_value() != mnemonic(translation).has_value())
                    problems.append(u"mnemonic: "_s + translation);
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    void languageOfTheUser_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("language");
        QTest::newRow("Arabic of Saudi Arabia") << QLocale(u"ar_SA"_s) << u"ar"_s;
        QTest::newRow("German of Austria") << QLocale(u"de_AT"_s) << u"de"_s;
        QTest::newRow("English") << QLocale(u"en_GB"_s) << QString();
        QTest::newRow("no translation") << QLocale(u"fi_FI"_s) << QString();
    }
    void languageOfTheUser()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, language);
        QCOMPARE(Translations::install(*qApp, locale, Translations::ResourceFolder.toString(),
                                       qtTranslationsFolder()),
                 language);
        // Qt's standard buttons speak the same language, and none other.
        const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
        QCOMPARE(cancel == u"Cancel"_s, language.isEmpty());
    }

    void windowsInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::newRow("Arabic") << u"ar"_s << Qt::RightToLeft;
        QTest::newRow("German") << u"de"_s << Qt::LeftToRight;
    }
    void windowsInEveryLanguage()
    {
        QFETCH(QString, language);
        QFETCH(Qt::LayoutDirection, direction);
        QStringList problems;
        const QList<int> english = mnemonicCounts(m_dir.path(), problems);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));

        QCOMPARE(Translations::install(*qApp, QLocale(language),
                                       Translations::ResourceFolder.toString(),
                                       qtTranslationsFolder()),
                 language);
        QCOMPARE(QGuiApplication::layoutDirection(), direction);
        QCOMPARE(mnemonicCounts(m_dir.path(), problems), english);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
