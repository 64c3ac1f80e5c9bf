#pragma once
// Row indexes of the agent's user, group and view tables, and the texts their values are shown
// as. A name in an index is NameIndex(name): its length, then its UTF-8 bytes.

#include <QString>

#include <string>
#include <string_view>

// Version, model and level codes as the switch keeps them (1, 2, 3).
// User: NameIndex(name).version ("1" V1, "2" V2c, "3" V3).
std::string UserIndex(const QString& name, int version);
// Group: NameIndex(name).model.level (model 1 v1 ... 3 v3; level 1 NoAuthNoPriv ... 3 AuthPriv).
std::string GroupIndex(const QString& name, int model, int level);
// View: NameIndex(name), the number of sub-identifiers of the subtree, then the subtree
// ("ab", "1.3.6.1" -> ".2.97.98.4.1.3.6.1"). The subtree is dotted decimal without a leading dot.
std::string ViewIndex(const QString& name, std::string_view subtree);
// The subtree of a view row from its index: what follows the name and the subtree length
// (".2.97.98.4.1.3.6.1" -> "1.3.6.1"). Empty when the index does not have that form.
QString ViewSubtreeOfIndex(std::string_view index);

// Value texts; a value outside a table is shown as received.
QString UserVersionText(const std::string& value);    // 1 V1, 2 V2c, 3 V3
QString HostVersionText(const std::string& value);    // 1 V1, 2 V2c, 3 V3-NoAuthNoPriv, 4 V3-AuthNoPriv, 5 V3-AuthPriv
QString AuthProtocolText(const std::string& value);   // 1 None, 2 MD5, 3 SHA
QString PrivProtocolText(const std::string& value);   // 1 None, 2 DES_CBC
QString SecurityModelText(const std::string& value);  // 1 v1, 2 v2c, 3 v3
QString SecurityLevelText(const std::string& value);  // 1 NoAuthNoPriv, 2 AuthNoPriv, 3 AuthPriv
QString ViewTypeText(const std::string& value);       // 1 Included, 2 Excluded
// A view's subtree mask, one octet per element, as the octets' decimal values joined by ".".
QString ViewMaskText(std::string_view octets);
