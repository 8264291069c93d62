#include "platform/CString.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

int CString::Replace(const std::string& find, const std::string& replacement)
{
    if (find.empty() || find == replacement)
        return 0;
    std::string result;
    int count = 0;
    size_t from = 0;
    for (size_t at; (at = this->find(find, from)) != npos; from = at + find.size()) {
        result.append(*this, from, at - from).append(replacement);
        ++count;
    }
    if (count)
        assign(result.append(*this, from, npos));
    return count;
}

CString& CString::Trim()
{
    auto isBlank = [](unsigned char c) { return std::isspace(c) != 0; };
    auto first = std::find_if_not(begin(), end(), isBlank);
    auto last = std::find_if_not(rbegin(), rend(), isBlank).base();
    assign(first < last ? std::string(first, last) : std::string());
    return *this;
}

CString& CString::MakeUpper()
{
    for (char& c : *this)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return *this;
}

namespace {

bool SameLetterNoCase(unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); }

} // namespace

bool CString::EqualsNoCase(const std::string& other) const
{
    return size() == other.size() && std::equal(begin(), end(), other.begin(), SameLetterNoCase);
}

size_t FindNoCase(std::string_view text, std::string_view wanted)
{
    const auto found = std::search(text.begin(), text.end(), wanted.begin(), wanted.end(), SameLetterNoCase);
    return found == text.end() ? std::string_view::npos : static_cast<size_t>(found - text.begin());
}

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> pieces;
    for (size_t end; (end = text.find(separator)) != std::string_view::npos; text.remove_prefix(end + 1))
        pieces.push_back(text.substr(0, end));
    pieces.push_back(text);
    return pieces;
}

CString CString::FormattedV(const char* format, va_list args)
{
    va_list measure;
    va_copy(measure, args);
    int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length <= 0)
        return CString();
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    return CString(buffer.data(), static_cast<size_t>(length));
}

CString CString::Formatted(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    CString text = FormattedV(format, args);
    va_end(args);
    return text;
}

void CString::AppendFormat(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    append(FormattedV(format, args));
    va_end(args);
}
