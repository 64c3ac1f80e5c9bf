#pragma once

class CPort;
class CCom;

// Receives the clicks the panel elements accept; the device window implements it (port
// configuration, Telnet), which keeps the model free of pages and sessions.
class PanelClickSink {
public:
    virtual ~PanelClickSink() = default;
    virtual void OnPortClicked(CPort& port) = 0;
    virtual void OnComClicked(CCom& com) = 0;
};
