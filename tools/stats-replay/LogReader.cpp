#include "tools/stats-replay/LogReader.h"

#include "tools/stats-replay/AdifReader.h"
#include "tools/stats-replay/CabrilloReader.h"
#include "tools/stats-replay/FileText.h"
#include "tools/stats-replay/LineCursor.h"
#include "tools/stats-replay/TextUtil.h"

namespace replay {
namespace {

std::string_view WithoutByteOrderMark(std::string_view text) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (text.substr(0, kBom.size()) == kBom) text.remove_prefix(kBom.size());
    return text;
}

bool HasQsoLine(std::string_view text) {
    LineCursor lines(text);
    std::string_view line;
    while (lines.Next(line)) {
        if (StartsWithIgnoreCase(Trim(line), "QSO:")) return true;
    }
    return false;
}

ContestLog ProblemOnly(std::string message) {
    ContestLog log;
    log.problems.push_back({0, std::move(message)});
    return log;
}

}  // namespace

LogFormat DetectLogFormat(std::string_view text) {
    text = WithoutByteOrderMark(text);
    if (StartsWithIgnoreCase(Trim(text), "START-OF-LOG:")) return LogFormat::Cabrillo;
    if (FindIgnoreCase(text, "<EOH>") != std::string_view::npos ||
        FindIgnoreCase(text, "<EOR>") != std::string_view::npos) {
        return LogFormat::Adif;
    }
    return HasQsoLine(text) ? LogFormat::Cabrillo : LogFormat::Unknown;
}

ContestLog ReadLog(std::string_view text) {
    text = WithoutByteOrderMark(text);
    switch (DetectLogFormat(text)) {
        case LogFormat::Cabrillo: return ReadCabrillo(text);
        case LogFormat::Adif: return ReadAdif(text);
        case LogFormat::Unknown: break;
    }
    return ProblemOnly("neither a Cabrillo nor an ADIF log");
}

ContestLog ReadLogFile(const std::string& path) {
    const FileText file = ReadFileText(path, kMaxLogFileBytes);
    switch (file.status) {
        case FileReadStatus::Ok: return ReadLog(file.text);
        case FileReadStatus::CannotOpen: return ProblemOnly("cannot open " + path);
        case FileReadStatus::TooLarge: return ProblemOnly(path + " is too large for a contest log");
        case FileReadStatus::ReadError: break;
    }
    return ProblemOnly("cannot read " + path);
}

}  // namespace replay
