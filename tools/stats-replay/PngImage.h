// A picture as a PNG file: 8-bit RGB, no filtering, the image data in stored (uncompressed)
// deflate blocks, so it needs no compression library. Standard C++ only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace replay {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;   // rows top to bottom, 3 bytes (R, G, B) per pixel
};

// The PNG file's bytes.
std::string EncodePng(const RgbImage& image);

// Writes the PNG file; false when it cannot be written completely.
bool WritePng(const std::string& path, const RgbImage& image);

}  // namespace replay
