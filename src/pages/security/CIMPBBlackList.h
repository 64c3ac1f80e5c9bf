#pragma once
// "Black List": the hosts the switch has blocked (VID, IP, MAC, port); Delete clears the entry.

#include "CIMPBListDlg.h"

class CIMPBBlackList : public CIMPBListDlg {
    Q_OBJECT
public:
    CIMPBBlackList();

protected:
    std::vector<std::string> walkedColumns() const override { return CIMPBData::blackListColumns(); }
    Row rowOf(const SnmpReply& reply) const override;
    SetRequest deletion(const std::string& index) const override { return CIMPBData::deleteFromBlackList(index); }
};
