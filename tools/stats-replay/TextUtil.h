// Small ASCII text helpers shared by the log and country-file readers.
// They never look at the locale and treat bytes above 127 as ordinary
// characters that are neither letters, digits nor blanks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace replay {

inline bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
inline bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
inline char ToUpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string ToUpper(std::string_view text);
std::string_view Trim(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix);
std::size_t FindIgnoreCase(std::string_view text, std::string_view wanted, std::size_t from = 0);

// Splits at runs of blanks; no empty pieces.
std::vector<std::string_view> SplitBlanks(std::string_view text);

// Parses a text made only of decimal digits (at most 9 of them).
bool ParseSmallNumber(std::string_view digits, int& value);

}  // namespace replay
