#include "CPanel.h"

QString CPanel::ClassName() const
{
    return QStringLiteral("CPanel");
}
