#include "AsyncDispatcher.h"

namespace snmp {

namespace {
constexpr size_t kMaxThreads = 64;
// On a pool thread: the one job posted by the job now running (a walk's next request), which this
// thread runs as soon as the current job returns instead of waking another thread for it.
thread_local std::function<void()>* t_continuation = nullptr;
} // namespace

AsyncDispatcher& AsyncDispatcher::instance()
{
    static AsyncDispatcher dispatcher;
    return dispatcher;
}

void AsyncDispatcher::post(std::function<void()> job)
{
    if (t_continuation && !*t_continuation) {
        *t_continuation = std::move(job);
        return;
    }
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
        std::function<void()> job = std::move(m_jobs.front());
        m_jobs.pop_front();
        lock.unlock();
        std::function<void()> next;
        t_continuation = &next;
        job();
        while (next) {
            job = std::move(next);
            next = nullptr;
            job();
        }
        t_continuation = nullptr;
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
