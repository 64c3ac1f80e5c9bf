#pragma once
// The four one-shot timers that drive a TFTP transfer on the transfer page, by role. The page
// arms and kills them and is called back when one fires; QtTransferTimers runs them on the
// event loop, a test's stand-in on a clock of its own, so a transfer of minutes runs in a blink.

#include <functional>

class TransferTimers {
public:
    enum Role {
        StatusRead,      // the next read of the transfer status
        Finish,          // the outcome has been shown: the controls come back
        ProgressStep,    // the progress bar moves on
        TransferTimeout, // no "running" status for too long
    };
    static constexpr int RoleCount = 4;
    using Handler = std::function<void(Role)>;

    virtual ~TransferTimers() = default;

    void setHandler(Handler handler) { m_handler = std::move(handler); }
    // (Re)arms the timer to fire once, `ms` from now.
    virtual void start(Role role, int ms) = 0;
    virtual void stop(Role role) = 0;
    void stopAll()
    {
        for (int role = 0; role < RoleCount; ++role)
            stop(Role(role));
    }

protected:
    // A timer ran out; it is no longer armed.
    void fired(Role role)
    {
        if (m_handler)
            m_handler(role);
    }

private:
    Handler m_handler;
};
