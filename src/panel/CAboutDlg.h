#pragma once
// The About box (dlg100): the device name, the fixed firmware, hardware and module version
// texts, the application icon and OK.

#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(const QString& deviceName, QWidget* parent = nullptr);
};
