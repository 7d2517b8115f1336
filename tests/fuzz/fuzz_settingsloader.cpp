// The settings loader over arbitrary settings files: the state it gives is consistent, what the
// two Saves write from that state loads back as the same state, and keeping a window place
// changes the kept places alone.

#include "fuzzsupport.h"
#include "settings/keptplaces.h"
#include "settings/profiledocument.h"
#include "settings/settingsloader.h"
#include "settings/settingswriter.h"

using namespace Qt::StringLiterals;

namespace {

constexpr qint16 MaxClocksSaved = 200;

QString describe(const SettingsState &state)
{
    const DisplayOptions &o = state.displayOptions;
    QString text = u"local "_s % Fuzz::quoted(state.localCity) % u", clocks "_s %
                   QString::number(state.clockCount);
    for (const QString &clock : state.clockList)
        text += u"\n  clock "_s % Fuzz::quoted(clock);
    text += u"\n  options "_s %
            QStringList{QString::number(o.alwaysOnTop),
                        QString::number(o.hideSysTrayIcon),
                        QString::number(qint16(o.faceStyle)),
                        o.background ? backgroundCode(*o.background) : u"(unknown)"_s,
                        o.backgroundPicture,
                        o.solidColour.name(),
                        o.gradientColour.name(),
                        QString::number(qint16(o.gradientDirection)),
                        o.topColour.name(),
                        o.bottomColour.name(),
                        QString::number(o.displayClock),
                        QString::number(o.displayTime),
                        QString::number(o.displayDate),
                        QString::number(o.displayOppositeDate),
                        QString::number(qint16(o.timeFormat)),
                        QString::number(qint16(o.dateFormat)),
                        QString::number(qint16(o.oppositeDateFormat)),
                        QString::number(qint16(o.oppositeDateShift)),
                        QString::number(o.keepPosition)}
                .join(u" | ");
    for (const KeptPlace &place : state.keptPlaces) {
        text += u"\n  place "_s % Fuzz::quoted(place.screens) % u' ' %
                QString::number(place.topLeft.x()) % u',' % QString::number(place.topLeft.y());
    }
    return text;
}

void checkConsistent(const SettingsState &state)
{
    Fuzz::check(state.clockCount >= 0, "the clock count is not negative",
                [&]() -> QString { return describe(state); });
    Fuzz::check(state.clockList.size() == state.clockCount, "one clock entry per counted clock",
                [&]() -> QString { return describe(state); });
    const DisplayOptions &o = state.displayOptions;
    for (const QString &text :
         QStringList{state.localCity, o.backgroundPicture} + state.clockList) {
        Fuzz::check(text.size() <= ProfileDocument::MaxValueLength, "texts are at most 254 long",
                    [&]() -> QString { return Fuzz::quoted(text); });
    }
    Fuzz::check(state.keptPlaces.size() <= MaxKeptPlaces, "at most four kept places",
                [&]() -> QString { return describe(state); });
    for (const KeptPlace &place : state.keptPlaces) {
        Fuzz::check(!place.screens.isEmpty() &&
                        place.screens.size() <= ProfileDocument::MaxValueLength,
                    "kept places name their screens in at most 254 characters",
                    [&]() -> QString { return describe(state); });
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Fuzz::Input input(data, size);
    const QString text = TextFile::decode(input.file);
    ProfileDocument document = ProfileDocument::fromText(text);
    const SettingsState loaded = loadSettings(document);
    checkConsistent(loaded);
    Fuzz::check(document.toText() == text, "loading changes nothing");

    // A count in the thousands costs the Saves below a second per input under the sanitizers;
    // the fault tests save a thousand clocks, so the fuzzer keeps to the inputs it can run fast.
    if (loaded.clockCount > MaxClocksSaved)
        return 0;

    // Both Saves with exactly what was loaded: the file then loads as the same state. The options
    // Save writes BackGround only for a known kind, and otherwise keeps the key.
    OptionsSave options{loaded.localCity, loaded.displayOptions};
    if (const FileResult<> written = writeOptions(document, options); !written)
        Fuzz::fail("the options Save refuses values it loaded", written.error());
    if (const FileResult<> written = writeClockList(document, loaded.clockCount, loaded.clockList);
        !written)
        Fuzz::fail("the clock list Save refuses values it loaded", written.error());
    const QString saved = document.toText();
    const SettingsState reloaded = loadSettings(ProfileDocument::fromText(saved));
    Fuzz::check(reloaded == loaded, "what the Saves write loads back the same", [&]() -> QString {
        return u"loaded:   "_s % describe(loaded) % u"\nreloaded: "_s % describe(reloaded) %
               u"\nsaved text: "_s % Fuzz::quoted(saved);
    });

    // Keeping a place: it comes first, and nothing else that loads changes.
    const QList<KeptPlace> places =
        withKeptPlace(loaded.keptPlaces, {u"0,0,1024,768"_s, QPoint(-5, 7)});
    if (!writeKeptPlaces(document, places))
        Fuzz::fail("a place cannot be kept", Fuzz::quoted(saved));
    const QString withPlace = document.toText();
    SettingsState kept = loadSettings(ProfileDocument::fromText(withPlace));
    const bool placesKept = kept.keptPlaces == places;
    kept.keptPlaces = loaded.keptPlaces;
    Fuzz::check(placesKept && kept == loaded, "keeping a place changes the places alone",
                [&]() -> QString {
                    return u"loaded: "_s % describe(loaded) % u"\nkept:   "_s %
                           describe(loadSettings(ProfileDocument::fromText(withPlace)));
                });
    return 0;
}
