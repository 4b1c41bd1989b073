#pragma once

#include <QString>
#include <utility>

// What a record operation gives back. Store errors (a statement that fails, a
// missing column, a locked file) and refused proposals come back as text; the
// page action that called the operation stops and shows it.

struct TOpStatus {
    QString error; // empty on success

    bool ok() const { return error.isEmpty(); }
};

template <typename T> struct TOpResult {
    T value{};
    QString error; // empty on success

    bool ok() const { return error.isEmpty(); }

    static TOpResult success(T v) { return TOpResult{std::move(v), QString()}; }
    static TOpResult failure(const QString &text) { return TOpResult{T{}, text}; }
    static TOpResult failure(const TOpStatus &status) { return failure(status.error); }
};
