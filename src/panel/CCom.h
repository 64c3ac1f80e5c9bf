#pragma once

#include "StateSubject.h"
#include "VirtualDev.h"

// The console port and the other clickable indicators (CONSOLE, MASTER, RPS, FAN).
class CCom : public VirtualDev {
public:
    QString ClassName() const override;
    StateSubject* Subject() override { return &m_subject; }

    bool IsClickable() const override;
    // Hands the element's state to its lamps.
    bool Refresh() override;
    void OnClick(int x, int y) override;

private:
    StateSubject m_subject;
};
