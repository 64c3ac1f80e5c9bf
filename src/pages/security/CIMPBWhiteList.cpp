#include "CIMPBWhiteList.h"

CIMPBWhiteList::CIMPBWhiteList()
    : CIMPBListDlg(140, QStringLiteral("White List"), {{"IP Address", 200}, {"Mac Address", 220}, {"Port", 160}})
{
}

CIMPBListDlg::Row CIMPBWhiteList::rowOf(const SnmpReply& reply) const
{
    const CIMPBData::WhiteListEntry entry = m_data.whiteListEntry(reply);
    if (!entry.active)
        return {};
    return {{entry.ip, entry.mac, entry.ports}, entry.index};
}
