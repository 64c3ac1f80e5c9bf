#pragma once
// "PortMirroringConfiguration": mirroring on or off, the target (sniffer) port, and for every
// other port whether its transmitted frames, received frames, both or none are copied to the
// target. One column of four boxes per port, laid out by the port count; the four boxes of a
// port act as one choice.

#include "CMirrorData.h"
#include "CResizeDialog.h"

#include <array>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QRadioButton;

class CPortMirrorDlg : public CResizeDialog {
    Q_OBJECT
public:
    enum Mode { Tx, Rx, Both, None };
    enum ControlId {
        IdApply = 1000,
        IdRefresh = 1044,
        IdClose = 1128,
        IdMainFrame = 1137,
        IdTopFrame = 1138,
        IdTarget = 1250,
        IdSelectAll = 1253,
        IdEnabled = 1254,
        IdDisabled = 1255,
        IdAllTx = 1258,        // the "All" buttons: IdAllTx + mode
        IdFirstCaption = 7900, // + port
        IdFirstTx = 8000,      // the boxes: IdFirstTx + 100 * mode + port
    };
    static constexpr int allButtonId(Mode mode) { return IdAllTx + int(mode); }
    static constexpr int boxId(int port, Mode mode) { return IdFirstTx + 100 * int(mode) + port; }

    CPortMirrorDlg();

protected:
    void read() override;
    void apply() override;

private:
    void buildPortColumns();
    void showReading(const CMirrorData::Reading& reading);
    QCheckBox* box(int port, Mode mode) const;
    Mode modeOf(int port) const;
    void choose(int port, Mode mode);
    void enablePort(int port, bool enabled);
    // The port in the target box; 0 when the text is no port number.
    int shownTarget() const;
    void selectAll(Mode mode);
    void onTargetChosen();
    void onStateChosen(bool enabled);

    int m_portCount;
    CMirrorData m_data;
    QRadioButton* m_enabled;
    QRadioButton* m_disabled;
    QComboBox* m_target;
    // Element p - 1 for port p: the four boxes, and the group that makes them one choice.
    std::vector<std::array<QCheckBox*, 4>> m_boxes;
    std::vector<QButtonGroup*> m_groups;
};
