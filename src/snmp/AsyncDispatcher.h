#pragma once
// Runs the adapter's asynchronous requests and late callbacks on threads of its own, so that an
// answer never arrives inside the Send that asked for it. The pool grows while every thread is
// busy (a page may keep several requests outstanding) and keeps its threads for reuse. A job
// posted from inside a running job (a callback continuing its walk) runs next on the same thread.

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace snmp {

class AsyncDispatcher {
public:
    static AsyncDispatcher& instance();

    void post(std::function<void()> job);

    ~AsyncDispatcher();

private:
    AsyncDispatcher() = default;
    void run();

    std::mutex m_mutex;
    std::condition_variable m_cv;
    std::deque<std::function<void()>> m_jobs;
    std::vector<std::thread> m_threads;
    int m_idle = 0;
    bool m_stopping = false;
};

} // namespace snmp
