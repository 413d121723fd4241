// A scriptable GTP engine for tests. It records every line it receives and
// answers as its command line says.
//
//   --record FILE          append each received line to FILE exactly as received
//                          (without its line feed), flushing after each line
//   --pid-file FILE        write the process id to FILE at start
//   --genmove ANSWER       answer the next "genmove" with "= ANSWER\n\n"; repeatable,
//                          used in order; afterwards genmove answers "= pass"
//   --genmove-raw BYTES    answer the next "genmove" with BYTES exactly (same list)
//   --genmove-otherwise A  what genmove answers once the list is used up (default pass)
//   --answer NAME=TEXT     answer every command NAME with "= TEXT\n\n"
//   --fail NAME            answer every command NAME with "? failed\n\n"
//   --delay-ms N           wait N ms before every answer
//   --genmove-delay-ms N   wait N ms before every genmove answer
//   --hold-until-genmove   keep other answers back and write them in the same
//                          write as the next genmove answer
//   --split N              write each answer in pieces of N bytes ...
//   --split-pause-ms N     ... with N ms between the pieces (default 30)
//   --crlf                 end answer lines with "\r\n"
//   --exit-after N         exit with status 0 once N commands are answered
//   --crash-after N        kill itself with SIGKILL on receiving the N-th command
//   --linger               answer "quit" but stay, ignore end of input and SIGTERM
//
// ANSWER, BYTES and TEXT understand \n, \r, \\ and \xHH, so a test can send
// bytes that are not UTF-8. Empty and blank lines are recorded but not answered,
// as GTP says. "quit" is answered "= " and ends the program; so does end of input.
// Commands are the non-empty lines; the N of --exit-after and --crash-after counts them.

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <unistd.h>

namespace {

struct Script {
    std::string recordPath;
    std::deque<std::string> genmoveAnswers; // complete answers, ready to write
    std::string genmoveOtherwise = "pass";
    std::map<std::string, std::string> answers;
    std::set<std::string> failures;
    int delayMs = 0;
    int genmoveDelayMs = 0;
    bool holdUntilGenmove = false;
    std::size_t split = 0;
    int splitPauseMs = 30;
    bool crlf = false;
    long exitAfter = -1;
    long crashAfter = -1;
    bool linger = false;
};

std::string unescape(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out.push_back(text[i]);
            continue;
        }
        const char next = text[++i];
        if (next == 'n') {
            out.push_back('\n');
        } else if (next == 'r') {
            out.push_back('\r');
        } else if (next == 'x' && i + 2 < text.size()) {
            out.push_back(static_cast<char>(std::strtol(text.substr(i + 1, 2).c_str(), nullptr, 16)));
            i += 2;
        } else {
            out.push_back(next);
        }
    }
    return out;
}

void pauseMs(int ms)
{
    if (ms > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}

void writeAll(const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            std::_Exit(0); // the reader has gone
        }
        done += static_cast<std::size_t>(n);
    }
}

class FakeEngine {
public:
    explicit FakeEngine(Script script) : m_Script(std::move(script)) {}

    // False when the program should end.
    bool handleLine(const std::string& line)
    {
        record(line);
        const std::size_t start = line.find_first_not_of(" \t\r");
        if (start == std::string::npos) {
            return true;
        }
        ++m_Commands;
        if (m_Script.crashAfter >= 0 && m_Commands >= m_Script.crashAfter) {
            ::kill(::getpid(), SIGKILL);
        }
        const std::string name = line.substr(start, line.find_first_of(" \t\r", start) - start);
        if (name == "genmove") {
            pauseMs(m_Script.genmoveDelayMs);
            answer(nextGenmoveAnswer(), true);
        } else if (m_Script.failures.count(name)) {
            answer(frame("? failed"), false);
        } else if (m_Script.answers.count(name)) {
            answer(frame("= " + m_Script.answers[name]), false);
        } else {
            answer(frame("= "), false);
        }
        if (name == "quit" && !m_Script.linger) {
            return false;
        }
        return m_Script.exitAfter < 0 || m_Commands < m_Script.exitAfter;
    }

private:
    void record(const std::string& line)
    {
        if (m_Script.recordPath.empty()) {
            return;
        }
        if (FILE* file = std::fopen(m_Script.recordPath.c_str(), "ab")) {
            std::fwrite(line.data(), 1, line.size(), file);
            std::fputc('\n', file);
            std::fclose(file);
        }
    }

