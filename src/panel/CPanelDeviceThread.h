#pragma once
// The device window's polling thread. Each cycle it probes the switch, reads the fan, and walks
// the port link states (or, on PoE models, reads the LED mode and power budget and walks the
// link or PoE states), every request waiting for its answer on this thread. Results reach the
// window as queued calls on its thread; walk rows are gathered and handed over when the walk ends.
//
// Stopping: RequestStop() sets the stop flag and closes the polling sessions, which cuts every
// wait short; WaitForEnd() then joins within its bound. A thread that does not end in time is
// abandoned: it finishes on its own, deletes itself, and reports to nobody.

#include "CCommonSNMP.h"
#include "PollingRows.h"

#include <QObject>
#include <QPointer>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class PollingSink;

class CPanelDeviceThread {
public:
    // A cycle: a pause, the queries and walks, then `intervals` waits of the interval.
    struct Timing {
        int startPauseMs = 500;
        int intervalMsV1 = 500;
        int intervalMsV3 = 1000;
        int intervals = 10;
    };
    // Process-wide; tests shorten the cycle before a window is made.
    static void SetTiming(const Timing& timing);
    static Timing GetTiming();

    struct Settings {
        std::string deviceName;
        int portCount = 28;
        bool hasFan = false;
        std::string snmpVersion = "1";
    };

    // receiver: the QObject whose thread runs the sink's calls (the window itself).
    CPanelDeviceThread(QObject* receiver, PollingSink* sink, Settings settings);
    ~CPanelDeviceThread();
    CPanelDeviceThread(const CPanelDeviceThread&) = delete;
    CPanelDeviceThread& operator=(const CPanelDeviceThread&) = delete;

    void Start();
    // Polling cycles are skipped while a page is open.
    void SetPageOpen(bool open) { m_pageOpen = open; }
    void RequestStop();
    // True once the thread has ended (and is joined) within the bound.
    bool WaitForEnd(std::chrono::milliseconds bound);
    // For a thread that did not end in time: no more reports; it deletes itself when it ends.
    static void Abandon(std::unique_ptr<CPanelDeviceThread> thread);

    CCommonSNMP& ProbeSession() { return m_cCommonSNMP; }
    CCommonSNMP& FanSession() { return m_cCommonSNMPFan; }
    CCommonSNMP& PoeSession() { return m_cCommonSNMPPoe; }
    CCommonSNMP& DevStatSession() { return m_cCommonSNMPDevStat; }
    CCommonSNMP& PoeStatSession() { return m_cCommonSNMPPoeStat; }

private:
    void Run();
    bool Stopping() const { return m_stop.load(); }
    // Sleeps up to ms; true when a stop was requested.
    bool Sleep(int ms);
    // Prepare, unless a stop was requested (then no request starts any more).
    bool Begin(CCommonSNMP& session, snmp::PduType pduType);
    void Post(std::function<void(PollingSink&)> report);
    void DetachReceiver();

    void Probe();
    void QueryFan();
    void PoeModelCycle();
    // The walks run to their end on this thread (cut short by RequestStop).
    void LinkWalk();
    void PoeWalk();
    // Row handlers of the walks (the session's thread); false ends the walk.
    bool TakeLinkRow(const snmp::Reply& row);
    bool TakePoeRow(const snmp::Reply& row);
    void EndLinkWalk(int status);
    void EndPoeWalk(int status);

    const Settings m_settings;
    const Timing m_timing;

    CCommonSNMP m_cCommonSNMP;        // reachability probe
    CCommonSNMP m_cCommonSNMPFan;     // fan query
    CCommonSNMP m_cCommonSNMPDevStat; // link walk
    CCommonSNMP m_cCommonSNMPPoe;     // LED mode and power budget
    CCommonSNMP m_cCommonSNMPPoeStat; // PoE walk

    std::mutex m_receiverMutex;
    QObject* m_receiver;
    QPointer<QObject> m_guard;
    PollingSink* m_sink;

    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_pageOpen{false};
    std::mutex m_stopMutex;
    std::condition_variable m_stopCv;

    std::mutex m_endMutex;
    std::condition_variable m_endCv;
    bool m_ended = false;
    bool m_abandoned = false;
    std::thread m_thread;

    // PoE-model cycle state (polling thread), and the walk-busy flag the walks' ends clear.
    int m_previousMode = -1;

    // Rows of the walk in progress (callback threads).
    std::mutex m_rowsMutex;
    std::vector<LinkRow> m_linkRows;
    std::vector<PoeRow> m_poeRows;
};
