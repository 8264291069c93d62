#include "platform/TextFiles.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
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

std::optional<std::vector<CString>> ReadAllLines(const std::string& path)
{
    const auto content = ReadWholeFile(path);
    if (!content)
        return std::nullopt;
    std::vector<CString> lines;
    for (std::string_view line : SplitLines(*content))
        lines.emplace_back(line.data(), line.size());
    return lines;
}

std::optional<std::string> ReadWholeFile(const std::string& path, size_t maxBytes)
{
    std::ifstream in(NativePath(path), std::ios::binary);
    if (!in.is_open())
        return std::nullopt;
    // Through the stream, not its buffer: a read error (a folder opens but cannot be read)
    // then ends the content instead of throwing.
    std::string content;
    std::string chunk(64 * 1024, '\0');
    while (content.size() < maxBytes
        && (in.read(chunk.data(), static_cast<std::streamsize>(std::min(chunk.size(), maxBytes - content.size())))
            || in.gcount() > 0))
        content.append(chunk.data(), static_cast<size_t>(in.gcount()));
    return content;
}

std::vector<std::string_view> SplitLines(std::string_view content)
{
    std::vector<std::string_view> lines;
    for (size_t from = 0; from < content.size();) {
        const size_t end = std::min(content.find('\n', from), content.size());
        std::string_view line = content.substr(from, end - from);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        from = end + 1;
    }
    return lines;
}

std::vector<std::string_view> SplitLinesAtAnyEnd(std::string_view content)
{
    std::vector<std::string_view> lines;
    for (std::string_view line : SplitLines(content)) {
        const std::vector<std::string_view> pieces = Split(line, '\r');
        lines.insert(lines.end(), pieces.begin(), pieces.end());
    }
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

bool AppendFileContent(const std::string& path, const std::string& content)
{
    namespace fs = std::filesystem;
    const fs::path target(NativePath(path));
    std::error_code noFile;
    const std::uintmax_t oldSize = fs::file_size(target, noFile);
    std::ofstream out(target, std::ios::binary | std::ios::app);
    if (!out.is_open())
        return false;
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (out)
        return true;
    // A part of a line would stay in front of the next line written.
    std::error_code ignored;
    if (noFile)
        fs::remove(target, ignored);
    else
        fs::resize_file(target, oldSize, ignored);
    return false;
}

#ifndef _WIN32
// Windows' answer is in platform/win32/FileHolds.cpp.
bool IsHeldByAnotherProgram(const std::string&) { return false; }
#endif
