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

namespace {

// True when the file at `path` is a regular file holding exactly `content`.
bool HoldsExactly(const std::filesystem::path& path, const std::string& content)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error) || std::filesystem::file_size(path, error) != content.size()
        || error)
        return false;
    std::ifstream in(path, std::ios::binary);
    std::string held(content.size(), '\0');
    in.read(held.data(), static_cast<std::streamsize>(held.size()));
    return in && held == content;
}

} // namespace

bool ReplaceFileContent(const std::string& path, const std::string& content)
{
    namespace fs = std::filesystem;
    const fs::path target(NativePath(path));
    // Replacing a file by rename makes the file system start writing it back at once, which
    // costs far more than reading it; a file that already holds the content is left alone.
    if (HoldsExactly(target, content))
        return true;
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
