#include "ShutdownRequest.h"

#include "CPageDialog.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

namespace {

bool g_requested = false;

} // namespace

void ShutdownRequest::begin()
{
    g_requested = true;
    CPageDialog::closeAllPages();
    // Message boxes and other dialogs in their own loops, the device window among them. Before
    // the application's loop has started, ending those loops is the only way out of them.
    QList<QPointer<QDialog>> dialogs;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible())
            dialogs.append(dialog);
    }
    for (const QPointer<QDialog>& dialog : dialogs) {
        if (dialog)
            dialog->reject();
    }
    QCoreApplication::exit(0);
}

bool ShutdownRequest::requested()
{
    return g_requested;
}
