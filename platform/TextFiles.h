#pragma once
// Text files as the plug-in uses them: relative Windows-style paths, reading by lines
// (LF or CR LF line ends removed), and whole-file replacement and appending that never leave a
// half-written file behind.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CString.h"

// The path as this system's file functions take it: a "\" separator becomes "/" on POSIX.
std::string NativePath(const std::string& path);

// Every line of the file as SplitLines cuts it, or nothing when it cannot be opened.
std::optional<std::vector<CString>> ReadAllLines(const std::string& path);

// The whole content of the file, at most `maxBytes` of it (so that a wrong path, such as a device,
// cannot exhaust memory), or nothing when it cannot be opened.
std::optional<std::string> ReadWholeFile(const std::string& path, size_t maxBytes = std::string::npos);

// The lines of `content`: split at each LF, a CR before the LF removed, a last line without LF
// kept. The views point into `content`.
std::vector<std::string_view> SplitLines(std::string_view content);

// The lines of `content` as SplitLines cuts them, each also cut at every CR left in it: the lines
// of a text from elsewhere, which may end with LF, CR LF or a lone CR (old Mac programs).
std::vector<std::string_view> SplitLinesAtAnyEnd(std::string_view content);

// Writes `content` to a temporary file beside `path` and then moves it over `path`, so a
// failed write leaves the old file as it was; a file that already holds `content` is not
// rewritten. Returns false when the file does not hold `content` afterwards.
bool ReplaceFileContent(const std::string& path, const std::string& content);

// Appends `content` to the file, creating it when it is missing. Returns false when the file
// cannot take all of it; what was written of it is then taken away again.
bool AppendFileContent(const std::string& path, const std::string& content);

// True when another program holds the file open so that it can be neither written nor replaced
// (on Windows, a sharing violation). POSIX knows no such holds, so there it is always false.
bool IsHeldByAnotherProgram(const std::string& path);
