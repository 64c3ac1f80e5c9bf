#pragma once

class StateSubject;

// An element that follows the value of a StateSubject (lamps, LEDs).
class StateObserver {
public:
    virtual ~StateObserver() = default;

    // Points this observer at subject and joins its observer list.
    void Observe(StateSubject& subject);
    StateSubject* ObservedSubject() const { return m_subject; }

    virtual void Update() = 0;

private:
    StateSubject* m_subject = nullptr;
};
