#pragma once

#include "StateObserver.h"
#include "VirtualDev.h"

// A lamp (LAMP). It paints nothing itself: the device window paints the LED pictures at lamp
// rectangles from the polling state. Nested in a port or console element it follows it.
class CLamp : public VirtualDev, public StateObserver {
public:
    enum LampType { NoType = -1, Link = 0, S100M = 1, Power = 2, Console = 3 };
    enum LampState { On = 0, On1G = 1, Off = 2 };

    CLamp();

    QString ClassName() const override;
    void SetType(int code) override;
    int GetType() const { return m_type; }

    // The value a port in portState hands to this lamp: link lamps show the link states,
    // every other lamp (a lamp without TYPE included) stays off.
    int ValueForPortState(int portState) const;

    bool Refresh() override;
    void Draw() override;
    void Update() override;

private:
    int m_type = NoType;
};
