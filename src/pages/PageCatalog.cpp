#include "PageCatalog.h"

#include "CFirmwareDlg.h"
#include "CForwardingTableDlg.h"
#include "CInterfaceTableDlg.h"
#include "CIpTableDlg.h"
#include "CLldpGlobalDlg.h"
#include "CLldpMedDlg.h"
#include "CLldpRemoteDlg.h"
#include "CPoeGlobalDlg.h"
#include "CPoePortDlg.h"
#include "CPortSetInfo.h"
#include "CPowerSavingDlg.h"
#include "CSyslogDlg.h"
#include "CTimeProfileDlg.h"
#include "CSystemInfoDlg.h"
#include "MenuCommand.h"
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
        {MenuCommand::PortConfiguration, [](int port) { return std::make_unique<CPortSetInfo>(port); }},
        {MenuCommand::SyslogHost, [](int) { return std::make_unique<CSyslogDlg>(); }},
        {MenuCommand::SystemInformation, [](int) { return std::make_unique<CSystemInfoDlg>(); }},
        {MenuCommand::InterfaceTable, [](int) { return std::make_unique<CInterfaceTableDlg>(); }},
        {MenuCommand::IpTable, [](int) { return std::make_unique<CIpTableDlg>(); }},
        {MenuCommand::ForwardingTable, [](int) { return std::make_unique<CForwardingTableDlg>(); }},
        {MenuCommand::TcpService, [](int) { return std::make_unique<CTcpServiceDlg>(); }},
        {MenuCommand::UdpService, [](int) { return std::make_unique<CUdpServiceDlg>(); }},
        {MenuCommand::Firmware, [](int) { return std::make_unique<CFirmwareDlg>(); }},
        {MenuCommand::PoeGlobal, [](int) { return std::make_unique<CPoeGlobalDlg>(); }},
        {MenuCommand::PoePortConfig, [](int) { return std::make_unique<CPoePortDlg>(); }},
        {MenuCommand::LldpGlobal, [](int) { return std::make_unique<CLldpGlobalDlg>(); }},
        {MenuCommand::LldpMed, [](int) { return std::make_unique<CLldpMedDlg>(); }},
        {MenuCommand::LldpRemotePorts, [](int) { return std::make_unique<CLldpRemoteDlg>(); }},
        {MenuCommand::TimeProfile, [](int) { return std::make_unique<CTimeProfileDlg>(); }},
        {MenuCommand::PowerSaving, [](int) { return std::make_unique<CPowerSavingDlg>(); }},
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

std::vector<int> PageCatalog::commands()
{
    std::vector<int> ids;
    for (const auto& entry : factories())
        ids.push_back(entry.first);
    return ids;
}
