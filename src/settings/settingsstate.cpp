#include "settings/settingsstate.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<BackgroundKind, QStringView>, 5> BackgroundCodes = {{
    {BackgroundKind::None, u"non"},
    {BackgroundKind::Picture, u"pic"},
    {BackgroundKind::Solid, u"sld"},
    {BackgroundKind::OneColourGradient, u"grt1"},
    {BackgroundKind::TwoColourGradient, u"grt2"},
}};

} // namespace

QString backgroundCode(BackgroundKind kind)
{
    for (const auto &[known, code] : BackgroundCodes) {
        if (known == kind)
            return code.toString();
    }
    return {};
}

std::optional<BackgroundKind> backgroundKindOf(QStringView code)
{
    for (const auto &[kind, known] : BackgroundCodes) {
        if (code == known)
            return kind;
    }
    return std::nullopt;
}
