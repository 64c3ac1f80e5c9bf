#include "MessageBox.h"

#include "QtMessageBox.h"
#include "ShutdownRequest.h"

#include <atomic>

namespace {

std::atomic<MessageBox*> installedService{nullptr};

MessageBox& service()
{
    static QtMessageBox realDialog;
    MessageBox* installed = installedService.load();
    return installed ? *installed : realDialog;
}

} // namespace

// While the module shuts down nobody is there to answer: nothing is shown, and a question gets
// its default answer (Cancel).
void MessageBox::info(const QString& text, MessageIcon icon)
{
    if (ShutdownRequest::requested())
        return;
    service().showInfo(text, icon);
}

bool MessageBox::question(const QString& text)
{
    if (ShutdownRequest::requested())
        return false;
    return service().askQuestion(text);
}

MessageBox* MessageBox::install(MessageBox* replacement)
{
    return installedService.exchange(replacement);
}
