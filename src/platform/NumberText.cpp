#include "platform/NumberText.h"

#include "platform/StringUtil.h"

#include <cctype>
#include <cmath>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string_view>

namespace {

locale_t CLocale()
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return c;
}

// Switches the calling thread to the "C" locale for the lifetime of the object.
class ScopedCLocale {
public:
    ScopedCLocale() : m_previous(uselocale(CLocale())) {}
    ~ScopedCLocale() { uselocale(m_previous); }
    ScopedCLocale(const ScopedCLocale&) = delete;
    ScopedCLocale& operator=(const ScopedCLocale&) = delete;

private:
    locale_t m_previous;
};

// The character at p, or NUL at the end of a bounded text (end null: the text ends at its NUL).
char At(const char* p, const char* end) { return end && p >= end ? '\0' : *p; }

// Length of the decimal number at the start of text (after white space), 0 when there is none.
std::size_t ScanDecimalNumber(const char* text, const char* end = nullptr)
{
    const char* p = text;
    while (IsWhiteSpace(At(p, end)))
        ++p;
    if (At(p, end) == '+' || At(p, end) == '-')
        ++p;
    bool digits = false;
    while (IsDigit(At(p, end))) {
        ++p;
        digits = true;
    }
    if (At(p, end) == '.') {
        ++p;
        while (IsDigit(At(p, end))) {
            ++p;
            digits = true;
        }
    }
    if (!digits)
        return 0;
    if (At(p, end) == 'e' || At(p, end) == 'E') {
        const char* q = p + 1;
        if (At(q, end) == '+' || At(q, end) == '-')
            ++q;
        if (IsDigit(At(q, end))) {
            while (IsDigit(At(q, end)))
                ++q;
            p = q;
        }
    }
    return static_cast<std::size_t>(p - text);
}

// Widens the exponent of a formatted floating-point number to at least three digits.
void WidenExponent(std::string& number)
{
    std::size_t e = number.find_first_of("eE");
    if (e == std::string::npos)
        return;
    std::size_t digits = e + 1;
    if (digits < number.size() && (number[digits] == '+' || number[digits] == '-'))
        ++digits;
    std::size_t end = digits;
    while (end < number.size() && IsDigit(number[end]))
        ++end;
    if (end > digits && end - digits < 3)
        number.insert(digits, 3 - (end - digits), '0');
}

// Pads a formatted number to the field width the way printf does.
void PadField(std::string& piece, int width, bool leftAlign, bool zeroPad)
{
    if (width <= 0 || static_cast<int>(piece.size()) >= width)
        return;
    std::size_t fill = static_cast<std::size_t>(width) - piece.size();
    if (leftAlign) {
        piece.append(fill, ' ');
        return;
    }
    bool finite = piece.find_first_of("iInN") == std::string::npos;
    if (zeroPad && finite) {
        std::size_t at = (!piece.empty() && (piece[0] == '-' || piece[0] == '+' || piece[0] == ' ')) ? 1 : 0;
        piece.insert(at, fill, '0');
    } else {
        piece.insert(0, fill, ' ');
    }
}

template <typename T>
std::string FormatOne(const std::string& spec, T value)
{
    char small[128];
    int n = std::snprintf(small, sizeof small, spec.c_str(), value);
    if (n < 0)
        return std::string();
    if (static_cast<std::size_t>(n) < sizeof small)
        return std::string(small, static_cast<std::size_t>(n));
    std::string big(static_cast<std::size_t>(n) + 1, '\0');
    std::snprintf(&big[0], big.size(), spec.c_str(), value);
    big.resize(static_cast<std::size_t>(n));
    return big;
}

