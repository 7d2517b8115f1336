#pragma once
// Shared by the fuzz targets: a property that does not hold aborts, so libFuzzer keeps the input.

#include "settings/textfile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace Fuzz {

inline void check(bool holds, const char *property, const QString &text = {})
{
    if (holds)
        return;
    std::fprintf(stderr, "\nProperty does not hold: %s\n%s\n", property, qUtf8Printable(text));
    std::abort();
}

/// A file (the bytes before the first NUL, so a real file is all file), then the choices.
struct Input {
    Input(const std::uint8_t *data, std::size_t size)
        : split(std::size_t(std::find(data, data + size, 0) - data))
        , text(TextFile::decode(QByteArray(reinterpret_cast<const char *>(data), qsizetype(split))))
        , choices(data + std::min(size, split + 1), size - std::min(size, split + 1))
    {
    }
    QString takeText(std::size_t maxBytes) // decoded as the program decodes its files
    {
        const std::string bytes = choices.ConsumeRandomLengthString(maxBytes);
        return TextFile::decode(QByteArray(bytes.data(), qsizetype(bytes.size())));
    }
    QString takeName(const QStringList &names) // one of them, or now and then a text of its own
    {
        const auto pick = choices.ConsumeIntegralInRange<int>(0, int(names.size()) + 1);
        return pick < names.size() ? names[pick] : takeText(24);
    }
    std::size_t split;
    QString text;
    FuzzedDataProvider choices;
};

} // namespace Fuzz
