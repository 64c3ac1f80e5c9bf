#pragma once

#include "VirtualDev.h"

// A slot picture (SLOT), drawn from its BMP.
class CSlot : public VirtualDev {
public:
    QString ClassName() const override;
};