// A finite double in printf's %f, %e or %g form (upper case for F, E, G) at the precision, as the
// "C" locale writes it: std::to_chars promises printf's digits and needs no locale. False when the
// form is one it does not give (the caller then asks printf).
bool ToCharsFloat(double value, char conversion, int precision, std::string& piece)
{
    if (!std::isfinite(value))
        return false;
    std::chars_format form = std::chars_format::general;
    if (conversion == 'f' || conversion == 'F')
        form = std::chars_format::fixed;
    else if (conversion == 'e' || conversion == 'E')
        form = std::chars_format::scientific;
    char buffer[512];
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, value, form, precision);
    if (result.ec != std::errc())
        return false;
    piece.assign(buffer, result.ptr);
    if (conversion == 'E' || conversion == 'G') {
        for (char& c : piece)
            if (c == 'e')
                c = 'E';
    }
    return true;
}

template <typename T>
std::string IntegerText(T value)
{
    char buffer[32];
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// Flags other than "-" and "0" (sign, blank, alternate form) are left to printf.
bool HasOnlyPadFlags(std::string_view flags) { return flags.find_first_not_of("-0") == std::string_view::npos; }

}  // namespace

double StrToD(const char* text, std::size_t* consumed)
{
    std::size_t length = text ? ScanDecimalNumber(text) : 0;
    if (consumed)
        *consumed = length;
    if (length == 0)
        return 0.0;
    const char* first = text;
    while (IsWhiteSpace(*first))
        ++first;
    if (*first == '+')
        ++first;
    // from_chars rounds as strtod does and needs no locale; outside the range of double the C
    // runtime's own result (infinity or a rounded tiny value) is what the files were read with.
    double value = 0.0;
    const std::from_chars_result result = std::from_chars(first, text + length, value);
    if (result.ec == std::errc() && result.ptr == text + length)
        return value;
    std::string number(text, length);
    return strtod_l(number.c_str(), nullptr, CLocale());
}

double StrToD(const std::string& text, std::size_t* consumed) { return StrToD(text.c_str(), consumed); }

float StrToF(const char* text, const char* end, std::size_t* consumed)
{
    const std::size_t length = ScanDecimalNumber(text, end);
    if (consumed)
        *consumed = length;
    if (length == 0)
        return 0.0f;
    const char* first = text;
    while (IsWhiteSpace(*first))
        ++first;
    if (*first == '+')
        ++first;
    float value = 0.0f;
    const std::from_chars_result result = std::from_chars(first, text + length, value);
    if (result.ec == std::errc())
        return value;
    // Out of the range of float: rounded as the C runtime does (to infinity or zero).
    const std::string number(first, text + length);
    return strtof_l(number.c_str(), nullptr, CLocale());
}

double AtoF(const std::string& text)
{
    // A parameter left out reads as an empty text: the readers ask for many of those.
    if (text.empty())
        return 0.0;
    return StrToD(text.c_str(), nullptr);
}

int AtoIndex(const std::string& text)
{
    const int number = AtoI(text);
    return number < 1 ? -1 : number - 1;
}

double AtoFOr(const std::string& text, double fallback) { return text.empty() ? fallback : AtoF(text); }

long AtoL(const std::string& text)
{
    const char* p = text.c_str();
    while (IsWhiteSpace(*p))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    // Accumulate the magnitude, saturating just above the range so overflow clamps.
    const unsigned long long limit = static_cast<unsigned long long>(LONG_MAX) + 1ULL;
    unsigned long long magnitude = 0;
    // Once at the limit, stay there: multiplying first would wrap past the unsigned range for
    // twenty digits and more, and read "99999999999999999999" as 9.
    for (; IsDigit(*p); ++p) {
        if (magnitude > limit / 10) {
            magnitude = limit;
            continue;
        }
        magnitude = magnitude * 10 + static_cast<unsigned long long>(*p - '0');
        if (magnitude > limit)
            magnitude = limit;
    }
    if (negative)
        return magnitude >= limit ? LONG_MIN : -static_cast<long>(magnitude);
    return magnitude >= limit ? LONG_MAX : static_cast<long>(magnitude);
}

