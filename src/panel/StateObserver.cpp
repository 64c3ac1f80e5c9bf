#include "StateObserver.h"

#include "StateSubject.h"

void StateObserver::Observe(StateSubject& subject)
{
    m_subject = &subject;
    subject.Attach(this);
}
