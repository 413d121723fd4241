#include "ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
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
    // A child that died must not kill the test when it writes to it.
    std::signal(SIGPIPE, SIG_IGN);
    m_pid = fork();
    if (m_pid == 0) {
        dup2(toChild[0], STDIN_FILENO);
        dup2(fromChild[1], STDOUT_FILENO);
        for (const int fd : {toChild[0], toChild[1], fromChild[0], fromChild[1]}) {
            close(fd);
        }
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
    if (m_pid < 0) {
        close(toChild[1]);
        close(fromChild[0]);
        return;
    }
    m_in = fdopen(toChild[1], "w");
    m_out = fdopen(fromChild[0], "r");
}

ChildProcess::~ChildProcess()
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

void ChildProcess::writeLine(const std::string& line)
{
    if (m_in) {
        std::fprintf(m_in, "%s\n", line.c_str());
        std::fflush(m_in);
    }
}

std::string ChildProcess::readAnswer()
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

bool processExists(pid_t pid)
{
    return pid > 0 && (::kill(pid, 0) == 0 || errno != ESRCH);
}
