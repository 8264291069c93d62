#include "reports/RejectedQsoLog.h"

#include <filesystem>
#include <algorithm>
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

} // namespace

CString RejectedQsoLine::Text() const
{
    CString text = CString::Formatted("QSO:  %d", frequencyKhz);
    for (const CString* field : {&mode, &time, &ownCall, &sentRst, &sentExchange, &call,
                                 &receivedRst, &receivedExchange})
        text += kSeparator + *field;
    return text + reason;
}

void Create(const CString& fileName)
{
    if (fileName.IsEmpty())
        return;
    std::ofstream out(NativePath(fileName), std::ios::binary | std::ios::trunc);
    out << kHeader << kLineEnd;
}

void Append(const CString& fileName, const RejectedQsoLine& line)
{
    if (fileName.IsEmpty())
        return;
    std::ofstream out(NativePath(fileName), std::ios::binary | std::ios::app);
    out << line.Text() << kLineEnd;
    out.flush();
}

void RemoveQsoLines(const CString& fileName, const CString& call, const CString& time)
{
    if (fileName.IsEmpty())
        return;
    const auto old = ReadWholeFile(fileName);
    std::error_code ignored;
    if (!old && std::filesystem::exists(NativePath(fileName), ignored))
        return;

    std::string content = std::string(kHeader) + kLineEnd;
    if (old) {
        const std::vector<std::string_view> lines = SplitLines(*old);
        for (size_t i = 1; i < lines.size(); ++i)
            if (!IsLineOf(lines[i], call, time))
                content.append(lines[i]).append(kLineEnd);
    }
    ReplaceFileContent(fileName, content);
}

int CountRejected(const CString& fileName)
{
    int count = 0;
    const std::string content = ReadWholeFile(fileName).value_or(std::string());
    for (std::string_view line : SplitLines(content))
        if (EndsWith(line, kWrongBand) || EndsWith(line, kWrongMode) || EndsWith(line, kNoRxNumber))
            ++count;
    return count;
}

} // namespace RejectedQsoLog
