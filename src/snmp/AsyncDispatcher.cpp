#include "AsyncDispatcher.h"

namespace snmp {

namespace {
constexpr size_t kMaxThreads = 64;
}

AsyncDispatcher& AsyncDispatcher::instance()
{
    static AsyncDispatcher dispatcher;
    return dispatcher;
}

void AsyncDispatcher::post(std::function<void()> job)
{
    std::unique_lock lock(m_mutex);
    m_jobs.push_back(std::move(job));
    if (m_idle >= static_cast<int>(m_jobs.size()) || m_threads.size() >= kMaxThreads) {
        lock.unlock();
        m_cv.notify_one();
        return;
    }
    m_threads.emplace_back([this] { run(); });
}

void AsyncDispatcher::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        ++m_idle;
        m_cv.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
        --m_idle;
        if (m_jobs.empty())
            return; // stopping
        auto job = std::move(m_jobs.front());
        m_jobs.pop_front();
        lock.unlock();
        job();
        lock.lock();
    }
}

AsyncDispatcher::~AsyncDispatcher()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_cv.notify_all();
    for (auto& t : m_threads)
        t.join();
}

} // namespace snmp
