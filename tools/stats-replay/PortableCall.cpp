#include "tools/stats-replay/PortableCall.h"

#include <vector>

#include "tools/stats-replay/TextUtil.h"

namespace replay {
namespace {

bool IsOperatingSuffix(std::string_view piece) {
    static constexpr std::string_view kSuffixes[] = {"P", "M", "MM", "AM", "QRP", "QRPP", "LH", "A"};
    for (std::string_view suffix : kSuffixes) {
        if (piece == suffix) return true;
    }
    return false;
}

bool LooksLikeCompleteCall(std::string_view piece) {
    const std::size_t lastDigit = piece.find_last_of("0123456789");
    if (lastDigit == std::string_view::npos) return false;
    for (std::size_t i = lastDigit + 1; i < piece.size(); ++i) {
        if (IsAsciiLetter(piece[i])) return true;
    }
    return false;
}

std::vector<std::string_view> SplitAtStrokes(std::string_view call) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    while (start <= call.size()) {
        std::size_t stroke = call.find('/', start);
        if (stroke == std::string_view::npos) stroke = call.size();
        if (stroke > start) pieces.push_back(call.substr(start, stroke - start));
        start = stroke + 1;
    }
    return pieces;
}

std::string Join(const std::vector<std::string_view>& pieces) {
    std::string joined;
    for (std::string_view piece : pieces) {
        if (!joined.empty()) joined += '/';
        joined += piece;
    }
    return joined;
}

}  // namespace

PortableCall SplitPortableCall(std::string_view call) {
    PortableCall result;
    result.fullCall = ToUpper(Trim(call));
    std::vector<std::string_view> pieces = SplitAtStrokes(result.fullCall);
    while (pieces.size() > 1 && IsOperatingSuffix(pieces.back())) pieces.pop_back();
    result.withoutSuffixes = Join(pieces);

    if (pieces.size() > 1 && pieces.back().size() == 1 && IsAsciiDigit(pieces.back()[0])) {
        result.areaDigit = pieces.back()[0];
        pieces.pop_back();
    }
    if (pieces.empty()) return result;

    std::size_t home = 0;
    bool homeIsComplete = false;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const bool complete = LooksLikeCompleteCall(pieces[i]);
        if ((complete && !homeIsComplete) ||
            (complete == homeIsComplete && pieces[i].size() >= pieces[home].size())) {
            home = i;
            homeIsComplete = complete;
        }
    }
    result.homeCall = pieces[home];

    std::size_t location = pieces.size();
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i != home && (location == pieces.size() || pieces[i].size() < pieces[location].size())) {
            location = i;
        }
    }
    if (location != pieces.size()) {
        result.locationPrefix = pieces[location];
        result.areaDigit = 0;
    }
    return result;
}

std::string_view HomePrefix(std::string_view homeCall) {
    const std::size_t lastDigit = homeCall.find_last_of("0123456789");
    return lastDigit == std::string_view::npos ? homeCall : homeCall.substr(0, lastDigit + 1);
}

}  // namespace replay
