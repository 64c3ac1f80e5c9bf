#pragma once
// "System Information": the switch's description, object OID and runtime, and its name and
// location, which the operator can change. Names in any language are read and written as UTF-8.

#include "CPageDialog.h"

class QLineEdit;
class QPlainTextEdit;

class CSystemInfoDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdName = 1010,
        IdLocation = 1011,
        IdContact = 1012,
        IdRuntime = 1013,
        IdObjectOid = 1014,
        IdDescription = 1015,
        IdRefresh = 1016,
        IdApply = 1017,
        IdClose = 2,
    };

    CSystemInfoDlg();

protected:
    void read() override;
    void apply() override;

    CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");
    CCommonSNMP& m_cCommonSNMPSet = addSession("m_cCommonSNMPSet");

private:
    void showReply(const SnmpReply& reply);

    QLineEdit* m_name;
    QLineEdit* m_location;
    QLineEdit* m_contact;
    QLineEdit* m_runtime;
    QLineEdit* m_objectOid;
    QPlainTextEdit* m_description;
};
