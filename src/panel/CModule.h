#pragma once

#include "StateSubject.h"
#include "VirtualDev.h"

// A module (MODULE): kept in the device window's module list, holds its own ports.
class CModule : public VirtualDev {
public:
    QString ClassName() const override;
    StateSubject* Subject() override { return &m_subject; }

private:
    StateSubject m_subject;
};
