#include "reports/RejectedQsoLog.h"

#include <filesystem>
#include <fstream>
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

std::vector<CString> SplitFields(const CString& line)
{
    std::vector<CString> fields;
    size_t from = 0;
    for (size_t at; (at = line.find(kSeparator, from)) != std::string::npos; from = at + 2)
        fields.push_back(line.substr(from, at - from));
    fields.push_back(line.substr(from));
    return fields;
}

bool IsLineOf(const CString& line, const CString& call, const CString& time)
{
    const std::vector<CString> fields = SplitFields(line);
    return fields.size() > kCallField && fields[kCallField] == call && fields[kTimeField] == time;
}

bool EndsWith(const CString& text, const char* tail)
{
    const size_t length = std::char_traits<char>::length(tail);
    return text.size() >= length && text.compare(text.size() - length, length, tail) == 0;
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
    const auto lines = ReadAllLines(fileName);
    std::error_code ignored;
    if (!lines && std::filesystem::exists(NativePath(fileName), ignored))
        return;

    std::string content = std::string(kHeader) + kLineEnd;
    if (lines) {
        for (size_t i = 1; i < lines->size(); ++i)
            if (!IsLineOf((*lines)[i], call, time))
                content += (*lines)[i] + kLineEnd;
    }
    ReplaceFileContent(fileName, content);
}

int CountRejected(const CString& fileName)
{
    int count = 0;
    LineReader reader(fileName);
    for (CString line; reader.ReadLine(line);)
        if (EndsWith(line, kWrongBand) || EndsWith(line, kWrongMode) || EndsWith(line, kNoRxNumber))
            ++count;
    return count;
}

} // namespace RejectedQsoLog
