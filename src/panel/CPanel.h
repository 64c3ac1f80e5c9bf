#pragma once

#include "VirtualDev.h"

// A picture on the panel (PANEL), drawn from its BMP.
class CPanel : public VirtualDev {
public:
    QString ClassName() const override;
};
