#include "tools/stats-replay/Problem.h"

#include <utility>

namespace replay {

void ProblemList::Add(int line, std::string message) {
    if (problems_.size() < kMaxProblems) {
        problems_.push_back({line, std::move(message)});
    } else if (dropped_++ == 0) {
        problems_.push_back({line, "further problems from this line on are not listed"});
    }
}

}  // namespace replay
