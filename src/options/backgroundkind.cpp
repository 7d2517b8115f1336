#include "options/backgroundkind.h"

#include <array>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

constexpr std::array<std::pair<BackgroundKind, QStringView>, 5> Codes = {{
    {BackgroundKind::None, u"non"},
    {BackgroundKind::Picture, u"pic"},
    {BackgroundKind::Solid, u"sld"},
    {BackgroundKind::OneColorGradient, u"grt1"},
    {BackgroundKind::TwoColorGradient, u"grt2"},
}};

} // namespace

namespace BackgroundCode {

std::optional<BackgroundKind> kindOf(QStringView code)
{
    for (const auto &[kind, text] : Codes) {
        if (code == text)
            return kind;
    }
    return std::nullopt;
}

QString codeOf(BackgroundKind kind)
{
    for (const auto &[known, text] : Codes) {
        if (known == kind)
            return text.toString();
    }
    return {};
}

} // namespace BackgroundCode
