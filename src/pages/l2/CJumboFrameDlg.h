#pragma once
// "Jumbo Frame Configuration": one switch-wide setting, jumbo frames on or off. Apply tells the
// operator what is being set, writes it, reads it back and closes the page.

#include "CPageDialog.h"

class QCheckBox;

class CJumboFrameDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdApply = 1,
        IdClose = 2,
        IdEnable = 1062,
    };

    CJumboFrameDlg();

protected:
    void read() override;
    void apply() override;

    CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");

private:
    void showReply(const SnmpReply& reply);

    QCheckBox* m_enable;
};
