#pragma once
// CString: the 8-bit text type used throughout the plug-in. A std::string with the few
// conveniences the code relies on: a null-safe constructor from a C string, safe
// printf-style formatting and left-to-right replacement. Below it the text helpers that work on
// any text: case-insensitive search and splitting at a separator.
#include <cstdarg>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#if defined(__MINGW32__)
#define STATS_PRINTF_FORMAT(fmt, first) __attribute__((format(gnu_printf, fmt, first)))
#elif defined(__GNUC__)
#define STATS_PRINTF_FORMAT(fmt, first) __attribute__((format(printf, fmt, first)))
#else
#define STATS_PRINTF_FORMAT(fmt, first)
#endif

class CString : public std::string {
public:
    CString() = default;
    CString(const char* text) : std::string(text ? text : "") { }
    CString(std::string text) : std::string(std::move(text)) { }
    CString(const char* text, size_t length) : std::string(text, length) { }
    explicit CString(std::string_view text) : std::string(text) { }

    int GetLength() const { return static_cast<int>(size()); }
    bool IsEmpty() const { return empty(); }

    // Replaces every occurrence of `find` (searched left to right in the part not yet
    // consumed, so a replacement is never searched again). Returns the number replaced.
    int Replace(const std::string& find, const std::string& replacement);

    // Removes white space at both ends.
    CString& Trim();

    // Turns the ASCII letters into capitals.
    CString& MakeUpper();

    // Case-insensitive comparison (ASCII letters), as for band and mode names.
    bool EqualsNoCase(const std::string& other) const;

    // printf-style formatting into a string of whatever length the result needs.
    static CString Formatted(const char* format, ...) STATS_PRINTF_FORMAT(1, 2);
    static CString FormattedV(const char* format, va_list args);
    void AppendFormat(const char* format, ...) STATS_PRINTF_FORMAT(2, 3);
};

// Where `wanted` first occurs in `text`, ASCII letter case ignored; npos when nowhere.
size_t FindNoCase(std::string_view text, std::string_view wanted);

// The pieces of `text` between its separators: n separators give n + 1 pieces, empty ones too.
// The views point into `text`.
std::vector<std::string_view> Split(std::string_view text, char separator);

// Exact equality of two texts. The stored QSOs are searched and counted by callsign, band,
// mode and prefix at every export; those texts are a few characters long, and comparing them
// in line is several times faster than the library's call to memcmp for each equal length.
inline bool SameText(const char* a, size_t aLength, const char* b, size_t bLength)
{
    if (aLength != bLength)
        return false;
    if (aLength > 16)
        return std::memcmp(a, b, aLength) == 0;
    for (size_t i = 0; i < aLength; ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

// The comparisons with CString on either side; each pairing is spelled out so that none is
// ambiguous with the library's own operators for std::string.
inline bool operator==(const CString& a, const CString& b) { return SameText(a.data(), a.size(), b.data(), b.size()); }
inline bool operator==(const CString& a, const std::string& b)
{
    return SameText(a.data(), a.size(), b.data(), b.size());
}
inline bool operator==(const std::string& a, const CString& b) { return b == a; }
inline bool operator==(const CString& a, const char* b) { return a.compare(b) == 0; }
inline bool operator==(const char* a, const CString& b) { return b.compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return !(a == b); }
inline bool operator!=(const CString& a, const std::string& b) { return !(a == b); }
inline bool operator!=(const std::string& a, const CString& b) { return !(a == b); }
inline bool operator!=(const CString& a, const char* b) { return !(a == b); }
inline bool operator!=(const char* a, const CString& b) { return !(a == b); }
