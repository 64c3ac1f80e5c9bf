#include "CSlot.h"

QString CSlot::ClassName() const
{
    return QStringLiteral("CSlot");
}
