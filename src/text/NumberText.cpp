#include "Conversions.h"
#include "Errors.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace ravik {

namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ');
}
bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// A finite value as at most fifteen significant decimal digits.
struct Decimal {
    bool negative = false;
    std::string digits = "0"; // no trailing zeros; "0" only for zero
    int exponent = 0;         // power of ten of the first digit
};

Decimal zeroDecimal() {
    return {};
}

void stripTrailingZeros(Decimal& d) {
    const auto last = d.digits.find_last_not_of('0');
    if (last == std::string::npos)
        d = zeroDecimal();
    else
        d.digits.resize(last + 1);
}

Decimal toDecimal(double value) {
    if (value == 0)
        return zeroDecimal();
    std::array<char, 32> buffer{};
    // Scientific with 14 decimals: "d.dddddddddddddde-xx", correctly rounded.
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                   std::chars_format::scientific, 14)
                         .ptr;
    const std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    const std::size_t e = text.find('e');
    Decimal d;
    d.negative = value < 0;
    d.digits = std::string(1, text[0]) + std::string(text.substr(2, e - 2));
    const char* exponentStart = text.data() + e + 1;
    const bool negativeExponent = *exponentStart == '-';
    std::from_chars(exponentStart + 1, end, d.exponent);
    if (negativeExponent)
        d.exponent = -d.exponent;
    stripTrailingZeros(d);
    return d;
}

// Rounds half away from zero to `decimals` places after the point.
Decimal roundedTo(Decimal d, int decimals) {
    const int keep = d.exponent + 1 + decimals;
    if (keep >= static_cast<int>(d.digits.size()))
        return d;
    if (keep < 0)
        return zeroDecimal();
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        const auto last = d.digits.find_last_not_of('9');
        if (last == std::string::npos) {
            d.digits = "1";
            ++d.exponent;
        } else {
            d.digits.resize(last + 1);
            ++d.digits[last];
        }
    }
    stripTrailingZeros(d);
    return d;
}

struct FixedParts {
    std::string whole;
    std::string fraction;
};

// The digits before and after the point, the fraction padded to `minFraction`.
FixedParts fixedParts(const Decimal& d, int minFraction) {
    FixedParts parts;
    if (d.exponent < 0) {
        parts.whole = "0";
        parts.fraction = std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    } else {
        const auto wholeDigits = static_cast<std::size_t>(d.exponent) + 1;
        if (d.digits.size() <= wholeDigits) {
            parts.whole = d.digits + std::string(wholeDigits - d.digits.size(), '0');
        } else {
            parts.whole = d.digits.substr(0, wholeDigits);
            parts.fraction = d.digits.substr(wholeDigits);
        }
    }
    if (parts.fraction.size() < static_cast<std::size_t>(minFraction))
        parts.fraction.resize(static_cast<std::size_t>(minFraction), '0');
    return parts;
}

// The fixed-point text; a null thousands separator leaves the digits ungrouped.
QString fixedText(const FixedParts& parts, QChar decimal, QChar thousands = QChar()) {
    QString text = QString::fromLatin1(parts.whole);
    if (!thousands.isNull()) {
        for (qsizetype at = text.size() - 3; at > 0; at -= 3)
            text.insert(at, thousands);
    }
    if (!parts.fraction.empty())
        text += decimal + QString::fromLatin1(parts.fraction);
    return text;
}

// Money with a fixed number of decimals; empty when the general format has to show it.
struct Amount {
    bool negative = false;
    FixedParts parts;
};

std::optional<Amount> fixedAmount(double value, const FormatSettings& fs) {
    if (!std::isfinite(value))
        return std::nullopt;
    const Decimal exact = toDecimal(value);
    // Fifteen digits before the point leave none for the decimals.
    if (exact.exponent >= 15)
        return std::nullopt;
    const int decimals = std::max(fs.currencyDecimals, 0);
    const Decimal rounded = roundedTo(exact, decimals);
    return Amount{rounded.negative, fixedParts(rounded, decimals)};
}

// C stands for the currency string, N for the amount.
constexpr std::array<std::string_view, 4> positivePatterns = {"CN", "NC", "C N", "N C"};
constexpr std::array<std::string_view, 16> negativePatterns = {
    "(CN)", "-CN",  "C-N",  "CN-",  "(NC)", "-NC",  "N-C",   "NC-",
    "-N C", "-C N", "N C-", "C N-", "C -N", "N- C", "(C N)", "(N C)"};

QString withCurrency(const QString& amount, bool negative, const FormatSettings& fs) {
    // Unknown settings fall back to Turkey's.
    const std::string_view pattern =
        negative ? negativePatterns[fs.negCurrFormat >= 0 && fs.negCurrFormat < 16
                                        ? static_cast<std::size_t>(fs.negCurrFormat)
                                        : 1]
                 : positivePatterns[fs.currencyFormat >= 0 && fs.currencyFormat < 4
                                        ? static_cast<std::size_t>(fs.currencyFormat)
                                        : 0];
    QString text;
    for (const char c : pattern) {
        if (c == 'C')
            text += fs.currencyString;
        else if (c == 'N')
            text += amount;
        else
            text += QLatin1Char(c);
    }
    return text;
}