int AtoI(const std::string& text)
{
    long value = AtoL(text);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

std::string StrFormat(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string result = StrFormatV(format, args);
    va_end(args);
    return result;
}

std::string StrFormatV(const char* format, va_list argsIn)
{
    va_list args;
    va_copy(args, argsIn);
    std::string out;
    const char* p = format;
    while (*p) {
        if (*p != '%') {
            // A run of plain text goes over at once.
            const char* run = p;
            while (*p && *p != '%')
                ++p;
            out.append(run, static_cast<std::size_t>(p - run));
            continue;
        }
        const char* start = p++;
        if (*p == '%') {
            out += '%';
            ++p;
            continue;
        }
        // Flags and length modifiers stand together in the format: they are looked at where they
        // stand, and a printf format is put together only for the forms left to printf.
        const char* const flagsBegin = p;
        while (*p && std::strchr("-+ #0", *p))
            ++p;
        const std::string_view flags(flagsBegin, static_cast<std::size_t>(p - flagsBegin));
        bool leftAlign = flags.find('-') != std::string_view::npos;
        const bool zeroPad = flags.find('0') != std::string_view::npos;
        bool negativeWidth = false;  // a "*" width given negative: left-aligned, as in printf
        int width = -1;
        if (*p == '*') {
            width = va_arg(args, int);
            if (width < 0) {
                negativeWidth = true;
                leftAlign = true;
                width = -width;
            }
            ++p;
        } else if (IsDigit(*p)) {
            width = 0;
            while (IsDigit(*p))
                width = width * 10 + (*p++ - '0');
        }
        int precision = -1;
        if (*p == '.') {
            ++p;
            precision = 0;
            if (*p == '*') {
                // A negative precision argument counts as if none were given, as in printf.
                precision = va_arg(args, int);
                if (precision < 0)
                    precision = -1;
                ++p;
            } else {
                while (IsDigit(*p))
                    precision = precision * 10 + (*p++ - '0');
            }
        }
        const char* const lengthBegin = p;
        while (*p && std::strchr("hlLqjzt", *p))
            ++p;
        const std::string_view length(lengthBegin, static_cast<std::size_t>(p - lengthBegin));
        char conversion = *p;
        if (!conversion) {
            out.append(start);
            break;
        }
        ++p;
        const bool padFlagsOnly = HasOnlyPadFlags(flags);
        // The printf format of one floating-point value: the flags other than "-" and "0" (the
        // padding is done here), the precision, the length and the conversion.
        const auto valueSpec = [&]() {
            std::string spec = "%";
            for (char f : flags)
                if (f != '-' && f != '0')
                    spec += f;
            if (precision >= 0)
                spec += "." + std::to_string(precision);
            if (length == "L")
                spec += 'L';
            spec += conversion;
            return spec;
        };
        std::string piece;
        switch (conversion) {
        case 'e': case 'E': case 'f': case 'F': case 'g': case 'G': case 'a': case 'A': {
            if (length == "L") {
                ScopedCLocale cLocale;
                piece = FormatOne(valueSpec(), va_arg(args, long double));
            } else {
                const double value = va_arg(args, double);
                const bool fast = padFlagsOnly && conversion != 'a' && conversion != 'A' &&
                                  ToCharsFloat(value, conversion, precision < 0 ? 6 : precision, piece);
                if (!fast) {
                    ScopedCLocale cLocale;
                    piece = FormatOne(valueSpec(), value);
                }
            }
            if (conversion == 'e' || conversion == 'E' || conversion == 'g' || conversion == 'G')
                WidenExponent(piece);
            PadField(piece, width, leftAlign, zeroPad);
            out += piece;
            continue;
        }
        case 'd': case 'i': case 'u':
            // Whole numbers and plain texts, the bulk of what the files hold, without printf.
            if (padFlagsOnly && precision < 0 && (length.empty() || length == "l" || length == "ll")) {
                const bool wide = length == "ll";
                const bool longish = length == "l";
                if (conversion == 'u')
                    piece = wide ? IntegerText(va_arg(args, unsigned long long))
                                 : longish ? IntegerText(va_arg(args, unsigned long))
                                           : IntegerText(va_arg(args, unsigned int));
                else
                    piece = wide ? IntegerText(va_arg(args, long long))
                                 : longish ? IntegerText(va_arg(args, long)) : IntegerText(va_arg(args, int));
                PadField(piece, width, leftAlign, zeroPad);
                out += piece;
                continue;
            }
            break;
        case 's':
            if (flags.empty() && !negativeWidth && width < 0 && precision < 0) {
                const char* text = va_arg(args, const char*);
                out += text ? text : "(null)";
                continue;
            }
            break;
        default:
            break;
        }
        // Everything else formats as printf does, field width included.
        std::string fullSpec(start, static_cast<std::size_t>(p - start));
        if (fullSpec.find('*') != std::string::npos) {
            fullSpec = "%" + std::string(flags) + (negativeWidth ? "-" : "") +
                       (width >= 0 ? std::to_string(width) : "") +
                       (precision >= 0 ? "." + std::to_string(precision) : "") + std::string(length) + conversion;
        }
        switch (conversion) {
        case 'd': case 'i':
            if (length == "ll" || length == "q" || length == "j")
                piece = FormatOne(fullSpec, va_arg(args, long long));
            else if (length == "l" || length == "z" || length == "t")
                piece = FormatOne(fullSpec, va_arg(args, long));
            else
                piece = FormatOne(fullSpec, va_arg(args, int));
            break;
        case 'u': case 'o': case 'x': case 'X':
            if (length == "ll" || length == "q" || length == "j")
                piece = FormatOne(fullSpec, va_arg(args, unsigned long long));
            else if (length == "l" || length == "z" || length == "t")
                piece = FormatOne(fullSpec, va_arg(args, unsigned long));
            else
                piece = FormatOne(fullSpec, va_arg(args, unsigned int));
            break;
        case 'c':
            piece = FormatOne(fullSpec, va_arg(args, int));
            break;
        case 's': {
            const char* s = va_arg(args, const char*);
            piece = FormatOne(fullSpec, s ? s : "(null)");
            break;
        }
        case 'p':
            piece = FormatOne(fullSpec, va_arg(args, void*));
            break;
        default:
            // Unknown conversion: copied as written, no argument taken.
            piece = fullSpec;
            break;
        }
        out += piece;
    }
    va_end(args);
    return out;
}

std::string FixedText(double value, int precision)
{
    // A negative precision counts as none, as in printf.
    precision = precision < 0 ? 6 : precision;
    std::string text;
    if (!ToCharsFloat(value, 'f', precision, text))
        text = StrFormat("%.*f", precision, value);
    return text;
}

std::string ScientificText(double value, int precision)
{
    precision = precision < 0 ? 6 : precision;
    std::string text;
    if (!ToCharsFloat(value, 'e', precision, text))
        return StrFormat("%.*e", precision, value);
    WidenExponent(text);
    return text;
}

void NormalizeNumberText(std::string& text)
{
    if (text.empty())
        return;
    std::size_t used = 0;
    double value = StrToD(text, &used);
    bool leftOver = used < text.size();
    if (value == 0.0) {
        if (!leftOver)
            text = "0";
        return;
    }
    if (leftOver)
        return;
    std::size_t point = text.find('.');
    if (point == std::string::npos)
        return;
    std::size_t e = text.find_first_of("eE");
    std::string mantissa = e == std::string::npos ? text : text.substr(0, e);
    std::string exponent = e == std::string::npos ? std::string() : text.substr(e);
    std::size_t mantissaPoint = mantissa.find('.');
    if (mantissaPoint != std::string::npos) {
        while (mantissa.size() > mantissaPoint + 1 && mantissa.back() == '0')
            mantissa.pop_back();
    }
    if (!exponent.empty()) {
        std::size_t digits = 1;
        if (digits < exponent.size() && (exponent[digits] == '+' || exponent[digits] == '-'))
            ++digits;
        std::size_t firstNonZero = exponent.find_first_not_of('0', digits);
        if (firstNonZero != std::string::npos && firstNonZero > digits)
            exponent.erase(digits, firstNonZero - digits);
    }
    text = mantissa + exponent;
}

int TruncateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}
