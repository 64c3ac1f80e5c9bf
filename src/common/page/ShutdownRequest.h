#pragma once
// The module is asked to end (SIGTERM at a desktop logout, Ctrl-C, a hang-up): whatever is open
// closes the ordinary way, at any moment of the module's life. GUI thread only.

class ShutdownRequest {
public:
    // Open pages close (their sessions with their trace lines, which cuts a running write
    // short), open dialogs and message boxes are rejected, message boxes are no longer shown (a
    // question gets its default answer, Cancel), and every running event loop ends.
    static void begin();
    static bool requested();
};
