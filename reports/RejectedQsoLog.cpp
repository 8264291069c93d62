#include "reports/RejectedQsoLog.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/TextFiles.h"

namespace RejectedQsoLog {

const char* const kHeader = "BARTG SPRINT RTTY TEST UBN file ";
const char* const kWrongBand = "   WRONG BAND !!!";
const char* const kWrongMode = "   WRONG MODE !!!";
const char* const kNoRxNumber = "   NO RX NUMBER !!!";
const char* const kDupe = "   DUPE !!!";

namespace {

const char* const kSeparator = "  ";
const char* const kLineEnd = "\r\n";

// Field positions of a line split at its separators: "QSO:", kHz, mode, time, own call,
// RST sent, number sent, worked call, ...
constexpr size_t kTimeField = 3;
constexpr size_t kCallField = 7;

// The field at `index` of a line split at its separators, or nothing when the line has
// fewer fields.
std::optional<std::string_view> FieldAt(std::string_view line, size_t index)
{
    size_t from = 0;
    for (size_t i = 0; i < index; ++i) {
        const size_t at = line.find(kSeparator, from);
        if (at == std::string_view::npos)
            return std::nullopt;
        from = at + 2;
    }
    const size_t end = std::min(line.find(kSeparator, from), line.size());
    return line.substr(from, end - from);
}

bool IsLineOf(std::string_view line, const CString& call, const CString& time)
{
    const auto callField = FieldAt(line, kCallField);
    return callField && *callField == call && *FieldAt(line, kTimeField) == time;
}

bool EndsWith(std::string_view text, std::string_view tail)
{
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

bool IsRejection(std::string_view line)
{
    return EndsWith(line, kWrongBand) || EndsWith(line, kWrongMode) || EndsWith(line, kNoRxNumber);
}

template <class Lines>
int CountRejections(const Lines& lines)
{
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), IsRejection));
}

bool Exists(const CString& fileName)
{
    std::error_code ignored;
    return std::filesystem::exists(NativePath(fileName), ignored);
}

} // namespace

CString RejectedQsoLine::Text() const
{
    CString text = CString::Formatted("QSO:  %d", frequencyKhz);
    for (const CString* field :
        {&mode, &time, &ownCall, &sentRst, &sentExchange, &call, &receivedRst, &receivedExchange})
        text += kSeparator + *field;
    return text + reason;
}

void Create(const CString& fileName, Backlog& backlog)
{
    backlog = Backlog();
    if (fileName.IsEmpty())
        return;
    std::ofstream out(NativePath(fileName), std::ios::binary | std::ios::trunc);
    out << kHeader << kLineEnd;
}

void Append(const CString& fileName, const RejectedQsoLine& line, Backlog& backlog)
{
    if (fileName.IsEmpty())
        return;
    backlog.lines.push_back(line.Text());
    WriteBacklog(fileName, backlog);
}

void WriteBacklog(const CString& fileName, Backlog& backlog)
{
    if (fileName.IsEmpty() || backlog.lines.empty())
        return;
    std::string text;
    for (const CString& line : backlog.lines)
        text.append(line).append(kLineEnd);
    if (!AppendFileContent(fileName, text))
        return;
    backlog.rejectionsInFile += CountRejections(backlog.lines);
    backlog.lines.clear();
}

void RemoveQsoLines(const CString& fileName, const CString& call, const CString& time, Backlog& backlog)
{
    if (fileName.IsEmpty())
        return;
    std::vector<CString>& waiting = backlog.lines;
    waiting.erase(
        std::remove_if(waiting.begin(), waiting.end(), [&](const CString& line) { return IsLineOf(line, call, time); }),
        waiting.end());
    const auto old = ReadWholeFile(fileName);
    if (!old && Exists(fileName))
        return;

    std::string content = std::string(kHeader) + kLineEnd;
    if (old) {
        const std::vector<std::string_view> lines = SplitLines(*old);
        for (size_t i = 1; i < lines.size(); ++i)
            if (!IsLineOf(lines[i], call, time))
                content.append(lines[i]).append(kLineEnd);
    }
    for (const CString& line : waiting)
        content.append(line).append(kLineEnd);
    if (!ReplaceFileContent(fileName, content))
        return;
    backlog.rejectionsInFile = CountRejections(SplitLines(content));
    waiting.clear();
}

int CountRejected(const CString& fileName, Backlog& backlog)
{
    if (const auto content = ReadWholeFile(fileName))
        backlog.rejectionsInFile = CountRejections(SplitLines(*content));
    else if (!Exists(fileName))
        backlog.rejectionsInFile = 0;
    return backlog.rejectionsInFile + CountRejections(backlog.lines);
}

} // namespace RejectedQsoLog
