#include "app/commandline.h"

#include "settings/settingsloader.h"
#include "zonetime/clocklines.h"
#include "zonetime/zonetable.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

/// The context of the texts of a run without a window, for translators.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

/// A usage error: the message on `errors`, and the status a shell takes for one.
int usageError(QTextStream &errors, const QString &message)
{
    errors << QCoreApplication::applicationName() << u": "_s << message << u'\n'
           << Texts::tr("Try '%1 --help' for the options.").arg(QCoreApplication::applicationName())
           << u'\n';
    errors.flush();
    return 2;
}

} // namespace

namespace CommandLine {

bool wantsTextRun(const QStringList &arguments)
{
    static const QStringList TextOptions = {u"--print"_s,    u"--at"_s,      u"--help"_s, u"-h"_s,
                                            u"--help-all"_s, u"--version"_s, u"-v"_s};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == u"--"_s)
            break;
        if (TextOptions.contains(argument) || argument.startsWith(u"--at="_s))
            return true;
    }
    return false;
}

std::optional<QDateTime> parseInstant(QStringView text)
{
    const QDateTime instant = QDateTime::fromString(text.toString(), Qt::ISODate);
    // A reading without "Z" or an offset is local time: no instant. Years outside four digits
    // would make date texts no one can read ("00-1").
    if (!instant.isValid() || instant.timeSpec() == Qt::LocalTime)
        return std::nullopt;
    const int year = instant.toUTC().date().year();
    if (year < 1000 || year > 9999)
        return std::nullopt;
    return instant;
}

int run(const QStringList &arguments, const AppFolder &folder, const QDateTime &now,
        QTextStream &out, QTextStream &errors)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Texts::tr("Kerani, a desktop world clock. Without options it shows its clock window."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption printOption(
        u"print"_s,
        Texts::tr("Print the clocks as text and end, without a window: one line per clock, "
                  "with its name, time, date, opposite date and followed zone, separated "
                  "by tabs."));
    const QCommandLineOption atOption(
        u"at"_s,
        Texts::tr(
            "With --print: the clocks at this instant instead of now, in ISO 8601 with Z or an "
            "offset (2026-03-29T00:59:59Z, 2026-03-29T02:59:59+02:00)."),
        Texts::tr("time"));
    parser.addOption(printOption);
    parser.addOption(atOption);

    if (!parser.parse(arguments))
        return usageError(errors, parser.errorText());
    if (parser.isSet(helpOption) || parser.isSet(u"help-all"_s)) {
        out << parser.helpText();
        out.flush();
        return 0;
    }
    if (parser.isSet(versionOption)) {
        out << QCoreApplication::applicationName() << u' ' << QCoreApplication::applicationVersion()
            << u'\n';
        out.flush();
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(
            errors,
            Texts::tr("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst()));
    if (!parser.isSet(printOption))
        return usageError(errors, Texts::tr("--at goes with --print."));

    QDateTime instant = now;
    if (parser.isSet(atOption)) {
        const QString value = parser.value(atOption);
        const std::optional<QDateTime> at = parseInstant(value);
        if (!at)
            return usageError(
                errors, Texts::tr("--at needs an instant in ISO 8601 with Z or an offset from UTC, "
                                  "such as 2026-03-29T00:59:59Z or 2026-03-29T02:59:59+02:00, "
                                  "in the years 1000 to 9999, not '%1'.")
                            .arg(value));
        instant = *at;
    }

    // What the window would read after a start-up that could not restore a missing file; nothing
    // is restored here, and nothing written.
    const AppFolder places = folder.readingFactoryCopiesOfMissingFiles();
    const SettingsState settings = loadSettings(places);
    // The window's clock reads the computer's local time; an instant from --at is read so too.
    const QStringList lines =
        clockTextLines(settings, ZoneTable::read(places), instant.toLocalTime(), QLocale());
    for (const QString &line : lines)
        out << line << u'\n';
    out.flush();
    return 0;
}

} // namespace CommandLine
