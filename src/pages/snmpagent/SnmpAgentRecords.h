#pragma once
// One row of each of the agent's tables as the pages show it, made on the GUI thread from the
// owned answer of a walk (values in the order the walk asks its columns). `index` is the row's
// index as read, so a row is deleted by the index the switch gave it.

#include "SnmpReply.h"

#include <QString>

#include <array>
#include <string>

struct AgentRow {
    std::string status; // RowStatus as read; rows are shown only when it is "1"
    std::string index;  // ".2.97.98" ...
    bool active() const { return status == "1"; }
};

// Columns .1 name, .2 view policy, .3 status.
struct CommunityRecord : AgentRow {
    QString name;
    QString viewPolicy;
    static CommunityRecord from(const SnmpReply& row);
};

// Columns .1 ... .8: name, version, group, auth protocol, auth key, priv protocol, priv key,
// status.
struct SnmpUserRecord : AgentRow {
    QString name;
    QString group;
    QString version; // "V1", "V2c", "V3"
    QString authProtocol;
    QString authKey;
    QString privProtocol;
    QString privKey;
    static SnmpUserRecord from(const SnmpReply& row);
};

// Columns in the walk's order .2 name, .1 address, .3 version/security, .4 status.
struct SnmpHostRecord : AgentRow {
    QString address;
    QString version; // "V1" ... "V3-AuthPriv"
    QString name;    // community or user name
    static SnmpHostRecord from(const SnmpReply& row);
};

// Columns .1 ... .7: name, model, level, read, write and notify view, status.
struct SnmpGroupRecord : AgentRow {
    QString name;
    QString readView;
    QString writeView;
    QString notifyView;
    QString model; // "v1", "v2c", "v3"
    QString level; // "NoAuthNoPriv", "AuthNoPriv", "AuthPriv"
    static SnmpGroupRecord from(const SnmpReply& row);
};

// Columns .1 name, .3 mask, .4 type, .5 status; the subtree comes from the row's index.
struct SnmpViewRecord : AgentRow {
    QString name;
    QString subtree; // "1.3.6.1"
    QString mask;    // "1.1.0"
    QString type;    // "Included", "Excluded"
    static SnmpViewRecord from(const SnmpReply& row);
};

// The trap switches .1 ... .8 ("1" on, "2" off); the ones not read stay empty.
struct TrapSettingsRecord {
    std::array<std::string, 8> values;
};
