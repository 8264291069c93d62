#include "tools/stats-replay/FileText.h"

#include <fstream>
#include <vector>

namespace replay {

FileText ReadFileText(const std::string& path, std::size_t maxBytes) {
    FileText result;
    std::ifstream file(path, std::ios::binary);
    if (!file) return result;
    std::vector<char> buffer(64 * 1024);
    while (file.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || file.gcount() > 0) {
        result.text.append(buffer.data(), static_cast<std::size_t>(file.gcount()));
        if (result.text.size() > maxBytes) {
            result.text.clear();
            result.status = FileReadStatus::TooLarge;
            return result;
        }
    }
    if (file.bad()) {
        result.text.clear();
        result.status = FileReadStatus::ReadError;
        return result;
    }
    result.status = FileReadStatus::Ok;
    return result;
}

}  // namespace replay
