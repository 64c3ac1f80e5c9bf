#pragma once
// How the Port Configuration list shows the port table's values, which arrive as decimal text.

#include <QString>
#include <QStringList>

#include <string_view>

// Configured speed/duplex: 1 "1000MFull" ... 7 "Disable"; anything else "1000MFull".
QString SpeedSettingText(std::string_view value);
// The same texts in the order of the speed drop-down list (item i is written as i + 1).
const QStringList& SpeedSettingTexts();
// The drop-down list's item texts: "1000M-Full" ... "Disable".
const QStringList& SpeedChoiceTexts();

// Operating link mode: 1 "Down", 2 "1000MFull" ... 6 "10MHalf"; anything else "1000MFull".
QString OperModeText(std::string_view value);
// The operating mode of a combo port by its media: 2 (copper side) "100M C Full" ...,
// 3 (100Base-x module) "100M F Full"/"100M F Half", 4 (1000Base-x module) "1000M F Full";
// otherwise the plain text.
QString ComboOperModeText(std::string_view value, std::string_view media);

// "1" Enable, anything else Disable.
QString FlowControlText(std::string_view value);
// 1 "Low" ... 4 "Highest"; anything else "Low".
QString DefaultPriorityText(std::string_view value);
// 1 "Enabled", 2 "Disabled"; anything else as received.
QString OperFlowControlText(std::string_view value);
