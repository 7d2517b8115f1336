#pragma once

#include "settings/profiledocument.h"
#include "settings/settingsstate.h"

#include <QList>

/// How many screen arrangements keep a place of their own. A drag on one more arrangement forgets
/// the arrangement dragged on least recently, so the section never grows beyond this.
inline constexpr qsizetype MaxKeptPlaces = 4;

/// The places kept in section Window_Position. Slot n holds the keys Screens_n (the arrangement)
/// and Place_n (the top-left corner as "x,y"); slot 1 is the most recent. Slots 1 to MaxKeptPlaces
/// are read; a slot without both keys, with a place that is not two whole numbers within a million
/// pixels of the origin, or naming an arrangement an earlier slot names, is skipped.
[[nodiscard]] QList<KeptPlace> readKeptPlaces(const ProfileDocument &document);

/// The places with `place` as the most recent one: an older place of the same arrangement goes,
/// and so do the least recent beyond MaxKeptPlaces.
[[nodiscard]] QList<KeptPlace> withKeptPlace(QList<KeptPlace> places, const KeptPlace &place);

/// Writes the places into slots 1 onwards. Returns false when a value cannot be stored (a line
/// break in it, or an arrangement longer than a value can be read back); the document may then
/// hold part of the writes and must not be saved.
[[nodiscard]] bool writeKeptPlaces(ProfileDocument &document, const QList<KeptPlace> &places);
