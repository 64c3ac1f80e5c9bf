#pragma once

#include "StateSubject.h"
#include "VirtualDev.h"

class QPainter;
class QWidget;

// The root of the panel, owned by the device window: takes the DEVICEPANEL values (window
// position and client size, background picture) and passes pointer events to its children.
class CDevModule : public VirtualDev {
public:
    QString ClassName() const override;
    StateSubject* Subject() override { return &m_subject; }

    // The cursor of the last child under the point; the arrow outside every child.
    void UpdateCursor(int x, int y) override;
    bool Refresh() override;
    void Draw() override;
    void OnClick(int x, int y) override;

    // One paint pass of the children onto painter for window (the painter is not kept).
    void PaintChildren(QPainter& painter, QWidget* window);

private:
    StateSubject m_subject;
};
