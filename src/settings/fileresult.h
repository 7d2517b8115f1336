#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

/// Why reading or writing a file did not happen, in words for the user.
struct FileError {
    QString message;

    friend bool operator==(const FileError &, const FileError &) = default;
};

/// The outcome of everything that reads or writes a file: the value it gives, or the reason it
/// failed. Failures are values, never exceptions or codes; outcomes a caller must tell apart
/// ("unchanged", "no settings file") are part of the value. `FileResult<>` is the outcome of a
/// write that gives nothing back.
///
/// A failure is made from a FileError (`return FileError{tr("...")};`), a success from the value.
template<typename T = void> class [[nodiscard]] FileResult final {
public:
    FileResult(T value)
        : m_outcome(std::in_place_index<0>, std::move(value))
    {
    }
    FileResult(FileError error)
        : m_outcome(std::in_place_index<1>, std::move(error))
    {
    }

    /// Whether it succeeded, so that a value() is there.
    [[nodiscard]] explicit operator bool() const { return m_outcome.index() == 0; }

    /// The value; only when it succeeded.
    [[nodiscard]] const T &value() const &
    {
        Q_ASSERT(*this);
        return *std::get_if<0>(&m_outcome);
    }
    [[nodiscard]] T &&value() &&
    {
        Q_ASSERT(*this);
        return std::move(*std::get_if<0>(&m_outcome));
    }
    [[nodiscard]] const T *operator->() const { return &value(); }

    /// The value, or `fallback` when it failed.
    [[nodiscard]] T valueOr(T fallback) const & { return *this ? value() : std::move(fallback); }
    [[nodiscard]] T valueOr(T fallback) &&
    {
        return *this ? std::move(*this).value() : std::move(fallback);
    }

    /// Why it failed; empty when it succeeded.
    [[nodiscard]] QString error() const
    {
        const FileError *failure = std::get_if<1>(&m_outcome);
        return failure ? failure->message : QString();
    }

    friend bool operator==(const FileResult &, const FileResult &) = default;

private:
    std::variant<T, FileError> m_outcome;
};

template<> class [[nodiscard]] FileResult<void> final {
public:
    FileResult() = default;
    FileResult(FileError error)
        : m_error(std::move(error))
    {
    }

    [[nodiscard]] explicit operator bool() const { return !m_error; }
    [[nodiscard]] QString error() const { return m_error ? m_error->message : QString(); }

    friend bool operator==(const FileResult &, const FileResult &) = default;

private:
    std::optional<FileError> m_error;
};
