#pragma once

#include <QString>
#include <QStringView>

#include <optional>

/// The kinds of clock background the options dialog offers, in the order of its buttons.
enum class BackgroundKind { None, Picture, Solid, OneColorGradient, TwoColorGradient };

/// The BackGround codes of the settings file and the kinds they stand for.
namespace BackgroundCode {

/// The kind a stored code stands for ("non", "pic", "sld", "grt1", "grt2", matched exactly), or
/// nothing for any other text: the dialog then shows no kind chosen.
[[nodiscard]] std::optional<BackgroundKind> kindOf(QStringView code);

/// The code a kind is stored as.
[[nodiscard]] QString codeOf(BackgroundKind kind);

} // namespace BackgroundCode
