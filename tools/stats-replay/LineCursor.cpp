#include "tools/stats-replay/LineCursor.h"

namespace replay {

bool LineCursor::Next(std::string_view& line) {
    if (done_) return false;
    std::size_t end = rest_.find_first_of("\r\n");
    ++lineNumber_;
    if (end == std::string_view::npos) {
        done_ = true;
        // A text that ends with a line end has no further, empty line.
        if (rest_.empty()) {
            --lineNumber_;
            return false;
        }
        line = rest_;
        return true;
    }
    line = rest_.substr(0, end);
    std::size_t next = end + 1;
    if (rest_[end] == '\r' && next < rest_.size() && rest_[next] == '\n') ++next;
    rest_.remove_prefix(next);
    return true;
}

}  // namespace replay
