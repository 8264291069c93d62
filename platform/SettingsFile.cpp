#include "platform/SettingsFile.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "platform/TextFiles.h"

namespace {

// The host's thread and the UI thread both write settings; each write rewrites the file.
std::mutex g_writeMutex;

CString Trimmed(const std::string& text) { return CString(text).Trim(); }

bool IsSectionLine(const CString& line, std::string* name = nullptr)
{
    const CString trimmed = Trimmed(line);
    if (trimmed.size() < 2 || trimmed.front() != '[')
        return false;
    const size_t close = trimmed.find(']');
    if (close == std::string::npos)
        return false;
    if (name)
        *name = Trimmed(trimmed.substr(1, close - 1));
    return true;
}

// The key of a "key=value" line (empty for any other line) and, optionally, its value.
CString KeyOf(const CString& line, CString* value = nullptr)
{
    const size_t equals = line.find('=');
    if (equals == std::string::npos || IsSectionLine(line) || Trimmed(line).front() == ';')
        return CString();
    if (value) {
        *value = Trimmed(line.substr(equals + 1));
        const bool quoted =
            value->size() >= 2 && (value->front() == '"' || value->front() == '\'') && value->back() == value->front();
        if (quoted)
            *value = value->substr(1, value->size() - 2);
    }
    return Trimmed(line.substr(0, equals));
}

struct SectionSpan {
    bool found = false;
    size_t header = 0; // index of the "[Section]" line
    size_t end = 0;    // one past the last non-blank line of the section
};

// The first section of that name.
SectionSpan FindSection(const std::vector<CString>& lines, const std::string& section)
{
    for (size_t header = 0; header < lines.size(); ++header) {
        std::string name;
        if (!IsSectionLine(lines[header], &name) || !CString(name).EqualsNoCase(section))
            continue;
        SectionSpan span{true, header, header + 1};
        for (size_t i = header + 1; i < lines.size() && !IsSectionLine(lines[i]); ++i)
            if (!Trimmed(lines[i]).empty())
                span.end = i + 1;
        return span;
    }
    return SectionSpan();
}

} // namespace

SettingsFile::SettingsFile(std::string path, std::string section) : path_(std::move(path)), section_(std::move(section))
{
}

CString SettingsFile::ReadString(const char* key, const char* defaultValue) const
{
    CString result(defaultValue);
    const auto lines = ReadAllLines(path_);
    if (lines && key) {
        const SectionSpan span = FindSection(*lines, section_);
        for (size_t i = span.header + 1; span.found && i < span.end; ++i) {
            CString value;
            if (KeyOf((*lines)[i], &value).EqualsNoCase(key)) {
                result = value;
                break;
            }
        }
    }
    if (result.size() > kReadBufferSize - 1)
        result.resize(kReadBufferSize - 1);
    return result;
}

int SettingsFile::ReadInt(const char* key) const { return ReadNumber(ReadString(key).c_str()); }

bool SettingsFile::WriteString(const char* key, const std::string& value) const
{
    if (!key || !*key)
        return false;
    CString cleanValue(value);
    cleanValue.Replace("\r", " ");
    cleanValue.Replace("\n", " ");
    const CString newLine = CString(key) + "=" + cleanValue;

    std::lock_guard<std::mutex> lock(g_writeMutex);
    std::vector<CString> lines = ReadAllLines(path_).value_or(std::vector<CString>());
    const SectionSpan span = FindSection(lines, section_);
    if (!span.found) {
        lines.push_back("[" + section_ + "]");
        lines.push_back(newLine);
    } else {
        size_t at = span.end;
        for (size_t i = span.header + 1; i < span.end; ++i)
            if (KeyOf(lines[i]).EqualsNoCase(key)) {
                // The file already says so: nothing to write.
                if (lines[i] == newLine)
                    return true;
                lines[i] = newLine;
                at = std::string::npos;
                break;
            }
        if (at != std::string::npos)
            lines.insert(lines.begin() + static_cast<long>(at), newLine);
    }
    std::string content;
    for (const CString& line : lines)
        content += line + "\r\n";
    return ReplaceFileContent(path_, content);
}

bool SettingsFile::WriteInt(const char* key, int value) const { return WriteString(key, std::to_string(value)); }

int ReadNumber(const char* text)
{
    // strtoll gives the long long limit for what overflows even that.
    return text ? static_cast<int>(std::clamp<long long>(std::strtoll(text, nullptr, 10), INT_MIN, INT_MAX)) : 0;
}
