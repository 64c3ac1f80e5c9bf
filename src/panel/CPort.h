#pragma once

#include "StateSubject.h"
#include "VirtualDev.h"

#include <array>

class QWidget;

// A port (PORT): five states, each with its own picture; drives the lamps attached to it.
class CPort : public VirtualDev {
public:
    enum PortState { Link100 = 0, Link10 = 1, Disabled = 2, Enabled = 3, Empty = 4 };
    static constexpr int kStateCount = 5;

    QString ClassName() const override;
    StateSubject* Subject() override { return &m_subject; }

    // A new state: the lamps follow it, the state's picture is loaded and, when window is
    // given, the port's rectangle is repainted. The current state again changes nothing.
    // (VirtualDev::SetState only stores the value.)
    void SetState(int newState, QWidget* window = nullptr);

    void SetStatePicture(int state, const QString& path);
    QString GetStatePicture(int state) const;

    bool IsClickable() const override;
    // Loads the picture of the current state; when it loads, the subject takes the state.
    bool Refresh() override;
    void OnClick(int x, int y) override;

private:
    StateSubject m_subject;
    std::array<QString, kStateCount> m_statePictures;
};
