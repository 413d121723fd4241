#pragma once

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <spawn.h>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// A child process whose standard input and output are one socket, for tests
// that talk GTP to a real engine without Qt. Without a child, commands are
// answered "". The destructor closes the socket, then kills and reaps the child.
class ChildProcess {
public:
    explicit ChildProcess(std::vector<std::string> argv)
    {
        int ends[2] = {-1, -1};
        socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends);
        std::vector<char*> args(argv.size() + 1, nullptr);
        std::ranges::transform(argv, args.begin(), [](std::string& arg) { return arg.data(); });
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, ends[1], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
        m_pid = ends[1] >= 0 && posix_spawn(&m_pid, args[0], &actions, nullptr, args.data(), environ) == 0 ? m_pid : -1;
        posix_spawn_file_actions_destroy(&actions);
        close(ends[1]);
        m_socket = ends[0];
    }

    ~ChildProcess()
    {
        close(m_socket);
        if (m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }

    // Sends a command and returns its answer, up to the empty line that ends
    // it (what came before end of file otherwise). Never SIGPIPE: a child that
    // died must not kill the test.
    std::string command(const std::string& line) { return commands({line}).front(); }

    // Sends the lines at once, then reads their answers: one round trip where
    // the child writes each word apart. Keep a batch within the socket's buffers.
    std::vector<std::string> commands(const std::vector<std::string>& lines)
    {
        std::string text;
        for (const std::string& line : lines) {
            text += line + "\n";
        }
        send(m_socket, text.data(), text.size(), MSG_NOSIGNAL);
        std::vector<std::string> answers;
        char bytes[4096];
        while (answers.size() < lines.size()) {
            for (ssize_t got = 1; m_unread.find("\n\n") == std::string::npos && got > 0;) {
                if (lines.size() > 1) {
                    usleep(500); // lets a batch's answers gather: one read, not one for each word
                }
                got = read(m_socket, bytes, sizeof bytes);
                m_unread.append(bytes, static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
            }
            const std::size_t end = m_unread.find("\n\n");
            answers.push_back(m_unread.substr(0, end));
            m_unread.erase(0, end == std::string::npos ? end : end + 2);
        }
        return answers;
    }

private:
    pid_t m_pid = -1;
    int m_socket = -1;
    std::string m_unread;
};

// True while a process with this id exists (a zombie counts: it was not reaped).
inline bool processExists(pid_t pid) { return pid > 0 && (::kill(pid, 0) == 0 || errno != ESRCH); }
