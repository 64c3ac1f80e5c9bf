#include "MessageBox.h"

#include "QtMessageBox.h"

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

void MessageBox::info(const QString& text, MessageIcon icon)
{
    service().showInfo(text, icon);
}

bool MessageBox::question(const QString& text)
{
    return service().askQuestion(text);
}

MessageBox* MessageBox::install(MessageBox* replacement)
{
    return installedService.exchange(replacement);
}
