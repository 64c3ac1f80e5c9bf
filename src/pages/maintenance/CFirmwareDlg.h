#pragma once
// "Firmware and Configuration Upgrade/Backup": makes the switch fetch a firmware image or a
// configuration file from a TFTP server (upgrade) or send one to it (backup). The page writes
// the server and the file name, then the operation, and watches the transfer status until the
// transfer succeeds, fails or times out, moving a progress bar meanwhile. An upgrade cuts the
// connection to the switch for a while: unanswered status reads are tolerated once the switch
// has reported the transfer running.

#include "CPageDialog.h"
#include "TransferTimers.h"
#include "TransferTimings.h"

#include <memory>

class CIpAddressEdit;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;

class CFirmwareDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdServer = 203,
        IdFileName = 206,
        IdFileType = 207,
        IdOperation = 212,
        IdProgress = 1035,
        IdProgressLabel = 1036,
        IdApply = 242,
        IdClose = 2,
    };

    // `timers`: nullptr runs the timers on the event loop.
    explicit CFirmwareDlg(std::unique_ptr<TransferTimers> timers = nullptr, TransferTimings timings = {});
    ~CFirmwareDlg() override;

    void done(int result) override;

protected:
    void apply() override;

    CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");
    CCommonSNMP& m_cCommonSNMPSetOp = addSession("m_cCommonSNMPSetOp");

private:
    enum class FileKind { Firmware, Configuration };

    bool serverAccepted();
    void limitFileName();
    void setControlsEnabled(bool enabled);
    void showProgress(bool shown);

    // The steps of a transfer; handlers of an earlier transfer are dropped.
    void onAddressAnswer(const WriteResult& result);
    void writeOperation();
    void onOperationAnswer(const WriteResult& result);
    void readStatus();
    void onStatusAnswer(const SnmpReply& reply);
    void onUnansweredStatus();
    void onTimer(TransferTimers::Role role);
    void stepProgress();
    // Reports the outcome once: the watching stops, the message shows, the controls come back.
    void finish(const QString& message);
    bool isCurrent(unsigned transfer) const { return transfer == m_transfer; }

    std::unique_ptr<TransferTimers> m_timers;
    TransferTimings m_timings;

    FileKind m_kind = FileKind::Configuration;
    bool m_upgrade = true;
    unsigned m_transfer = 0;       // counts transfers; each handler knows the one it belongs to
    bool m_finished = true;        // the outcome of the current transfer has been reported
    bool m_running = false;        // unanswered status reads are tolerated
    int m_progressTimes = 1;       // the next position of the progress bar
    int m_unansweredReads = 0;     // consecutive status reads without an answer

    CIpAddressEdit* m_server;
    QLineEdit* m_fileName;
    QComboBox* m_operation;
    QComboBox* m_fileType;
    QLabel* m_progressLabel;
    QProgressBar* m_progress;
};
