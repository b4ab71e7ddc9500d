// Everything that can fail with a reason answers the one way: the value it was asked for, or
// the failure. A failure is what the system reported about a file, put into words where it
// is shown (for the action that met it), or a reason already in words.
#pragma once

#include "FileFailure.h"

#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace kvr {

class Failure {
public:
    Failure(FileFailure file) : m_reason(file) {}
    explicit Failure(QString message) : m_reason(std::move(message)) {}

    // The system's report, when a file failed; none for a reason in words.
    const FileFailure *File() const { return std::get_if<FileFailure>(&m_reason); }
    // In words: a file's failure as `action` met it, or the reason as given.
    QString Reason(FileAction action) const;

    bool operator==(const Failure &) const = default;

private:
    std::variant<FileFailure, QString> m_reason;
};

template <typename T> class [[nodiscard]] Expected {
public:
    Expected(T value) : m_result(std::move(value)) {}
    Expected(Failure failure) : m_result(std::move(failure)) {}
    Expected(FileFailure failure) : m_result(Failure(failure)) {}

    explicit operator bool() const { return m_result.index() == 0; }
    const T &operator*() const { return std::get<0>(m_result); }
    T &operator*() { return std::get<0>(m_result); }
    const T *operator->() const { return &std::get<0>(m_result); }
    // The value where there is one, for code that goes on without it.
    const T *IfValue() const { return std::get_if<0>(&m_result); }
    const Failure &Error() const { return std::get<1>(m_result); }

    bool operator==(const Expected &) const = default;

private:
    std::variant<T, Failure> m_result;
};

template <> class [[nodiscard]] Expected<void> {
public:
    Expected() = default;
    Expected(Failure failure) : m_failure(std::move(failure)) {}
    Expected(FileFailure failure) : m_failure(Failure(failure)) {}

    explicit operator bool() const { return !m_failure; }
    const Failure &Error() const { return *m_failure; }

private:
    std::optional<Failure> m_failure;
};

} // namespace kvr
