#include "FieldLabel.h"

#include "CIpAddressEdit.h"

QLabel* LabelFor(QWidget* field, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    if (qobject_cast<QLabel*>(field))
        return label; // a value: its own text is what is read out
    QString name = text;
    name.remove(QLatin1Char('&'));
    if (auto* address = qobject_cast<CIpAddressEdit*>(field))
        address->setAccessibleLabel(name);
    else
        field->setAccessibleName(name);
    return label;
}
