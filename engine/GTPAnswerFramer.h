#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Cuts an engine's output into answers at their terminating empty line. Bytes
// arrive in arbitrary pieces; a partial answer waits for the rest. Carriage
// returns are dropped (GTP allows "\r\n"), and empty lines between answers
// are skipped.
class GTPAnswerFramer {
public:
    // An answer that grows past this without its empty line is garbage: it is dropped.
    static constexpr std::size_t MaximumAnswerSize = 64 * 1024;

    // Appends bytes and returns every answer they complete, oldest first,
    // without the terminating line feeds.
    std::vector<std::string> append(std::string_view bytes);
    // Bytes of an answer not yet complete.
    const std::string& pending() const { return m_Pending; }
    // True once, after an over-long answer was dropped.
    bool takeOverflow();

private:
    void appendByte(char byte, std::vector<std::string>& answers);

    std::string m_Pending;
    bool m_Overflow = false;
};