    std::string frame(const std::string& result) const
    {
        const std::string end = m_Script.crlf ? "\r\n" : "\n";
        return result + end + end;
    }

    std::string nextGenmoveAnswer()
    {
        if (m_Script.genmoveAnswers.empty()) {
            return frame("= " + m_Script.genmoveOtherwise);
        }
        std::string next = m_Script.genmoveAnswers.front();
        m_Script.genmoveAnswers.pop_front();
        return next;
    }

    void answer(const std::string& bytes, bool isGenmove)
    {
        if (m_Script.holdUntilGenmove && !isGenmove) {
            m_Held += bytes;
            return;
        }
        pauseMs(m_Script.delayMs);
        const std::string all = std::exchange(m_Held, std::string()) + bytes;
        if (m_Script.split == 0) {
            writeAll(all);
            return;
        }
        for (std::size_t i = 0; i < all.size(); i += m_Script.split) {
            if (i > 0) {
                pauseMs(m_Script.splitPauseMs);
            }
            writeAll(all.substr(i, m_Script.split));
        }
    }

    Script m_Script;
    long m_Commands = 0;
    std::string m_Held;
};

[[noreturn]] void usage(const char* what)
{
    std::fprintf(stderr, "fake_gtp_engine: bad option %s\n", what);
    std::exit(2);
}

}

int main(int argc, char** argv)
{
    std::signal(SIGPIPE, SIG_IGN);
    Script script;
    std::string pidPath;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                usage(option.c_str());
            }
            return argv[++i];
        };
        if (option == "--record") {
            script.recordPath = value();
        } else if (option == "--pid-file") {
            pidPath = value();
        } else if (option == "--genmove") {
            script.genmoveAnswers.push_back("= " + unescape(value()) + "\n\n");
        } else if (option == "--genmove-raw") {
            script.genmoveAnswers.push_back(unescape(value()));
        } else if (option == "--genmove-otherwise") {
            script.genmoveOtherwise = unescape(value());
        } else if (option == "--answer") {
            const std::string pair = value();
            const std::size_t equals = pair.find('=');
            if (equals == std::string::npos) {
                usage(pair.c_str());
            }
            script.answers[pair.substr(0, equals)] = unescape(pair.substr(equals + 1));
        } else if (option == "--fail") {
            script.failures.insert(value());
        } else if (option == "--delay-ms") {
            script.delayMs = std::atoi(value().c_str());
        } else if (option == "--genmove-delay-ms") {
            script.genmoveDelayMs = std::atoi(value().c_str());
        } else if (option == "--hold-until-genmove") {
            script.holdUntilGenmove = true;
        } else if (option == "--split") {
            script.split = static_cast<std::size_t>(std::atol(value().c_str()));
        } else if (option == "--split-pause-ms") {
            script.splitPauseMs = std::atoi(value().c_str());
        } else if (option == "--crlf") {
            script.crlf = true;
        } else if (option == "--exit-after") {
            script.exitAfter = std::atol(value().c_str());
        } else if (option == "--crash-after") {
            script.crashAfter = std::atol(value().c_str());
        } else if (option == "--linger") {
            script.linger = true;
        } else {
            usage(option.c_str());
        }
    }
    if (script.linger) {
        std::signal(SIGTERM, SIG_IGN);
    }
    if (!pidPath.empty()) {
        if (FILE* file = std::fopen(pidPath.c_str(), "w")) {
            std::fprintf(file, "%ld\n", static_cast<long>(::getpid()));
            std::fclose(file);
        }
    }
    const bool linger = script.linger;
    FakeEngine engine(std::move(script));
    std::string pending;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        pending.append(buffer, static_cast<std::size_t>(n));
        std::size_t end;
        while ((end = pending.find('\n')) != std::string::npos) {
            const std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            if (!engine.handleLine(line)) {
                return 0;
            }
        }
    }
    if (!pending.empty()) {
        engine.handleLine(pending);
    }
    while (linger) {
        ::pause();
    }
    return 0;
}
