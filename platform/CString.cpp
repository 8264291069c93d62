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

bool CString::EqualsNoCase(const std::string& other) const
{
    return size() == other.size() && std::equal(begin(), end(), other.begin(), [](unsigned char a, unsigned char b) {
        return std::tolower(a) == std::tolower(b);
    });
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
