#pragma once
// How long the transfer page waits at each step, in milliseconds. Tests shorten the request
// time-outs; the timer delays run on the page's TransferTimers.

struct TransferTimings {
    // Request time-outs.
    int addressWrite = 10000;
    int operationWrite = 15000;
    int statusRead = 6000;

    // The first status read after the operation write: a configuration is quick to start, a
    // firmware image takes the switch a while.
    int firstConfigRead = 3000;
    int firstFirmwareRead = 15000;
    // The next status read after "not started yet", after "running", after a read that got no
    // answer.
    int notStartedRead = 1000;
    int runningRead = 5000;
    int unansweredRead = 3000;

    int firstProgressStep = 2000;
    int progressStep = 2500;
    // A transfer that has reported "running" fails when it has not done so again for this long.
    int firmwareTimeout = 260000;
    int configTimeout = 90000;
    // From the outcome message to the controls coming back.
    int finish = 5;
};
