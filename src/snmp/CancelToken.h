#pragma once
// A one-shot cancellation signal shared between whoever waits for an answer and whoever may cut
// that wait short (Close, a stop request). Waiters either sleep on it or poll its file descriptor
// together with their socket.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace snmp {

class CancelSource {
public:
    CancelSource() = default;
    ~CancelSource();
    CancelSource(const CancelSource&) = delete;
    CancelSource& operator=(const CancelSource&) = delete;

    void cancel();
    bool cancelled() const { return m_cancelled.load(std::memory_order_acquire); }
    // Sleeps up to `duration`; true when cancelled meanwhile.
    bool waitFor(std::chrono::milliseconds duration);
    // An eventfd that becomes readable on cancel (created on first use; -1 if none could be made).
    int fd();

private:
    std::atomic<bool> m_cancelled{false};
    std::mutex m_mutex;
    std::condition_variable m_cv;
    int m_fd = -1;
};

using CancelToken = std::shared_ptr<CancelSource>;

inline CancelToken makeCancelToken()
{
    return std::make_shared<CancelSource>();
}

} // namespace snmp
