#include "GTPAnswerFramer.h"

#include <utility>

std::vector<std::string> GTPAnswerFramer::append(std::string_view bytes)
{
    std::vector<std::string> answers;
    for (const char byte : bytes) {
        appendByte(byte, answers);
    }
    return answers;
}

void GTPAnswerFramer::appendByte(char byte, std::vector<std::string>& answers)
{
    if (byte == '\r') {
        return;
    }
    if (byte == '\n') {
        if (m_Pending.empty()) {
            return; // an empty line outside an answer
        }
        if (m_Pending.back() == '\n') {
            m_Pending.pop_back();
            answers.push_back(std::exchange(m_Pending, std::string()));
            return;
        }
    }
    if (m_Pending.size() >= MaximumAnswerSize) {
        m_Pending.clear();
        m_Overflow = true;
    }
    m_Pending.push_back(byte);
}

bool GTPAnswerFramer::takeOverflow()
{
    return std::exchange(m_Overflow, false);
}
