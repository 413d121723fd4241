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
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <unistd.h>

namespace {

// The options that take one value, with their defaults; the flags given (--hold-until-genmove, --crlf, --linger).
std::map<std::string, std::string> values = {{"--record", ""}, {"--genmove-otherwise", "pass"}, {"--split", "0"},
    {"--split-pause-ms", "30"}, {"--exit-after", "-1"}, {"--crash-after", "-1"}};
std::set<std::string> flags, failures;
std::deque<std::string> genmoveAnswers; // complete answers, ready to write
std::map<std::string, std::string> answers; // by the whole command line
std::string heldAnswers;

long number(const std::string& option) { return std::atol(values[option].c_str()); }

std::string unescape(std::string text)
{
    for (std::size_t at = 0; (at = text.find("\\x", at)) != std::string::npos && at + 3 < text.size(); ++at) {
        text.replace(at, 4, 1, static_cast<char>(std::stoi(text.substr(at + 2, 2), nullptr, 16)));
    }
    return text;
}

// Answers the line (false when the program should end): at once, or kept back
// to leave in the same write as the next genmove's answer.
bool handleLine(const std::string& line)
{
    static long commands = 0;
    std::ofstream(values["--record"], std::ios::app | std::ios::binary) << line << '\n'; // no file, no record
    const std::size_t start = line.find_first_not_of(" \t\r");
    if (start == std::string::npos) {
        return true;
    }
    if (++commands == number("--crash-after")) {
        ::kill(::getpid(), SIGKILL);
    }
    const std::string name = line.substr(start, line.find_first_of(" \t\r", start) - start);
    const std::string end = flags.count("--crlf") ? "\r\n\r\n" : "\n\n";
    const bool genmove = name == "genmove" && !answers.count(line);
    if (!genmove) {
        heldAnswers += (answers.count(line) ? "= " + answers[line] : failures.count(name) ? "? failed" : "= ") + end;
    } else if (genmoveAnswers.empty()) {
        heldAnswers += "= " + unescape(values["--genmove-otherwise"]) + end;
    } else {
        heldAnswers += genmoveAnswers.front();
        genmoveAnswers.pop_front();
    }
    const std::size_t piece = number("--split") > 0 ? static_cast<std::size_t>(number("--split")) : heldAnswers.size();
    for (std::size_t i = 0; (genmove || !flags.count("--hold-until-genmove")) && i < heldAnswers.size(); i += piece) {
        ::usleep(static_cast<useconds_t>(i > 0 ? number("--split-pause-ms") * 1000 : 0));
        std::fwrite(heldAnswers.data() + i, 1, std::min(piece, heldAnswers.size() - i), stdout);
        std::fflush(stdout);
        heldAnswers.erase(0, i + piece >= heldAnswers.size() ? std::string::npos : 0);
    }
    return (name != "quit" || flags.count("--linger")) && commands != number("--exit-after");
}

}

int main(int argc, char** argv)
{
    std::signal(SIGPIPE, SIG_IGN);
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--hold-until-genmove" || option == "--crlf" || option == "--linger") {
            flags.insert(option);
        } else if (const std::string value = ++i < argc ? argv[i] : ""; values.count(option)) {
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
    std::signal(SIGTERM, flags.count("--linger") ? SIG_IGN : SIG_DFL);
    bool going = true;
    for (std::string line; going && std::getline(std::cin, line);) {
        going = handleLine(line);
    }
    while (going && flags.count("--linger")) {
        ::pause();
    }
    return 0;
}
