#pragma once

// What every fuzz target shares: reading typed values from libFuzzer's bytes,
// the two locales, the comparisons, and the check that ends the run when a
// property fails.
#include <QByteArray>
#include <QLocale>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace tolvarin::fuzz {

// Takes typed values from the front of the input; past its end every value is 0.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    uint8_t byte() { return position_ < size_ ? data_[position_++] : 0; }
    // An integer from low to high (both included).
    int integer(int low, int high) { return low + int(byte() % unsigned(high - low + 1)); }
    // Any bit pattern: infinities, NaNs, subnormals and -0 included.
    double anyDouble()
    {
        uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) bits = bits << 8 | byte();
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    // The rest of the input, as bytes or as UTF-8 text.
    QByteArray rest()
    {
        const QByteArray bytes(reinterpret_cast<const char*>(data_ + position_), qsizetype(size_ - position_));
        position_ = size_;
        return bytes;
    }
    QString restAsText() { return QString::fromUtf8(rest()); }

private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};

// The Czech locale when the option bit is set, else the American one.
inline const QLocale& localeFor(bool czech)
{
    static const QLocale cs(QLocale::Czech, QLocale::CzechRepublic), en(QLocale::English, QLocale::UnitedStates);
    return czech ? cs : en;
}

inline bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// |value - reference| within a relative and an absolute allowance.
template <typename Real>
bool near(double value, Real reference, Real relative, Real absolute = 0)
{
    return std::fabs(Real(value) - reference) <= relative * std::fabs(reference) + absolute;
}

// A text that shows infinity or "not a number" instead of a value.
inline bool namesNoNumber(const QString& text)
{
    return text.contains(QLatin1String("inf"), Qt::CaseInsensitive) ||
           text.contains(QLatin1String("nan"), Qt::CaseInsensitive);
}

inline std::string shown(const QString& text)
{
    return text.toStdString();
}

inline std::string shown(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

// A property that must hold: when it does not, the run ends with the reason,
// and libFuzzer keeps the input that broke it.
[[noreturn]] inline void propertyFailed(const char* property, const std::string& detail)
{
    std::fprintf(stderr, "\nPROPERTY FAILED: %s\n  %s\n", property, detail.c_str());
    std::abort();
}

#define FUZZ_CHECK(condition, detail)                                           \
    do {                                                                        \
        if (!(condition)) ::tolvarin::fuzz::propertyFailed(#condition, detail); \
    } while (false)

}  // namespace tolvarin::fuzz
