// A problem found while reading an input file: the reading goes on and the
// caller gets the list. Line 0 stands for the file as a whole.
#pragma once

#include <string>
#include <vector>

namespace replay {

struct Problem {
    int line = 0;
    std::string message;
};

// Collects problems, but keeps at most a fixed number of them so that a
// huge file of garbage cannot exhaust memory with its error list.
class ProblemList {
public:
    static constexpr std::size_t kMaxProblems = 1000;

    void Add(int line, std::string message);
    std::vector<Problem> Take() { return std::move(problems_); }

private:
    std::vector<Problem> problems_;
    std::size_t dropped_ = 0;
};

}  // namespace replay
