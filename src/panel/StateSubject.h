#pragma once

#include <vector>

class StateObserver;

// The value an element hands to the lamps that follow it, and the lamps themselves (not owned,
// they are children of the same element and die with it).
class StateSubject {
public:
    void Attach(StateObserver* observer);
    const std::vector<StateObserver*>& Observers() const { return m_observers; }

    int Value() const { return m_value; }
    void SetValue(int value) { m_value = value; }

    // Tells every observer, in attach order, to read the value again.
    void Notify();

private:
    std::vector<StateObserver*> m_observers;
    int m_value = 0;
};
