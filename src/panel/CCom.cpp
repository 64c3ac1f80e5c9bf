#include "CCom.h"

#include "PanelClickSink.h"

QString CCom::ClassName() const
{
    return QStringLiteral("CCom");
}

bool CCom::IsClickable() const
{
    return true;
}

bool CCom::Refresh()
{
    m_subject.SetValue(GetState());
    m_subject.Notify();
    return true;
}

void CCom::OnClick(int x, int y)
{
    if (HitTest(x, y) && ClickSink())
        ClickSink()->OnComClicked(*this);
}
