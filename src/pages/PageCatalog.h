#pragma once
// The pages the device menu can open, by menu command id. A menu entry whose page is not in the
// catalog is shown disabled.

#include <QDialog>

#include <memory>
#include <vector>

class PageCatalog {
public:
    // True when a page is built for this menu command.
    static bool has(int commandId);
    // A new page for the command (nullptr when none is built). The caller runs it with exec().
    // `port` is the front-panel port that was clicked (1-based), 0 when opened from the menu;
    // pages that have no use for it ignore it.
    static std::unique_ptr<QDialog> create(int commandId, int port = 0);
    // Every menu command a page is built for.
    static std::vector<int> commands();
};
