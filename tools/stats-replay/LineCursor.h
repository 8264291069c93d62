// Walks a text line by line, accepting LF, CR LF and lone CR line ends,
// and keeps the 1-based number of the line last returned.
#pragma once

#include <string_view>

namespace replay {

class LineCursor {
public:
    explicit LineCursor(std::string_view text) : rest_(text) {}

    // Gives the next line without its line end; false at the end of the text.
    bool Next(std::string_view& line);
    int LineNumber() const { return lineNumber_; }

private:
    std::string_view rest_;
    bool done_ = false;
    int lineNumber_ = 0;
};

}  // namespace replay
