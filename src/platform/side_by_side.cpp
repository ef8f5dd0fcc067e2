#include "platform/side_by_side.h"

#include <thread>

namespace platform {

std::size_t hardware_threads()
{
    const unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : n;
}

}  // namespace platform
