// Reads a whole file into memory, refusing files above a size limit so that
// a wrong path (a device, a disk image) cannot exhaust memory.
#pragma once

#include <cstddef>
#include <string>

namespace replay {

enum class FileReadStatus { Ok, CannotOpen, TooLarge, ReadError };

struct FileText {
    FileReadStatus status = FileReadStatus::CannotOpen;
    std::string text;  // empty unless status is Ok
};

FileText ReadFileText(const std::string& path, std::size_t maxBytes);

}  // namespace replay
