#include "BlockingCall.h"

#include <QEventLoop>
#include <QMetaObject>

#include <atomic>
#include <thread>

int BlockingCall::Run(const std::function<int()>& work, const std::function<void()>& cancel)
{
    QEventLoop loop;
    int result = -1;
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        result = work();
        finished = true;
        // Queued, so it is seen once the loop runs.
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!finished && cancel)
        cancel();
    worker.join();
    return result;
}
