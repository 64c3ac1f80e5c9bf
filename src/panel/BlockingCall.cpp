#include "BlockingCall.h"

#include <QEventLoop>
#include <QMetaObject>

#include <thread>

int BlockingCall::Run(const std::function<int()>& work)
{
    QEventLoop loop;
    int result = -1;
    std::thread worker([&] {
        result = work();
        // Queued, so it is seen once the loop runs.
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    return result;
}
