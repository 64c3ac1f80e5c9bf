#include "PageCatalog.h"

#include "CFirmwareDlg.h"
#include "CArpSpoofingDlg.h"
#include "CBandwidthDlg.h"
#include "CDhcpScreeningDlg.h"
#include "CDot1xDlg.h"
#include "CForwardingTableDlg.h"
#include "CIMPBBlackList.h"
#include "CIMPBSettings.h"
#include "CIMPBSmartBinding.h"
#include "CIMPBWhiteList.h"
#include "CInterfaceTableDlg.h"
#include "CIgmpSnoopingDlg.h"
#include "CIpTableDlg.h"
#include "CJumboFrameDlg.h"
#include "CMgmtVlanDlg.h"
#include "CMulticastFilterDlg.h"
#include "CPortMirrorDlg.h"
#include "CPortSetInfo.h"
#include "CSurveillanceVlanDlg.h"
#include "CLldpGlobalDlg.h"
#include "CLldpMedDlg.h"
#include "CLldpRemoteDlg.h"
#include "CPoeGlobalDlg.h"
#include "CPoePortDlg.h"
#include "CPortSetInfo.h"
#include "CPowerSavingDlg.h"
#include "CStormControlDlg.h"
#include "CSyslogDlg.h"
#include "CTimeProfileDlg.h"
#include "CSystemInfoDlg.h"
#include "CTrunkDlg.h"
#include "CVlanConfigDlg.h"
#include "MenuCommand.h"
#include "CTcpServiceDlg.h"
#include "CTrafficSegmentationDlg.h"
#include "CUdpServiceDlg.h"
#include "CSnmpCommunityDlg.h"
#include "CSnmpEngineIdDlg.h"
#include "CSnmpGlobalStateDlg.h"
#include "CSnmpGroupDlg.h"
#include "CSnmpHostDlg.h"
#include "CSnmpTrapDlg.h"
#include "CSnmpUserDlg.h"
#include "CSnmpViewDlg.h"
#include "CStpBridgeConfigDlg.h"

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
        {MenuCommand::SnmpCommunityTable, [](int) { return std::make_unique<CSnmpCommunityDlg>(); }},
        {MenuCommand::SnmpHostTable, [](int) { return std::make_unique<CSnmpHostDlg>(); }},
        {MenuCommand::SnmpTrap, [](int) { return std::make_unique<CSnmpTrapDlg>(); }},
        {MenuCommand::SnmpGlobalState, [](int) { return std::make_unique<CSnmpGlobalStateDlg>(); }},
        {MenuCommand::SnmpEngineId, [](int) { return std::make_unique<CSnmpEngineIdDlg>(); }},
        {MenuCommand::SnmpUserTable, [](int) { return std::make_unique<CSnmpUserDlg>(); }},
        {MenuCommand::SnmpGroupTable, [](int) { return std::make_unique<CSnmpGroupDlg>(); }},
        {MenuCommand::SnmpViewTable, [](int) { return std::make_unique<CSnmpViewDlg>(); }},
        {MenuCommand::SpanningTree, [](int) { return std::make_unique<CStpBridgeConfigDlg>(); }},
        {MenuCommand::Trunk, [](int) { return std::make_unique<CTrunkDlg>(); }},
        {MenuCommand::VlanConfiguration, [](int) { return std::make_unique<CVlanConfigDlg>(); }},
        {MenuCommand::JumboFrame, [](int) { return std::make_unique<CJumboFrameDlg>(); }},
        {MenuCommand::ManagementVlan, [](int) { return std::make_unique<CMgmtVlanDlg>(); }},
        {MenuCommand::PortMirroring, [](int) { return std::make_unique<CPortMirrorDlg>(); }},
        {MenuCommand::IgmpSnooping, [](int) { return std::make_unique<CIgmpSnoopingDlg>(); }},
        {MenuCommand::MulticastFilteringMode, [](int) { return std::make_unique<CMulticastFilterDlg>(); }},
        {MenuCommand::SurveillanceVlan, [](int) { return std::make_unique<CSurveillanceVlanDlg>(); }},
        {MenuCommand::Firmware, [](int) { return std::make_unique<CFirmwareDlg>(); }},
        {MenuCommand::PoeGlobal, [](int) { return std::make_unique<CPoeGlobalDlg>(); }},
        {MenuCommand::PoePortConfig, [](int) { return std::make_unique<CPoePortDlg>(); }},
        {MenuCommand::LldpGlobal, [](int) { return std::make_unique<CLldpGlobalDlg>(); }},
        {MenuCommand::LldpMed, [](int) { return std::make_unique<CLldpMedDlg>(); }},
        {MenuCommand::LldpRemotePorts, [](int) { return std::make_unique<CLldpRemoteDlg>(); }},
        {MenuCommand::TimeProfile, [](int) { return std::make_unique<CTimeProfileDlg>(); }},
        {MenuCommand::PowerSaving, [](int) { return std::make_unique<CPowerSavingDlg>(); }},
        {MenuCommand::ArpSpoofingPrevention, [](int) { return std::make_unique<CArpSpoofingDlg>(); }},
        {MenuCommand::DhcpServerScreening, [](int) { return std::make_unique<CDhcpScreeningDlg>(); }},
        {MenuCommand::TrafficSegmentation, [](int) { return std::make_unique<CTrafficSegmentationDlg>(); }},
        {MenuCommand::BandwidthControl, [](int) { return std::make_unique<CBandwidthDlg>(); }},
        {MenuCommand::StormControl, [](int) { return std::make_unique<CStormControlDlg>(); }},
        {MenuCommand::SmartBindingSettings, [](int) { return std::make_unique<CIMPBSettings>(); }},
        {MenuCommand::SmartBinding, [](int) { return std::make_unique<CIMPBSmartBinding>(); }},
        {MenuCommand::WhiteList, [](int) { return std::make_unique<CIMPBWhiteList>(); }},
        {MenuCommand::BlackList, [](int) { return std::make_unique<CIMPBBlackList>(); }},
        {MenuCommand::Dot1x, [](int) { return std::make_unique<CDot1xDlg>(); }},
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
