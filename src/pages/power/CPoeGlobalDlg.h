#pragma once
// "PoE Global Settings": the system power threshold and the power shut-off sequence, with the
// power budget, the power used and left and the share of the system's power supplied.

#include "CPageDialog.h"

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;

class CPoeGlobalDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdBudget = 1005,
        IdUsed = 1006,
        IdLeft = 1008,
        IdSupplied = 1009,
        IdThreshold = 1155,
        IdShutOffSequence = 1156,
        IdApply = 1158,
        IdClose = 2,
    };

    // The switch is read `firstReadDelayMs` after the page opens.
    explicit CPoeGlobalDlg(int firstReadDelayMs = 3000);

protected:
    void onOpen() override;
    void read() override;
    void apply() override;

    CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");
    CCommonSNMP& m_cCommonSNMPSet = addSession("m_cCommonSNMPSet");

private:
    // Reads the objects one get each, in order, from the `index`-th on.
    void readObject(std::size_t index);
    void showObject(std::size_t index, const SnmpReply& reply);
    // The threshold's range on this model; false (after its message) when the text is outside.
    bool thresholdAccepted();
    // The threshold's write (none when it is unchanged) after the sequence's; `written`: whether
    // the sequence's went through. Then the message of the whole Apply.
    void writeThreshold(const std::optional<SetRequest>& threshold, bool written);
    void reportWrite(bool written);

    int m_firstReadDelayMs;
    QString m_keptThreshold;
    std::optional<int> m_keptSequence;

    QLabel* m_thresholdLabel;
    QLineEdit* m_threshold;
    QComboBox* m_sequence;
    QLineEdit* m_budget;
    QLineEdit* m_used;
    QLineEdit* m_left;
    QLineEdit* m_supplied;
};
