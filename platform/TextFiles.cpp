#include "platform/TextFiles.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

std::string NativePath(const std::string& path)
{
#ifdef _WIN32
    return path;
#else
    std::string native = path;
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
#endif
}

LineReader::LineReader(const std::string& path) : stream_(NativePath(path), std::ios::binary) {}

bool LineReader::ReadLine(CString& line)
{
    if (!stream_.is_open() || !std::getline(stream_, line))
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

std::optional<std::vector<CString>> ReadAllLines(const std::string& path)
{
    LineReader reader(path);
    if (!reader.IsOpen())
        return std::nullopt;
    std::vector<CString> lines;
    for (CString line; reader.ReadLine(line);)
        lines.push_back(line);
    return lines;
}

bool ReplaceFileContent(const std::string& path, const std::string& content)
{
    namespace fs = std::filesystem;
    const fs::path target(NativePath(path));
    fs::path temporary = target;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out.is_open())
            return false;
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, target, error);
    if (error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}
