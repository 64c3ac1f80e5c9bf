#pragma once
// Runs a blocking request off the GUI thread while the windows keep painting: the caller waits
// in a local event loop that takes no user input, so nothing else is started meanwhile, and then
// goes on with the result on the GUI thread.
//
// When that loop is ended from outside (the application is shutting down), `cancel` is called to
// cut the work short, and the call returns once the work has ended.

#include <functional>

class BlockingCall {
public:
    static int Run(const std::function<int()>& work, const std::function<void()>& cancel = {});
};
