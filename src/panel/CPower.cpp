#include "CPower.h"

bool CPower::Refresh()
{
    m_subject.SetValue(GetState());
    m_subject.Notify();
    return true;
}
