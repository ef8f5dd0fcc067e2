#include "platform/side_by_side.h"

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <mutex>
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

namespace {

// Threads started once, one fewer than the machine runs at once, that wait for the parts of the
// next computation. Parts are handed out one at a time under the lock: a computation has a few
// dozen parts at most, each of many thousand items.
class WaitingThreads {
public:
    static WaitingThreads& instance()
    {
        static WaitingThreads threads;
        return threads;
    }

    WaitingThreads(const WaitingThreads&) = delete;
    WaitingThreads& operator=(const WaitingThreads&) = delete;

    ~WaitingThreads()
    {
        {
            const std::lock_guard<std::mutex> hold(lock_);
            stop_ = true;
        }
        wake_.notify_all();
        threads_.clear();  // joins them
    }

    bool run(std::size_t parts, const std::function<void(std::size_t)>& part)
    {
        std::uint64_t round = 0;
        {
            const std::lock_guard<std::mutex> hold(lock_);
            if (busy_ || on_waiting_thread) return false;
            busy_ = true;
            part_ = &part;
            parts_ = parts;
            next_ = 1;  // part 0 is this thread's
            unfinished_ = parts;
            round = ++round_;
        }
        wake_.notify_all();
        part(0);
        {
            const std::lock_guard<std::mutex> hold(lock_);
            --unfinished_;
        }
        take_parts(round);
        std::unique_lock<std::mutex> hold(lock_);
        done_.wait(hold, [&] { return unfinished_ == 0; });
        busy_ = false;
        part_ = nullptr;
        return true;
    }

private:
    WaitingThreads()
    {
        const std::size_t count = hardware_threads() - 1;
        threads_.reserve(count);
        for (std::size_t i = 0; i < count; ++i) threads_.emplace_back([this] { serve(); });
    }

    void serve()
    {
        on_waiting_thread = true;
        std::uint64_t seen = 0;
        for (;;) {
            {
                std::unique_lock<std::mutex> hold(lock_);
                wake_.wait(hold, [&] { return stop_ || round_ != seen; });
                if (stop_) return;
                seen = round_;
            }
            take_parts(seen);
        }
    }

    // Runs parts of the round until none is left to take. A part taken keeps its round under
    // way, and with it the work it calls.
    void take_parts(std::uint64_t round)
    {
        for (;;) {
            std::size_t i = 0;
            const std::function<void(std::size_t)>* part = nullptr;
            {
                const std::lock_guard<std::mutex> hold(lock_);
                if (round_ != round || part_ == nullptr || next_ == parts_) return;
                i = next_++;
                part = part_;
            }
            (*part)(i);  // never throws: run_side_by_side keeps each part's exception
            const std::lock_guard<std::mutex> hold(lock_);
            if (--unfinished_ == 0) done_.notify_all();
        }
    }

    static inline thread_local bool on_waiting_thread = false;

    std::mutex lock_;
    std::condition_variable wake_;
    std::condition_variable done_;
    const std::function<void(std::size_t)>* part_ = nullptr;
    std::size_t parts_ = 0;
    std::size_t next_ = 0;
    std::size_t unfinished_ = 0;
    std::uint64_t round_ = 0;
    bool busy_ = false;
    bool stop_ = false;
    std::vector<std::jthread> threads_;  // last: they stop before the rest goes
};

}  // namespace

namespace detail {

bool run_on_waiting_threads(std::size_t parts, const std::function<void(std::size_t)>& part)
{
    if (hardware_threads() < 2) return false;
    return WaitingThreads::instance().run(parts, part);
}

}  // namespace detail

}  // namespace platform
