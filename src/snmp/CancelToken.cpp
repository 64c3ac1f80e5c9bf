#include "CancelToken.h"

#include <cstdint>
#include <sys/eventfd.h>
#include <unistd.h>

namespace snmp {

CancelSource::~CancelSource()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void CancelSource::cancel()
{
    std::lock_guard lock(m_mutex);
    m_cancelled.store(true, std::memory_order_release);
    if (m_fd >= 0) {
        const uint64_t one = 1;
        [[maybe_unused]] auto n = ::write(m_fd, &one, sizeof one);
    }
    m_cv.notify_all();
}

bool CancelSource::waitFor(std::chrono::milliseconds duration)
{
    std::unique_lock lock(m_mutex);
    return m_cv.wait_for(lock, duration, [this] { return cancelled(); });
}

int CancelSource::fd()
{
    std::lock_guard lock(m_mutex);
    if (m_fd < 0) {
        m_fd = ::eventfd(cancelled() ? 1 : 0, EFD_CLOEXEC | EFD_NONBLOCK);
    }
    return m_fd;
}

} // namespace snmp
