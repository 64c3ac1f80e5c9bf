#pragma once
// The base of the eight SNMP agent pages (communities, trap hosts, trap switches, agent state,
// engine ID, users, groups, views). It owns the agent's four sessions, walks its tables, reads
// its scalars and builds and sends the writes that create and delete rows; the pages own their
// controls, check the operator's input and decide what to write.
//
// Results reach the page on the GUI thread as owned records (queued delivery); the walks and
// reads hold the page's read gate, so Apply and Delete wait until the table is read whole.
// Closing the page traces and closes m_cCommonSNMP, m_cCommonSNMPSet, m_cCommonSNMPTable and
// m_cCommonSNMPGetUse, in that order.

#include "CPageDialog.h"
#include "SnmpAgentRecords.h"

#include <functional>
#include <string>
#include <vector>

class CListView;
class QHBoxLayout;

class CSnmpAgentAdmin : public CPageDialog {
    Q_OBJECT
public:
    // Column OIDs (no index) of the agent's tables.
    static std::string communityColumn(int column);
    static std::string hostColumn(int column);
    static std::string userColumn(int column);
    static std::string groupColumn(int column);
    static std::string viewColumn(int column);

    // What a page writes besides the row status, built for the session's set.
    // The view policy (a user name) of a community.
    static SetRequest communityPolicy(const QString& community, const QString& user);
    // A trap host's community or user name and its version/security code (1 ... 5).
    static SetRequest hostSettings(const QString& address, const QString& name, int version);
    // The engine ID from hexadecimal text (an odd count of digits gets a leading "0").
    static SetRequest engineId(const QString& hexDigits);
    // Trap switches .1 ... .5, and .6 ... .8 (PoE) when `poe`.
    static SetRequest traps(const TrapSettingsRecord& settings, bool poe);
    static SetRequest agentState(bool enabled);

    // A new user's columns: the group, and for version 3 the protocols, then the passwords.
    struct UserColumns {
        QString group;
        bool version3 = false;
        int authProtocol = 1; // 1 None, 2 MD5, 3 SHA
        bool privacy = false; // DES
        QString authPassword;
        QString privPassword;
    };
    static std::vector<SetRequest> userColumns(const std::string& index, const UserColumns& columns);
    // A new group's read, write and notify views (the empty ones are left out).
    static SetRequest groupViews(const std::string& index, const QString& read, const QString& write,
                                 const QString& notify);
    // A new view's mask (one octet 0 or 1 per element) and type.
    static SetRequest viewSettings(const std::string& index, const std::string& maskOctets, bool included);

protected:
    explicit CSnmpAgentAdmin(int templateId);

    // Walks of the tables; onRow gets each row whose status reads "1".
    void walkCommunities(std::function<void(const CommunityRecord&)> onRow, PageSessions::EndHandler onEnd = {});
    void walkUsers(std::function<void(const SnmpUserRecord&)> onRow, PageSessions::EndHandler onEnd = {});
    void walkHosts(std::function<void(const SnmpHostRecord&)> onRow, PageSessions::EndHandler onEnd = {});
    void walkGroups(std::function<void(const SnmpGroupRecord&)> onRow, PageSessions::EndHandler onEnd = {});
    void walkViews(std::function<void(const SnmpViewRecord&)> onRow, PageSessions::EndHandler onEnd = {});

    // Scalar reads; the handler runs only for an answer.
    void readAgentState(std::function<void(int state)> onState);
    // The engine ID as lower-case hexadecimal digit pairs.
    void readEngineId(std::function<void(const QString& hexDigits)> onEngineId);
    void readTraps(bool poe, std::function<void(const TrapSettingsRecord&)> onTraps);

    // Writes, each request after the one before has succeeded; `then` runs with the result.
    void send(const SetRequest& request, WriteContinuation then);
    void setRowStatus(const std::string& statusOid, RowStatus status, WriteContinuation then);
    // createAndWait, the column requests (empty ones left out), then active, 50 ms apart, by the
    // row rule: a failed step ends the creation and the half-made row is destroyed again.
    void createRow(const std::string& statusOid, const std::vector<SetRequest>& columns, WriteContinuation then);

    // Apply, Delete, Refresh and Close of a table page: Refresh runs refresh(), Apply apply()
    // and Delete deleteSelected(); Apply and Delete wait for the reads.
    QHBoxLayout* tableButtons(int applyId, int deleteId, int refreshId, int closeId);
    virtual void deleteSelected() {}
    // The selected row of a list, -1 when none is.
    static int selectedRow(const CListView* list);

    CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");
    CCommonSNMP& m_cCommonSNMPSet = addSession("m_cCommonSNMPSet");
    CCommonSNMP& m_cCommonSNMPTable = addSession("m_cCommonSNMPTable");
    CCommonSNMP& m_cCommonSNMPGetUse = addSession("m_cCommonSNMPGetUse");

private:
    template <class Record>
    void walkTable(CCommonSNMP& session, const std::vector<std::string>& columns,
                   std::function<void(const Record&)> onRow, PageSessions::EndHandler onEnd);
};
