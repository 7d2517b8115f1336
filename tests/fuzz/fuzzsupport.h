#pragma once

#include "settings/textfile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>
#include <QDebug>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <type_traits>

// Helpers shared by the fuzz targets. A target checks properties and aborts when one fails, so
// libFuzzer keeps the input as a crash artifact; a plain crash or a sanitizer report does the same.
namespace Fuzz {

/// The text in quotes with control characters escaped, for reports.
inline QString quoted(const QString &text)
{
    QString result;
    QDebug(&result) << text;
    return result;
}

[[noreturn]] inline void fail(const char *property, const QString &detail = {})
{
    std::fprintf(stderr, "\nProperty does not hold: %s\n%s\n", property, qUtf8Printable(detail));
    std::fflush(stderr);
    std::abort();
}

inline void check(bool holds, const char *property)
{
    if (!holds)
        fail(property);
}

/// `detail` makes the report's text; it runs only when the property does not hold, so checks stay
/// cheap on the fuzzer's hot path.
template<typename Detail> void check(bool holds, const char *property, Detail &&detail)
{
    // A lambda that returns a string builder would hand back references to its dead temporaries.
    static_assert(std::is_same_v<std::invoke_result_t<Detail>, QString>,
                  "the detail must return a QString");
    if (!holds)
        fail(property, detail());
}

/// A fuzz input as a file's bytes and the choices that drive the target: everything before the
/// first NUL byte is the file, everything after it the choices. Real files hold no NUL byte, so a
/// seed that is a real file is all file and no choices.
struct Input {
    QByteArray file;
    std::string choices;

    Input(const std::uint8_t *data, std::size_t size)
    {
        const auto *begin = reinterpret_cast<const char *>(data);
        std::size_t split = 0;
        while (split < size && begin[split] != '\0')
            ++split;
        file = QByteArray(begin, qsizetype(split));
        if (split < size)
            choices.assign(begin + split + 1, size - split - 1);
    }
};

/// A text from the choices, decoded as the program decodes its files.
inline QString takeText(FuzzedDataProvider &choices, std::size_t maxBytes)
{
    const std::string bytes = choices.ConsumeRandomLengthString(maxBytes);
    return TextFile::decode(QByteArray(bytes.data(), qsizetype(bytes.size())));
}

/// One of the names, or (less often) a text of its own.
inline QString takeName(FuzzedDataProvider &choices, const QStringList &names)
{
    const auto pick = choices.ConsumeIntegralInRange<int>(0, int(names.size()) + 1);
    if (pick < names.size())
        return names[pick];
    return takeText(choices, 24);
}

} // namespace Fuzz
