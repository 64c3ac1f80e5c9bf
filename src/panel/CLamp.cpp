#include "CLamp.h"

#include "StateSubject.h"

CLamp::CLamp()
{
    SetName(QStringLiteral("Lamp"));
}

QString CLamp::ClassName() const
{
    return QStringLiteral("CLamp");
}

void CLamp::SetType(int code)
{
    m_type = code;
}

int CLamp::ValueForPortState(int portState) const
{
    if (m_type != Link && m_type != S100M)
        return Off;
    if (portState == 0)
        return On;
    if (portState == 1)
        return On1G;
    return Off;
}

bool CLamp::Refresh()
{
    return true;
}

void CLamp::Draw()
{
}

void CLamp::Update()
{
    const int value = ObservedSubject() ? ObservedSubject()->Value() : int(Off);
    SetState(value == 0 ? On : value == 1 ? On1G : Off);
    Draw();
}
