#pragma once

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// A child process with pipes to its standard input and output, for tests that
// talk GTP to a real engine without Qt. The destructor closes the pipes, then
// kills and reaps the child.
class ChildProcess {
public:
    explicit ChildProcess(const std::vector<std::string>& argv)
    {
        int toChild[2] = {-1, -1};
        int fromChild[2] = {-1, -1};
        // A child that died must not kill the test when it writes to it.
        std::signal(SIGPIPE, SIG_IGN);
        if (!argv.empty() && pipe2(toChild, O_CLOEXEC) == 0 && pipe2(fromChild, O_CLOEXEC) == 0) {
            std::vector<char*> args;
            for (const std::string& arg : argv) {
                args.push_back(const_cast<char*>(arg.c_str()));
            }
            args.push_back(nullptr);
            posix_spawn_file_actions_t actions;
            posix_spawn_file_actions_init(&actions);
            posix_spawn_file_actions_adddup2(&actions, toChild[0], STDIN_FILENO);
            posix_spawn_file_actions_adddup2(&actions, fromChild[1], STDOUT_FILENO);
            if (posix_spawn(&m_pid, args[0], &actions, nullptr, args.data(), environ) != 0) {
                m_pid = -1;
            }
            posix_spawn_file_actions_destroy(&actions);
        }
        // Without a child, writes fail quietly and reads meet end of file at once.
        m_in = toChild[1] < 0 ? nullptr : fdopen(toChild[1], "w");
        m_out = fromChild[0] < 0 ? nullptr : fdopen(fromChild[0], "r");
        for (const int fd : {toChild[0], fromChild[1]}) {
            close(fd);
        }
    }

    ~ChildProcess()
    {
        for (std::FILE* stream : {m_in, m_out}) {
            if (stream) {
                std::fclose(stream);
            }
        }
        if (m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }

    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool isRunning() const { return m_pid > 0; }

    void writeLine(const std::string& line)
    {
        if (m_in) {
            std::fprintf(m_in, "%s\n", line.c_str());
            std::fflush(m_in);
        }
    }

    // Reads one GTP answer up to its terminating empty line; what came before end of file otherwise.
    std::string readAnswer()
    {
        std::string answer;
        char* line = nullptr;
        std::size_t capacity = 0;
        // getline gives 1 for the empty line that ends the answer, -1 at end of file.
        while (m_out && getline(&line, &capacity, m_out) > 1) {
            answer += line;
        }
        std::free(line);
        if (!answer.empty() && answer.back() == '\n') {
            answer.pop_back();
        }
        return answer;
    }

    // Sends a command and returns its answer.
    std::string command(const std::string& line)
    {
        writeLine(line);
        return readAnswer();
    }

private:
    pid_t m_pid = -1;
    std::FILE* m_in = nullptr;
    std::FILE* m_out = nullptr;
};

// True while a process with this id exists (a zombie counts: it was not reaped).
inline bool processExists(pid_t pid)
{
    return pid > 0 && (::kill(pid, 0) == 0 || errno != ESRCH);
}
