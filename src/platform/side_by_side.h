// Work split into parts that run side by side, one thread per part, for the few steps that
// read a large base whole (the parts of a fact file). The calling thread runs part 0.
#pragma once

#include <cstddef>
#include <exception>
#include <thread>
#include <vector>

namespace platform {

// How many threads the machine runs at once (1 when it does not say).
std::size_t hardware_threads();
// How many parts a computation over a whole list is split into: one per thread the machine
// runs, at most eight, as more parts cost more in joining them than they save.
std::size_t threads_for_parts();

// Calls work(i) for every i below parts, each on a thread of its own, and returns when all have
// ended. An exception of a part is raised here once all have ended: that of the lowest part.
template <class Work>
void run_side_by_side(std::size_t parts, Work&& work)
{
    std::vector<std::exception_ptr> errors(parts);
    auto run = [&](std::size_t i) {
        try {
            work(i);
        } catch (...) {
            errors[i] = std::current_exception();  // raised again below, on the calling thread
        }
    };
    std::vector<std::jthread> threads;
    threads.reserve(parts);
    for (std::size_t i = 1; i < parts; ++i) threads.emplace_back(run, i);
    if (parts > 0) run(0);
    threads.clear();  // joins them
    for (const std::exception_ptr& e : errors)
        if (e) std::rethrow_exception(e);
}

}  // namespace platform
