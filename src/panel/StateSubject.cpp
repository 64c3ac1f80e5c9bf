#include "StateSubject.h"

#include "StateObserver.h"

void StateSubject::Attach(StateObserver* observer)
{
    m_observers.push_back(observer);
}

void StateSubject::Notify()
{
    for (StateObserver* observer : m_observers)
        observer->Update();
}
