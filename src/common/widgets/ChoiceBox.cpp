#include "ChoiceBox.h"

#include <QComboBox>

namespace {

// Marks the extra item that shows a value none of the page's items stands for.
constexpr int kUnlistedRole = Qt::UserRole + 1;

void removeUnlisted(QComboBox& box)
{
    for (int i = box.count() - 1; i >= 0; --i)
        if (box.itemData(i, kUnlistedRole).toBool())
            box.removeItem(i);
}

} // namespace

namespace ChoiceBox {

void setItems(QComboBox& box, const Items& items)
{
    box.clear();
    for (const auto& [text, itemValue] : items)
        box.addItem(text, itemValue);
}

void show(QComboBox& box, int shown)
{
    removeUnlisted(box);
    const int index = box.findData(shown);
    if (index >= 0) {
        box.setCurrentIndex(index);
        return;
    }
    box.addItem(QString::number(shown), shown);
    box.setItemData(box.count() - 1, true, kUnlistedRole);
    box.setCurrentIndex(box.count() - 1);
}

void clear(QComboBox& box)
{
    removeUnlisted(box);
    box.setCurrentIndex(-1);
}

std::optional<int> value(const QComboBox& box)
{
    const QVariant data = box.currentData();
    if (box.currentIndex() < 0 || !data.isValid())
        return std::nullopt;
    return data.toInt();
}

} // namespace ChoiceBox
