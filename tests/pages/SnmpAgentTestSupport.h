#pragma once
// The agent's tables in the in-memory agent, spelled out here (not taken from the pages), and
// the set requests a page sent as "OID=TAG:VALUE" texts.

#include "PageTestSupport.h"

#include "Enterprise.h"

#include <string>
#include <vector>

namespace agenttest {

enum Table { Users = 2, Groups = 3, Views = 4, Communities = 5, Hosts = 6 };

inline std::string column(Table table, int column, const std::string& index = {})
{
    return snmp::expandEnterprise("ENTERPRISE.10.75.5.2.25." + std::to_string(int(table)) + ".1.1." +
                                  std::to_string(column)) +
           index;
}

inline std::string scalar(const std::string& tail)
{
    return snmp::expandEnterprise("ENTERPRISE.10.75.5.2.25." + tail);
}

// ".n.b1...bn"
inline std::string nameIndex(const std::string& name)
{
    std::string index = "." + std::to_string(name.size());
    for (unsigned char c : name)
        index += "." + std::to_string(c);
    return index;
}

inline std::string integer(const std::string& oid, long long value)
{
    return oid + "=2:" + std::to_string(value);
}

inline std::string octets(const std::string& oid, const std::string& bytes)
{
    return oid + "=4:" + bytes;
}

using Sets = std::vector<std::vector<std::string>>;

class AgentPageTest : public GuiTest {
protected:
    Sets sets() const
    {
        Sets texts;
        for (const auto& request : agent->requestsOfType(snmp::PduType::Set))
            texts.push_back(bindTexts(request));
        return texts;
    }
    // Opens the page and waits until its reads have enabled Apply; forgets their requests.
    template <class Page>
    std::unique_ptr<Page> open()
    {
        auto page = std::make_unique<Page>();
        EXPECT_TRUE(openAndWait(*page, Page::IdApply));
        agent->clearRequests();
        return page;
    }
    int getNextCount() const { return int(agent->requestsOfType(snmp::PduType::GetNext).size()); }

    void community(const std::string& name, const std::string& policy, int status = 1)
    {
        const std::string index = nameIndex(name);
        agent->setOctets(column(Communities, 1, index), name);
        agent->setOctets(column(Communities, 2, index), policy);
        agent->setInteger(column(Communities, 3, index), status);
    }
    void user(const std::string& name, int version, const std::string& group, int status = 1, int auth = 1,
              int priv = 1)
    {
        const std::string index = nameIndex(name) + "." + std::to_string(version);
        agent->setOctets(column(Users, 1, index), name);
        agent->setInteger(column(Users, 2, index), version);
        agent->setOctets(column(Users, 3, index), group);
        agent->setInteger(column(Users, 4, index), auth);
        agent->setOctets(column(Users, 5, index), "");
        agent->setInteger(column(Users, 6, index), priv);
        agent->setOctets(column(Users, 7, index), "");
        agent->setInteger(column(Users, 8, index), status);
    }
    // `address` as four numbers a.b.c.d.
    void host(const std::string& address, const std::string& name, int version, int status = 1)
    {
        const std::string index = "." + address;
        std::string bytes;
        for (const QString& part : QString::fromStdString(address).split('.'))
            bytes += char(part.toInt());
        agent->set(snmp::VarBind::ipAddress(column(Hosts, 1, index), bytes));
        agent->setOctets(column(Hosts, 2, index), name);
        agent->setInteger(column(Hosts, 3, index), version);
        agent->setInteger(column(Hosts, 4, index), status);
    }
    void group(const std::string& name, int model, int level, const std::string& read, const std::string& write,
               const std::string& notify, int status = 1)
    {
        const std::string index = nameIndex(name) + "." + std::to_string(model) + "." + std::to_string(level);
        agent->setOctets(column(Groups, 1, index), name);
        agent->setInteger(column(Groups, 2, index), model);
        agent->setInteger(column(Groups, 3, index), level);
        agent->setOctets(column(Groups, 4, index), read);
        agent->setOctets(column(Groups, 5, index), write);
        agent->setOctets(column(Groups, 6, index), notify);
        agent->setInteger(column(Groups, 7, index), status);
    }
    // `subtree` dotted, `mask` one octet per element.
    void view(const std::string& name, const std::string& subtree, const std::string& mask, int type, int status = 1)
    {
        const std::string index = nameIndex(name) + "." +
                                  std::to_string(QString::fromStdString(subtree).count('.') + 1) + "." + subtree;
        agent->setOctets(column(Views, 1, index), name);
        agent->setOctets(column(Views, 3, index), mask);
        agent->setInteger(column(Views, 4, index), type);
        agent->setInteger(column(Views, 5, index), status);
    }
};

} // namespace agenttest
