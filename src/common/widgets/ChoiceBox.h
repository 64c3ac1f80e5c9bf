#pragma once

#include <optional>
#include <QString>
#include <utility>
#include <vector>

class QComboBox;

// A combo box whose items stand for switch values. The page never invents a value: a value the
// switch holds that no item stands for is shown as its number, as one extra item, and written
// back unchanged unless the operator picks another item.
namespace ChoiceBox {

using Items = std::vector<std::pair<QString, int>>; // item text, the value it stands for

void setItems(QComboBox& box, const Items& items);

// Selects the item standing for value, or shows the value as its own extra item.
void show(QComboBox& box, int value);

// Shows no item (a value that was not read); value() is then empty.
void clear(QComboBox& box);

// The value of the current item; empty when no item is chosen.
std::optional<int> value(const QComboBox& box);

} // namespace ChoiceBox
