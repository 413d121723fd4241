#include "ChildProcess.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

ChildProcess::ChildProcess(const std::vector<std::string>& argv)
{
    int toChild[2];
    int fromChild[2];
    if (argv.empty() || pipe(toChild) != 0) {
        return;
    }
    if (pipe(fromChild) != 0) {
        close(toChild[0]);
        close(toChild[1]);
        return;
    }
    std::signal(SIGPIPE, SIG_IGN);
    m_pid = fork();
    if (m_pid == 0) {
        dup2(toChild[0], STDIN_FILENO);
        dup2(fromChild[1], STDOUT_FILENO);
        close(toChild[0]);
        close(toChild[1]);
        close(fromChild[0]);
        close(fromChild[1]);
        std::vector<char*> args;
        for (const std::string& arg : argv) {
            args.push_back(const_cast<char*>(arg.c_str()));
        }
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    close(toChild[0]);
    close(fromChild[1]);
    m_in = toChild[1];
    m_out = fromChild[0];
    if (m_pid < 0) {
        close(m_in);
        close(m_out);
        m_in = m_out = -1;
    }
}

ChildProcess::~ChildProcess()
{
    if (m_in >= 0) {
        close(m_in);
    }
    if (m_out >= 0) {
        close(m_out);
    }
    if (m_pid > 0) {
        for (int i = 0; i < 100; ++i) {
            if (waitpid(m_pid, nullptr, WNOHANG) == m_pid) {
                return;
            }
            usleep(10000);
        }
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
}

void ChildProcess::writeLine(const std::string& line)
{
    const std::string data = line + "\n";
    std::size_t written = 0;
    while (m_in >= 0 && written < data.size()) {
        const ssize_t n = write(m_in, data.data() + written, data.size() - written);
        if (n <= 0) {
            return;
        }
        written += static_cast<std::size_t>(n);
    }
}

std::string ChildProcess::readAnswer()
{
    for (;;) {
        const std::size_t end = m_buffer.find("\n\n");
        if (end != std::string::npos) {
            std::string answer = m_buffer.substr(0, end);
            m_buffer.erase(0, end + 2);
            return answer;
        }
        char chunk[4096];
        const ssize_t n = m_out >= 0 ? read(m_out, chunk, sizeof chunk) : -1;
        if (n <= 0) {
            return "";
        }
        m_buffer.append(chunk, static_cast<std::size_t>(n));
    }
}

std::string ChildProcess::command(const std::string& line)
{
    writeLine(line);
    return readAnswer();
}

std::string findExecutable(const std::vector<std::string>& candidates)
{
    for (const std::string& path : candidates) {
        if (access(path.c_str(), X_OK) == 0) {
            return path;
        }
    }
    return "";
}
