#include "CDevModule.h"

QString CDevModule::ClassName() const
{
    return QStringLiteral("CDevModule");
}

void CDevModule::UpdateCursor(int x, int y)
{
    // Offering the point to every child in order leaves the cursor of the last child hit;
    // asking that child alone spares the window a cursor change per child. The window keeps
    // the last cursor set, so outside every child it goes back to the arrow.
    for (int i = ChildCount() - 1; i >= 0; --i) {
        if (GetChild(i)->HitTest(x, y)) {
            GetChild(i)->UpdateCursor(x, y);
            return;
        }
    }
    ShowArrowCursor();
}

bool CDevModule::Refresh()
{
    return true;
}

void CDevModule::Draw()
{
}

void CDevModule::OnClick(int x, int y)
{
    for (int i = 0; i < ChildCount(); ++i)
        GetChild(i)->OnClick(x, y);
}

void CDevModule::PaintChildren(QPainter& painter, QWidget* window)
{
    AttachWindow(window);
    SetDrawContext(&painter);
    DrawChildren();
    SetDrawContext(nullptr);
}
