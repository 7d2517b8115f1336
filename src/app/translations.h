#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>

/// The program's translations: one .qm file per language, kerani_<language>.qm, compiled into the
/// program under ResourceFolder (the sources are translations/kerani_<language>.ts).
namespace Translations {

inline constexpr QStringView ResourceFolder = u":/i18n";

/// Installs on `app` the program's translation for the first of the locale's user-interface
/// languages (QLocale::uiLanguages(), which follows $LANGUAGE and $LANG) that it has, and Qt's own
/// translation of its standard buttons and dialogs (qtbase_<language>.qm in `qtFolder`) in that
/// same language, so that a dialog never mixes two languages. An English language before any
/// translated one keeps the program in English, its own language. Returns the language installed
/// ("ar", "de"), or an empty text when there is none. Installing a right-to-left language lays out
/// every window right to left.
QString install(QCoreApplication &app, const QLocale &locale, const QString &folder,
                const QString &qtFolder);

/// install() for the user's languages, from the compiled-in files and Qt's installed ones.
QString installForUser(QCoreApplication &app);

} // namespace Translations
