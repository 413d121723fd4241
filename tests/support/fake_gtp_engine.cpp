// A scriptable GTP engine for tests. It records every line it receives and
// answers as its command line says.
//
//   --record FILE          append each received line to FILE exactly as received
//                          (without its line feed), flushing after each line
//   --genmove ANSWER       answer the next "genmove" with "= ANSWER\n\n"; repeatable,
//                          used in order
//   --genmove-raw BYTES    answer the next "genmove" with BYTES exactly (same list)
//   --genmove-otherwise A  what genmove answers once the list is used up (default pass)
//   --fail NAME            answer every command NAME with "? failed\n\n"
//   --hold-until-genmove   keep other answers back and write them in the same
//                          write as the next genmove answer
//   --split N              write each answer in pieces of N bytes ...
//   --split-pause-ms N     ... with N ms between the pieces (default 30)
//   --crlf                 end answer lines with "\r\n" (not those of --genmove)
//   --exit-after N         exit with status 0 once N commands are answered
//   --crash-after N        kill itself with SIGKILL on receiving the N-th command
//   --linger               answer "quit" but stay, ignore end of input and SIGTERM
//
// In ANSWER, BYTES and A, "\xHH" stands for the byte HH, so that a test can
// send bytes that are not UTF-8. Empty and blank lines are recorded but not
// answered, as GTP says. "quit" is answered "= " and ends the program; so does
// end of input. Commands are the non-empty lines; the N of --exit-after and
// --crash-after counts them.

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <unistd.h>

namespace {

std::string recordPath;
std::deque<std::string> genmoveAnswers; // complete answers, ready to write
std::string genmoveOtherwise = "pass";
std::set<std::string> failures;
std::set<std::string> flags; // --hold-until-genmove, --crlf, --linger when given
std::map<std::string, long> numbers = {
    {"--split", 0}, {"--split-pause-ms", 30}, {"--exit-after", -1}, {"--crash-after", -1}};
long commandCount = 0;
std::string heldAnswers;

std::string unescape(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\\x") == 0 && i + 3 < text.size()) {
            out.push_back(static_cast<char>(std::strtol(text.substr(i + 2, 2).c_str(), nullptr, 16)));
            i += 3;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

void writeAll(const std::string& bytes)
{
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(STDOUT_FILENO, bytes.data() + done, bytes.size() - done);
        if (n >= 0) {
            done += static_cast<std::size_t>(n);
        } else if (errno != EINTR) {
            std::_Exit(0); // the reader has gone
        }
    }
}

std::string frame(const std::string& result)
{
    const std::string end = flags.count("--crlf") ? "\r\n" : "\n";
    return result + end + end;
}

void answer(const std::string& bytes, bool isGenmove)
{
    heldAnswers += bytes;
    if (flags.count("--hold-until-genmove") && !isGenmove) {
        return;
    }
    const std::string all = std::exchange(heldAnswers, std::string());
    const std::size_t piece = numbers["--split"] > 0 ? static_cast<std::size_t>(numbers["--split"]) : all.size();
    for (std::size_t i = 0; i < all.size(); i += piece) {
        if (i > 0) {
            ::usleep(static_cast<useconds_t>(numbers["--split-pause-ms"] * 1000));
        }
        writeAll(all.substr(i, piece));
    }
}

// False when the program should end.
bool handleLine(const std::string& line)
{
    if (FILE* file = recordPath.empty() ? nullptr : std::fopen(recordPath.c_str(), "ab")) {
        std::fwrite(line.data(), 1, line.size(), file);
        std::fputc('\n', file);
        std::fclose(file);
    }
    const std::size_t start = line.find_first_not_of(" \t\r");
    if (start == std::string::npos) {
        return true;
    }
    ++commandCount;
    if (numbers["--crash-after"] >= 0 && commandCount >= numbers["--crash-after"]) {
        ::kill(::getpid(), SIGKILL);
    }
    const std::string name = line.substr(start, line.find_first_of(" \t\r", start) - start);
    if (name != "genmove") {
        answer(frame(failures.count(name) ? "? failed" : "= "), false);
    } else if (genmoveAnswers.empty()) {
        answer(frame("= " + genmoveOtherwise), true);
    } else {
        answer(genmoveAnswers.front(), true);
        genmoveAnswers.pop_front();
    }
    if (name == "quit" && !flags.count("--linger")) {
        return false;
    }
    return numbers["--exit-after"] < 0 || commandCount < numbers["--exit-after"];
}

}

int main(int argc, char** argv)
{
    std::signal(SIGPIPE, SIG_IGN);
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--hold-until-genmove" || option == "--crlf" || option == "--linger") {
            flags.insert(option);
            continue;
        }
        if (i + 1 == argc) {
            std::cerr << "fake_gtp_engine: " << option << " needs a value\n";
            return 2;
        }
        const std::string value = argv[++i];
        if (numbers.count(option)) {
            numbers[option] = std::atol(value.c_str());
        } else if (option == "--record") {
            recordPath = value;
        } else if (option == "--genmove") {
            genmoveAnswers.push_back("= " + unescape(value) + "\n\n");
        } else if (option == "--genmove-raw") {
            genmoveAnswers.push_back(unescape(value));
        } else if (option == "--genmove-otherwise") {
            genmoveOtherwise = unescape(value);
        } else if (option == "--fail") {
            failures.insert(value);
        } else {
            std::cerr << "fake_gtp_engine: bad option " << option << "\n";
            return 2;
        }
    }
    if (flags.count("--linger")) {
        std::signal(SIGTERM, SIG_IGN);
    }
    for (std::string line; std::getline(std::cin, line);) {
        if (!handleLine(line)) {
            return 0;
        }
    }
    while (flags.count("--linger")) {
        ::pause();
    }
    return 0;
}
