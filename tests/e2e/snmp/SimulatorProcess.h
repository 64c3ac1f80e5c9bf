#pragma once
// A sorvex-sim of a test's own on a free loopback port, stopped by its PID (SIGTERM) when the
// object goes. Only with SORVEX_SIM_PATH (the simulator is built).

#include <gtest/gtest.h>

#include <csignal>
#include <spawn.h>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <netinet/in.h>
#include <unistd.h>
#include <vector>

extern char** environ;

inline int freeUdpPort()
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t len = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    ::close(fd);
    return ntohs(a.sin_port);
}

class Simulator {
public:
    Simulator(std::string address, std::string stateDir, std::vector<std::string> options = {})
        : m_address(std::move(address)), m_state(std::move(stateDir)), m_options(std::move(options))
    {
    }
    ~Simulator() { stop(); }
    void start()
    {
        std::vector<std::string> args = {SORVEX_SIM_PATH, "--listen", m_address, "--state-dir", m_state};
        args.insert(args.end(), m_options.begin(), m_options.end());
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        ASSERT_EQ(posix_spawn(&m_pid, SORVEX_SIM_PATH, nullptr, nullptr, argv.data(), environ), 0);
    }
    void stop()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
            m_pid = -1;
        }
    }

private:
    std::string m_address, m_state;
    std::vector<std::string> m_options;
    pid_t m_pid = -1;
};
