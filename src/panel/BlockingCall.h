#pragma once
// Runs a blocking request off the GUI thread while the window keeps painting: the caller waits
// in a local event loop that takes no user input, so nothing else is started meanwhile.

#include <functional>

class BlockingCall {
public:
    static int Run(const std::function<int()>& work);
};
