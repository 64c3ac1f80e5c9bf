#include "CPort.h"

#include "CLamp.h"
#include "PanelClickSink.h"

#include <QWidget>

QString CPort::ClassName() const
{
    return QStringLiteral("CPort");
}

void CPort::SetState(int newState, QWidget* window)
{
    if (newState == GetState())
        return;
    VirtualDev::SetState(newState);
    for (StateObserver* observer : m_subject.Observers()) {
        const auto* lamp = dynamic_cast<const CLamp*>(observer);
        m_subject.SetValue(lamp ? lamp->ValueForPortState(newState) : CLamp::Off);
        observer->Update();
    }
    Refresh();
    if (window)
        window->update(GetRect());
}

void CPort::SetStatePicture(int state, const QString& path)
{
    if (state >= 0 && state < kStateCount)
        m_statePictures[size_t(state)] = path;
}

QString CPort::GetStatePicture(int state) const
{
    if (state < 0 || state >= kStateCount)
        return QString();
    return m_statePictures[size_t(state)];
}

bool CPort::IsClickable() const
{
    return true;
}

bool CPort::Refresh()
{
    if (!LoadPicture(GetStatePicture(GetState())))
        return false;
    m_subject.SetValue(GetState());
    return true;
}

void CPort::OnClick(int x, int y)
{
    if (HitTest(x, y) && ClickSink())
        ClickSink()->OnPortClicked(*this);
}
