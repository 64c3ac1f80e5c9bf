#pragma once
// "White List": the bound hosts (IP, MAC, ports); Delete destroys the entry.

#include "CIMPBListDlg.h"

class CIMPBWhiteList : public CIMPBListDlg {
    Q_OBJECT
public:
    CIMPBWhiteList();

protected:
    std::vector<std::string> walkedColumns() const override { return CIMPBData::whiteListColumns(); }
    Row rowOf(const SnmpReply& reply) const override;
    SetRequest deletion(const std::string& index) const override { return CIMPBData::deleteFromWhiteList(index); }
};
