#pragma once
// The device menu: "&Device Manager   " with its nine sub-menus, "&Public MIB   ", "&Tools   "
// and "&About   ". Each entry is a QAction whose objectName is its command id. Entries that open
// a page are enabled only when that page exists; the entries a model lacks are removed.

#include "MenuCommand.h"

#include <QObject>
#include <QString>

#include <functional>
#include <string>

class QAction;
class QMenu;
class QMenuBar;

class DeviceMenu : public QObject {
    Q_OBJECT
public:
    static constexpr int kPoeMenuPosition = 8;

    explicit DeviceMenu(QMenuBar* bar);

    // True for the commands that act directly (tools and About) rather than open a page.
    static bool IsTool(int commandId);
    // Enables each page entry whose page `available` says exists; tools stay enabled.
    void EnablePages(const std::function<bool(int commandId)>& available);
    // Removes what the model does not have (PoE, LLDP MED, jumbo frames).
    void Prune(const std::string& deviceName);
    // "About " followed by the device name.
    void SetAboutText(const QString& deviceName);

    // The entry of a command; nullptr when the model has none.
    QAction* Action(int commandId) const;
    QMenu* DeviceManager() const { return m_deviceManager; }

signals:
    void CommandTriggered(int commandId);

private:
    QMenu* AddMenu(QMenu* parent, const QString& title);
    void AddEntry(QMenu* menu, int commandId, const QString& text);
    void Remove(int commandId);

    QMenuBar* m_bar;
    QMenu* m_deviceManager = nullptr;
};
