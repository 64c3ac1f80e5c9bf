#include "CModule.h"

QString CModule::ClassName() const
{
    return QStringLiteral("CModule");
}
