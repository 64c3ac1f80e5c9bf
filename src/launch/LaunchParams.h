#pragma once
// The module's launch parameters: positional tokens after the program name, as the management
// suite passes them. Written once at start-up, read by every session afterwards.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct LaunchParams {
    std::string FirstToken;
    std::string IPAddress;
    std::string ReadCommunity = "tundra";
    std::string WriteCommunity = "lantern";
    int WriteEnabled = 1;
    std::string SnmpVersion = "1";
    std::string Port = "161";
    std::string Token9 = "1";
    std::string SecurityLevel = "1";
    std::string UserName;
    std::string AuthPassword;
    std::string PrivPassword;
    std::string AuthProtocol = "1";
    std::string PrivProtocol = "1";

    // Parses the launch text (the program's arguments joined with single blanks). A text that
    // stops early leaves the remaining fields at their defaults.
    static LaunchParams parse(std::string_view commandLine);

    // Where parse finds the communities and passwords in the text: [begin, end) byte ranges,
    // blanks within a token included, so that the caller can wipe them.
    struct Span {
        size_t begin = 0;
        size_t end = 0;
    };
    static std::vector<Span> secretSpans(std::string_view commandLine);

    // Why no session could work with these parameters (no address, an SNMP version other than
    // 1 or 3), or an empty text when they can be used.
    std::string problem() const;

    // Process-wide parameters and the sessions' default timeout text ("3000").
    static const LaunchParams& current();
    static void setCurrent(const LaunchParams& params);
    static std::string timeoutText();
    static void setTimeoutText(const std::string& text);

private:
    static LaunchParams parseRecording(std::string_view commandLine, std::vector<Span>* secrets);
};
