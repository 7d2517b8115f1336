// The translations at work (that every text is translated is the test translations_complete).

#include "app/translations.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

/// The placeholders of a text (%1 to %99, %n; %L1 is %1 in the locale's digits) and whether it
/// has a mnemonic ("&&" is a plain "&").
QString marks(QString text, bool numerus)
{
    static const QRegularExpression pattern(u"%L?([1-9][0-9]?|n)"_s);
    QStringList found;
    for (const QRegularExpressionMatch &match : pattern.globalMatch(text))
        found.append(match.captured(1));
    if (numerus) // a plural form may say its number in words ("two days")
        found.removeAll(u"n"_s);
    found.sort();
    found.removeDuplicates();
    const bool mnemonic = text.remove(u"&&"_s).contains(QRegularExpression(u"&."_s));
    return found.join(u',') + (mnemonic ? u" &"_s : QString());
}

} // namespace

class TestTranslations final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { qDeleteAll(qApp->findChildren<QTranslator *>()); }

    void textsKeepTheirPlaceholdersAndMnemonics()
    {
        for (const QString &path : QStringLiteral(KERANI_TS_FILES).split(u'|')) {
            QFile file(path);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
            QXmlStreamReader xml(&file);
            QString source;
            bool numerus = false;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == u"message") {
                    numerus = xml.attributes().value(u"numerus"_s) == u"yes";
                } else if (xml.name() == u"source") {
                    source = xml.readElementText();
                } else if (xml.name() == (numerus ? u"numerusform"_s : u"translation"_s)) {
                    const QString translation = xml.readElementText();
                    QVERIFY2(marks(translation, numerus) == marks(source, numerus),
                             qPrintable(path + u": "_s + translation));
                }
            }
            QVERIFY2(!xml.hasError(), qPrintable(path));
        }
    }

    void languageOfTheUser_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::newRow("Arabic of Saudi Arabia")
            << QLocale(u"ar_SA"_s) << u"ar"_s << Qt::RightToLeft;
        QTest::newRow("German of Austria") << QLocale(u"de_AT"_s) << u"de"_s << Qt::LeftToRight;
        QTest::newRow("English") << QLocale(u"en_GB"_s) << QString() << Qt::LeftToRight;
    }
    void languageOfTheUser()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, language);
        QCOMPARE(Translations::install(*qApp, locale, Translations::ResourceFolder.toString(),
                                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)),
                 language);
        // Qt's standard buttons speak the same language, and none other.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel") == u"Cancel"_s,
                 language.isEmpty());
        QTEST(QGuiApplication::layoutDirection(), "direction");
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
