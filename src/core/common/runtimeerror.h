#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace tolvarin {

// The program's error model: a number and a Czech description, as the
// messages show them ("Chyba 13 Neshoda typů").
enum class ErrorCode {
    InvalidArgument = 5,
    Overflow = 6,
    SubscriptOutOfRange = 9,
    DivisionByZero = 11,
    TypeMismatch = 13,
    FileNotFound = 53,
    DeviceIo = 57,
    PathAccess = 75,
};

int errorNumber(ErrorCode code);
QString errorDescription(ErrorCode code);

// A value or the error that prevented it; no exception leaves the core.
template <typename T>
class Result {
public:
    Result(T value) : value_(std::move(value)) {}  // NOLINT(google-explicit-constructor)
    Result(ErrorCode error) : error_(error) {}     // NOLINT(google-explicit-constructor)

    bool ok() const { return value_.has_value(); }
    const T& value() const { return *value_; }
    ErrorCode error() const { return error_; }

private:
    std::optional<T> value_;
    ErrorCode error_ = ErrorCode::InvalidArgument;
};

}  // namespace tolvarin
