#pragma once

#include <cstdio>
#include <string>
#include <sys/types.h>
#include <vector>

// A child process with pipes to its standard input and output, for tests that
// talk GTP to a real engine without Qt. The destructor closes the pipes, then
// kills and reaps the child.
class ChildProcess {
public:
    explicit ChildProcess(const std::vector<std::string>& argv);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool isRunning() const { return m_pid > 0; }
    void writeLine(const std::string& line);
    // Reads one GTP answer up to its terminating empty line; what came before end of file otherwise.
    std::string readAnswer();
    // Sends a command and returns its answer.
    std::string command(const std::string& line);

private:
    pid_t m_pid = -1;
    std::FILE* m_in = nullptr;
    std::FILE* m_out = nullptr;
};

// True while a process with this id exists (a zombie counts: it was not reaped).
bool processExists(pid_t pid);

// The first executable among the given paths, or "".
std::string findExecutable(const std::vector<std::string>& candidates);
