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
//   --answer LINE=TEXT     answer the command line LINE with "= TEXT\n\n"
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

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <unistd.h>

namespace {

// The options that take one value, with their defaults.
std::map<std::string, std::string> values = {{"--record", ""}, {"--genmove-otherwise", "pass"}, {"--split", "0"},
    {"--split-pause-ms", "30"}, {"--exit-after", "-1"}, {"--crash-after", "-1"}};
std::set<std::string> flags; // --hold-until-genmove, --crlf, --linger when given
std::deque<std::string> genmoveAnswers; // complete answers, ready to write
std::set<std::string> failures;
std::map<std::string, std::string> answers; // by the whole command line
long commandCount = 0;
std::string heldAnswers;

long number(const std::string& option) { return std::atol(values[option].c_str()); }

std::string unescape(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool escape = text.compare(i, 2, "\\x") == 0 && i + 3 < text.size();
        out.push_back(escape ? static_cast<char>(std::strtol(text.substr(i + 2, 2).c_str(), nullptr, 16)) : text[i]);
        i += escape ? 3 : 0;
    }
    return out;
}

// Writes the answer, or keeps it back; a framed answer is written as it is.
void answer(const std::string& result, bool isGenmove, bool framed = false)
{
    const std::string end = flags.count("--crlf") ? "\r\n" : "\n";
    heldAnswers += framed ? result : result + end + end;
    if (flags.count("--hold-until-genmove") && !isGenmove) {
        return;
    }
    const std::size_t piece = number("--split") > 0 ? static_cast<std::size_t>(number("--split")) : heldAnswers.size();
    for (std::size_t i = 0; i < heldAnswers.size(); i += piece) {
        if (i > 0) {
            ::usleep(static_cast<useconds_t>(number("--split-pause-ms") * 1000));
        }
        std::fwrite(heldAnswers.data() + i, 1, std::min(piece, heldAnswers.size() - i), stdout);
        std::fflush(stdout);
    }
    heldAnswers.clear();
}

// False when the program should end.
bool handleLine(const std::string& line)
{
    if (FILE* file = values["--record"].empty() ? nullptr : std::fopen(values["--record"].c_str(), "ab")) {
        std::fprintf(file, "%s\n", line.c_str());
        std::fclose(file);
    }
    const std::size_t start = line.find_first_not_of(" \t\r");
    if (start == std::string::npos) {
        return true;
    }
    if (++commandCount == number("--crash-after")) {
        ::kill(::getpid(), SIGKILL);
    }
    const std::string name = line.substr(start, line.find_first_of(" \t\r", start) - start);
    if (answers.count(line)) {
        answer("= " + answers[line], false);
    } else if (name != "genmove") {
        answer(failures.count(name) ? "? failed" : "= ", false);
    } else if (genmoveAnswers.empty()) {
        answer("= " + unescape(values["--genmove-otherwise"]), true);
    } else {
        answer(genmoveAnswers.front(), true, true);
        genmoveAnswers.pop_front();
    }
    return (name != "quit" || flags.count("--linger")) && commandCount != number("--exit-after");
}

}

int main(int argc, char** argv)
{
    std::signal(SIGPIPE, SIG_IGN);
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const std::string value = i + 1 < argc ? argv[i + 1] : "";
        if (option == "--hold-until-genmove" || option == "--crlf" || option == "--linger") {
            flags.insert(option);
            continue;
        }
        ++i;
        if (values.count(option)) {
            values[option] = value;
        } else if (option == "--genmove" || option == "--genmove-raw") {
            genmoveAnswers.push_back(option == "--genmove" ? "= " + unescape(value) + "\n\n" : unescape(value));
        } else if (option == "--fail") {
            failures.insert(value);
        } else if (option == "--answer") {
            answers[value.substr(0, value.find('='))] = unescape(value.substr(value.find('=') + 1));
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