[[noreturn]] void throwNotInteger(const QString& text) {
    throw ConvertError(QLatin1Char('\'') + text + QLatin1String("' is not a valid integer value"));
}

int digitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (base == 16 && u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (base == 16 && u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

} // namespace

int strToInt(const QString& text) {
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size && isBlank(text.at(i)))
        ++i;
    bool negative = false;
    if (i < size && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        negative = text.at(i++) == QLatin1Char('-');
    int base = 10;
    if (i < size && text.at(i) == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < size && text.at(i) == QLatin1Char('0') &&
               (text.at(i + 1) == QLatin1Char('x') || text.at(i + 1) == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i == size)
        throwNotInteger(text);
    // The magnitude of INT_MIN is the largest any text may reach.
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 magnitude = 0;
    for (; i < size; ++i) {
        const int digit = digitValue(text.at(i), base);
        if (digit < 0)
            throwNotInteger(text);
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            throwNotInteger(text);
    }
    if (!negative && magnitude == limit)
        throwNotInteger(text);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

QString floatToStr(double value, const FormatSettings& fs) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    const Decimal d = toDecimal(value);
    QString text = d.negative ? QStringLiteral("-") : QString();
    if (d.exponent >= -4 && d.exponent <= 14)
        return text + fixedText(fixedParts(d, 0), fs.decimalSeparator);
    text += QLatin1Char(d.digits[0]);
    if (d.digits.size() > 1)
        text += fs.decimalSeparator + QString::fromLatin1(d.digits.substr(1));
    return text + QLatin1Char('E') + QString::number(d.exponent);
}

std::optional<double> textToFloat(const QString& text, const FormatSettings& fs) {
    const qsizetype size = text.size();
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < size && isBlank(text.at(i)))
            ++i;
    };
    // The number rewritten in the C form from_chars reads whatever the locale.
    std::string number;
    const auto takeDigits = [&] {
        const qsizetype start = i;
        while (i < size && isDigit(text.at(i)))
            number += static_cast<char>(text.at(i++).unicode());
        return i - start;
    };

    skipBlanks();
    bool negative = false;
    if (i < size && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        negative = text.at(i++) == QLatin1Char('-');
    if (negative)
        number += '-';
    const std::size_t mantissaStart = number.size();
    const qsizetype wholeDigits = takeDigits();
    qsizetype fractionDigits = 0;
    if (i < size && text.at(i) == fs.decimalSeparator) {
        ++i;
        number += '.';
        fractionDigits = takeDigits();
    }
    if (wholeDigits + fractionDigits == 0)
        return std::nullopt;
    const std::string mantissa = number.substr(mantissaStart);
    long long exponent = 0;
    if (i < size && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        ++i;
        number += 'e';
        bool negativeExponent = false;
        if (i < size && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
            negativeExponent = text.at(i++) == QLatin1Char('-');
        if (negativeExponent)
            number += '-';
        const std::size_t exponentStart = number.size();
        if (takeDigits() == 0)
            return std::nullopt;
        // Only the size matters once the value is out of range; cap it well short of overflow.
        for (std::size_t k = exponentStart; k < number.size(); ++k)
            exponent = std::min(exponent * 10 + (number[k] - '0'), 1'000'000'000LL);
        if (negativeExponent)
            exponent = -exponent;
    }
    skipBlanks();
    if (i != size)
        return std::nullopt;

    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc())
        return value;
    // Out of range: too large is not a number we can hold, too small is zero.
    const auto point = mantissa.find('.');
    const auto wholeEnd = point == std::string::npos ? mantissa.size() : point;
    const auto firstDigit = mantissa.find_first_not_of("0.");
    if (firstDigit == std::string::npos)
        return negative ? -0.0 : 0.0;
    const long long magnitude = firstDigit < wholeEnd
                                    ? static_cast<long long>(wholeEnd - firstDigit) - 1
                                    : -static_cast<long long>(firstDigit - wholeEnd);
    if (magnitude + exponent > 0)
        return std::nullopt;
    return negative ? -0.0 : 0.0;
}

QString formatCurrency(double value, const FormatSettings& fs) {
    if (const std::optional<Amount> amount = fixedAmount(value, fs)) {
        return withCurrency(fixedText(amount->parts, fs.decimalSeparator, fs.thousandSeparator),
                            amount->negative, fs);
    }
    return withCurrency(floatToStr(std::fabs(value), fs), value < 0, fs);
}

QString formatMoneyEdit(double value, const FormatSettings& fs) {
    if (const std::optional<Amount> amount = fixedAmount(value, fs))
        return (amount->negative ? QStringLiteral("-") : QString()) +
               fixedText(amount->parts, fs.decimalSeparator);
    return floatToStr(value, fs);
}

} // namespace ravik
