// Bitmap headers and the wave-file signature, read from raw bytes (little-endian fields).
// Never decodes pixels or samples.
#include "platform/headless/media_files.h"

#include <cstdint>
#include <cstdlib>

namespace platform::headless {
namespace {

std::uint32_t u16(std::string_view b, std::size_t at)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8;
}

std::uint32_t u32(std::string_view b, std::size_t at) { return u16(b, at) | u16(b, at + 2) << 16; }

}  // namespace

std::optional<BitmapSize> bitmap_size(std::string_view bytes)
{
    if (bytes.size() < 26 || bytes.substr(0, 2) != "BM") return std::nullopt;
    const std::uint32_t header = u32(bytes, 14);
    long long width = 0;
    long long height = 0;
    if (header == 12) {  // the old core header: 16-bit sizes
        width = u16(bytes, 18);
        height = u16(bytes, 20);
    } else if (header >= 40 && bytes.size() >= 26) {
        width = static_cast<std::int32_t>(u32(bytes, 18));
        height = std::llabs(static_cast<std::int32_t>(u32(bytes, 22)));  // negative: stored top-down
    } else {
        return std::nullopt;
    }
    if (width <= 0 || height <= 0 || width > 1000000 || height > 1000000) return std::nullopt;
    return BitmapSize{static_cast<int>(width), static_cast<int>(height)};
}

bool is_wave(std::string_view bytes)
{
    return bytes.size() >= 12 && bytes.substr(0, 4) == "RIFF" && bytes.substr(8, 4) == "WAVE";
}

}  // namespace platform::headless
