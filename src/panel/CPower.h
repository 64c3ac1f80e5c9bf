#pragma once

#include "StateSubject.h"
#include "VirtualDev.h"

// The power indicator (POWER). It keeps the runtime class name of its base, so it is found
// as a "VirtualDev" and lamps nested in it stay unattached.
class CPower : public VirtualDev {
public:
    StateSubject* Subject() override { return &m_subject; }

    // Hands the element's state to its lamps.
    bool Refresh() override;

private:
    StateSubject m_subject;
};
