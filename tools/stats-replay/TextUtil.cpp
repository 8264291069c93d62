#include "tools/stats-replay/TextUtil.h"

namespace replay {

std::string ToUpper(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = ToUpperAscii(c);
    return result;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (ToUpperAscii(a[i]) != ToUpperAscii(b[i])) return false;
    }
    return true;
}

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

std::size_t FindIgnoreCase(std::string_view text, std::string_view wanted, std::size_t from) {
    if (wanted.empty()) return from <= text.size() ? from : std::string_view::npos;
    for (std::size_t i = from; i + wanted.size() <= text.size(); ++i) {
        if (ToUpperAscii(text[i]) == ToUpperAscii(wanted[0]) &&
            EqualsIgnoreCase(text.substr(i, wanted.size()), wanted)) {
            return i;
        }
    }
    return std::string_view::npos;
}

std::vector<std::string_view> SplitBlanks(std::string_view text) {
    std::vector<std::string_view> pieces;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i])) ++i;
        std::size_t start = i;
        while (i < text.size() && !IsBlank(text[i])) ++i;
        if (i > start) pieces.push_back(text.substr(start, i - start));
    }
    return pieces;
}

bool ParseSmallNumber(std::string_view digits, int& value) {
    if (digits.empty() || digits.size() > 9) return false;
    int result = 0;
    for (char c : digits) {
        if (!IsAsciiDigit(c)) return false;
        result = result * 10 + (c - '0');
    }
    value = result;
    return true;
}

}  // namespace replay
