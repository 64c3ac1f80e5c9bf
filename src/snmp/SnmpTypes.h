#pragma once
// Plain data exchanged between the SNMP adapter, the transports and the simulator.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace snmp {

// BER tags of the values we send and receive.
namespace Ber {
constexpr int Integer = 0x02;
constexpr int OctetString = 0x04;
constexpr int Null = 0x05;
constexpr int ObjectId = 0x06;
constexpr int IpAddress = 0x40;
constexpr int Counter32 = 0x41;
constexpr int Gauge32 = 0x42; // also Unsigned32
constexpr int TimeTicks = 0x43;
constexpr int Opaque = 0x44;
constexpr int Counter64 = 0x46;
constexpr int NoSuchObject = 0x80;
constexpr int NoSuchInstance = 0x81;
constexpr int EndOfMibView = 0x82;
} // namespace Ber

// Syntax codes that callers pass to AddVarBind (the library's codes). Typed, so that a BER tag
// or a bare number cannot be passed by mistake.
enum class Syntax {
    Integer = 1,
    OctetString = 2,
    Null = 4,
    IpAddress = 8,
    Unsigned32 = 10,
};

// PDU types as callers pass them to Prepare (the SNMP PDU tag numbers).
enum class PduType {
    Get = 0,
    GetNext = 1,
    Response = 2,
    Set = 3,
    // Walks of version 3 only; Prepare does not take it.
    GetBulk = 5,
};

// One variable binding. `tag` is the BER tag; the value lives in `number` for the integer
// kinds (INTEGER signed, the 32/64-bit unsigned kinds as unsigned), in `bytes` for OCTET STRING,
// Opaque and IpAddress (4 octets), and in `bytes` as dotted text for an OBJECT IDENTIFIER.
struct VarBind {
    std::string oid; // dotted decimal, no leading dot
    int tag = Ber::Null;
    int64_t number = 0;
    std::string bytes;

    bool operator==(const VarBind&) const = default;

    static VarBind null(std::string oid) { return {std::move(oid), Ber::Null, 0, {}}; }
    static VarBind integer(std::string oid, int64_t v) { return {std::move(oid), Ber::Integer, v, {}}; }
    static VarBind octets(std::string oid, std::string v) { return {std::move(oid), Ber::OctetString, 0, std::move(v)}; }
    static VarBind unsignedValue(std::string oid, int tag, uint64_t v)
    {
        return {std::move(oid), tag, static_cast<int64_t>(v), {}};
    }
    static VarBind objectId(std::string oid, std::string value) { return {std::move(oid), Ber::ObjectId, 0, std::move(value)}; }
    static VarBind ipAddress(std::string oid, std::string fourOctets) { return {std::move(oid), Ber::IpAddress, 0, std::move(fourOctets)}; }

    bool isException() const { return tag == Ber::NoSuchObject || tag == Ber::NoSuchInstance || tag == Ber::EndOfMibView; }
    // The value as the pages read it: decimal numbers, dotted IpAddress and OID, raw octets.
    std::string text() const;
    // Bytes of this binding's BER encoding (its sequence included): what it costs in a datagram.
    std::size_t encodedSize() const;
};

struct SnmpPdu {
    PduType type = PduType::Get;
    std::vector<VarBind> binds;
    long errorStatus = 0;
    long errorIndex = 0;
    // GetBulk only: the first `nonRepeaters` bindings are asked once, the others
    // `maxRepetitions` times each.
    long nonRepeaters = 0;
    long maxRepetitions = 0;
};

// Error-status values that pages and the simulator name.
namespace ErrorStatus {
constexpr long NoError = 0;
constexpr long TooBig = 1;
constexpr long NoSuchName = 2;
constexpr long BadValue = 3;
constexpr long ReadOnly = 4;
constexpr long GenErr = 5;
constexpr long NoAccess = 6;
constexpr long WrongType = 7;
constexpr long WrongLength = 8;
constexpr long WrongEncoding = 9;
constexpr long WrongValue = 10;
constexpr long NoCreation = 11;
constexpr long InconsistentValue = 12;
constexpr long ResourceUnavailable = 13;
constexpr long CommitFailed = 14;
constexpr long UndoFailed = 15;
constexpr long AuthorizationError = 16;
constexpr long NotWritable = 17;
constexpr long InconsistentName = 18;
} // namespace ErrorStatus

// Who is asked and with which credentials.
struct SnmpTarget {
    std::string address; // "host" or "host:port"
    int version = 1;     // 1 or 3
    std::string community;
    // version 3
    std::string userName;
    int msgFlags = 0;   // 0 none, 1 authentication, 3 authentication and privacy
    int authArith = 0;  // 0 HMAC-MD5-96, 1 HMAC-SHA-96
    std::string authPassword;
    int privArith = 0;  // 0 CBC-DES
    std::string privPassword;
    int msgMaxSize = 1024;

    bool operator==(const SnmpTarget&) const = default;
};

} // namespace snmp
