#include "CIMPBBlackList.h"

CIMPBBlackList::CIMPBBlackList()
    : CIMPBListDlg(144, QStringLiteral("Black List"),
                   {{"VID", 85}, {"IP Address", 185}, {"Mac Address", 200}, {"Port", 90}})
{
}

CIMPBListDlg::Row CIMPBBlackList::rowOf(const SnmpReply& reply) const
{
    const CIMPBData::BlackListEntry entry = CIMPBData::blackListEntry(reply);
    return {{entry.vid, entry.ip, entry.mac, entry.port}, entry.index};
}
