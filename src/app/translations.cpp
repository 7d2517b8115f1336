#include "app/translations.h"

#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

// Qt lays out every window right to left when the installed translations translate this text to
// "RTL". Qt's own Arabic translation says so as well, but the program's must not depend on it.
[[maybe_unused]] constexpr const char *LayoutDirection =
    //: "RTL" for a language written right to left, else "LTR".
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

bool isSourceLanguage(QStringView language)
{
    return language == u"C" || language == u"en" || language.startsWith(u"en_");
}

} // namespace

namespace Translations {

QString install(QCoreApplication &app, const QLocale &locale, const QString &folder,
                const QString &qtFolder)
{
    auto *own = new QTranslator(&app);
    for (QString language : locale.uiLanguages()) {
        language.replace(u'-', u'_');
        if (isSourceLanguage(language))
            break;
        // "kerani_de_AT" falls back to "kerani_de".
        if (own->load(u"kerani_"_s + language, folder))
            break;
    }
    if (own->isEmpty()) {
        delete own;
        return {};
    }
    QCoreApplication::installTranslator(own);

    auto *qt = new QTranslator(&app);
    if (qt->load(u"qtbase_"_s + own->language(), qtFolder))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return own->language();
}

QString installForUser(QCoreApplication &app)
{
    return install(app, QLocale::system(), ResourceFolder.toString(),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace Translations
