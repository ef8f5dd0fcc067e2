#include "platform/side_by_side.h"

#include <algorithm>
#include <thread>

namespace platform {

std::size_t hardware_threads()
{
    const unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : n;
}

std::size_t threads_for_parts()
{
    constexpr std::size_t kMostParts = 8;
    return std::min(hardware_threads(), kMostParts);
}

}  // namespace platform
