#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// A child process with pipes to its standard input and output, for tests that
// talk GTP to a real engine without Qt. The destructor closes the input, then
// kills and reaps the child if it has not left.
class ChildProcess {
public:
    explicit ChildProcess(const std::vector<std::string>& argv);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool isRunning() const { return m_pid > 0; }
    pid_t pid() const { return m_pid; }
    void writeLine(const std::string& line);
    // Reads one GTP answer up to its terminating empty line; "" on end of file.
    std::string readAnswer();
    // Sends a command and returns its answer.
    std::string command(const std::string& line);

private:
    pid_t m_pid = -1;
    int m_in = -1;
    int m_out = -1;
    std::string m_buffer;
};

// The first executable among the given paths, or "".
std::string findExecutable(const std::vector<std::string>& candidates);
