#include "UserInputBlock.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

int g_holders = 0;

UserInputBlock*& instance()
{
    static UserInputBlock* block = nullptr;
    return block;
}

} // namespace

void UserInputBlock::acquire()
{
    if (g_holders++ > 0 || !QCoreApplication::instance())
        return;
    if (!instance())
        instance() = new UserInputBlock;
    QCoreApplication::instance()->installEventFilter(instance());
}

void UserInputBlock::release()
{
    if (g_holders == 0 || --g_holders > 0)
        return;
    if (instance() && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(instance());
}

bool UserInputBlock::active()
{
    return g_holders > 0;
}

bool UserInputBlock::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::ContextMenu:
    case QEvent::Drop:
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}
