#include "tools/stats-replay/LogReader.h"

#include <fstream>

#include "tools/stats-replay/AdifReader.h"
#include "tools/stats-replay/CabrilloReader.h"
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
    std::ifstream file(path, std::ios::binary);
    if (!file) return ProblemOnly("cannot open " + path);
    std::string text;
    char buffer[65536];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(file.gcount()));
        if (text.size() > kMaxLogFileBytes) return ProblemOnly(path + " is too large for a contest log");
    }
    if (file.bad()) return ProblemOnly("cannot read " + path);
    return ReadLog(text);
}

}  // namespace replay
