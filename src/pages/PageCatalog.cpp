#include "PageCatalog.h"

#include "CForwardingTableDlg.h"
#include "CInterfaceTableDlg.h"
#include "CIpTableDlg.h"
#include "CPortSetInfo.h"
#include "CSyslogDlg.h"
#include "CSystemInfoDlg.h"
#include "CTcpServiceDlg.h"
#include "CUdpServiceDlg.h"

#include <functional>
#include <map>

namespace {

using Factory = std::function<std::unique_ptr<QDialog>(int port)>;

const std::map<int, Factory>& factories()
{
    static const std::map<int, Factory> table = {
        // Pages join here as they are built: {commandId, [](int port) { return std::make_unique<...>(); }}
        {32774, [](int port) { return std::make_unique<CPortSetInfo>(port); }},
        {32832, [](int) { return std::make_unique<CSyslogDlg>(); }},
        {32805, [](int) { return std::make_unique<CSystemInfoDlg>(); }},
        {32809, [](int) { return std::make_unique<CInterfaceTableDlg>(); }},
        {32808, [](int) { return std::make_unique<CIpTableDlg>(); }},
        {32810, [](int) { return std::make_unique<CForwardingTableDlg>(); }},
        {32811, [](int) { return std::make_unique<CTcpServiceDlg>(); }},
        {32812, [](int) { return std::make_unique<CUdpServiceDlg>(); }},
    };
    return table;
}

} // namespace

bool PageCatalog::has(int commandId)
{
    return factories().count(commandId) != 0;
}

std::unique_ptr<QDialog> PageCatalog::create(int commandId, int port)
{
    auto it = factories().find(commandId);
    return it == factories().end() ? nullptr : it->second(port);
}
