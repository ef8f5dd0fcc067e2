// What the headless back-end needs to know of picture and sound files without decoding them:
// the size a bitmap declares, and whether a file is a wave file. Reads bytes given to it only.
#pragma once

#include <optional>
#include <string_view>

namespace platform::headless {

struct BitmapSize {
    int width = 0;
    int height = 0;
};

// The width and height from a BMP file's headers (core or info header); none when the bytes
// are no bitmap.
std::optional<BitmapSize> bitmap_size(std::string_view bytes);

// A RIFF file of the WAVE form.
bool is_wave(std::string_view bytes);

}  // namespace platform::headless
