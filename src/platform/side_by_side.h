// Work split into parts that run side by side, for the few steps that read a large base whole
// (the parts of a fact file, the lists of a model base). The calling thread runs parts too.
#pragma once

#include <array>
#include <cstddef>
#include <exception>
#include <functional>
#include <thread>
#include <vector>

namespace platform {

// How many threads the machine runs at once (1 when it does not say).
std::size_t hardware_threads();
// How many parts a computation over a whole list is split into: one per thread the machine
// runs, at most eight, as more parts cost more in joining them than they save.
std::size_t threads_for_parts();

namespace detail {
// Runs part(i) for every i below parts on the program's waiting threads and this one, and
// returns when all have ended. False, running nothing, while they serve another computation
// (a part asking for parts of its own): the caller starts threads of its own then.
bool run_on_waiting_threads(std::size_t parts, const std::function<void(std::size_t)>& part);
}  // namespace detail

// Calls work(i) for every i below parts, side by side, and returns when all have ended; the
// calling thread runs part 0. The threads wait between computations instead of being started
// for each: starting eight threads costs about half a millisecond, as much as some whole steps.
// A computation of more parts than the machine runs at once has some run one after another, so
// parts must never wait for each other. An exception of a part is raised here once all have
// ended: that of the lowest part.
template <class Work>
void run_side_by_side(std::size_t parts, Work&& work)
{
    std::vector<std::exception_ptr> errors(parts);
    const std::function<void(std::size_t)> run = [&](std::size_t i) {
        try {
            work(i);
        } catch (...) {
            errors[i] = std::current_exception();  // raised again below, on the calling thread
        }
    };
    if (parts == 1) {
        run(0);
    } else if (parts > 1 && !detail::run_on_waiting_threads(parts, run)) {
        std::vector<std::jthread> threads;
        threads.reserve(parts);
        for (std::size_t i = 1; i < parts; ++i) threads.emplace_back(run, i);
        run(0);
        threads.clear();  // joins them
    }
    for (const std::exception_ptr& e : errors)
        if (e) std::rethrow_exception(e);
}

// Whether a step over this many items of a base is worth threads: below it, handing out the
// parts costs more than the step itself.
inline bool worth_threads(std::size_t items)
{
    constexpr std::size_t kItemsWorthThreads = 16384;
    return items >= kItemsWorthThreads && hardware_threads() > 1;
}

// Calls each task once: with `apart`, side by side, else one after another in their order.
// Tasks run apart must only read what they share, and make no names (no Name of a text): the
// program's names are made by one thread at a time, and the others read them meanwhile. An
// exception is raised here once all have ended: that of the first task that raised one.
template <class... Tasks>
void run_each(bool apart, Tasks&&... tasks)
{
    const std::array<std::function<void()>, sizeof...(Tasks)> all{std::function<void()>(std::ref(tasks))...};
    if (!apart) {
        std::exception_ptr first;
        for (const auto& task : all) {
            try {
                task();
            } catch (...) {
                if (!first) first = std::current_exception();  // raised below, as apart
            }
        }
        if (first) std::rethrow_exception(first);
        return;
    }
    run_side_by_side(all.size(), [&](std::size_t i) { all[i](); });
}

}  // namespace platform
