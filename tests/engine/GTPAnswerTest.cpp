#include "engine/GTPAnswer.h"
#include "engine/GTPAnswerFramer.h"

#include <gtest/gtest.h>

TEST(GTPAnswerFramer, answers_are_cut_at_their_empty_line_however_the_bytes_arrive)
{
    const std::string output = "= \n\n= \r\n\r\n=  D4\n\n\n? unknown command\n\n= pass\n\n";
    // Cut in two at every place: always the same answers, nothing left over.
    for (std::size_t cut = 0; cut <= output.size(); ++cut) {
        GTPAnswerFramer framer;
        std::vector<std::string> answers = framer.append(output.substr(0, cut));
        const std::vector<std::string> rest = framer.append(output.substr(cut));
        answers.insert(answers.end(), rest.begin(), rest.end());
        answers.push_back(framer.pending());
        EXPECT_EQ(answers, std::vector<std::string>({"= ", "= ", "=  D4", "? unknown command", "= pass", ""})) << cut;
    }
    // Garbage cannot grow without bound; after its own empty line, framing is back in step.
    GTPAnswerFramer framer;
    EXPECT_TRUE(framer.append(std::string(GTPAnswerFramer::MaximumAnswerSize + 10, 'x')).empty());
    EXPECT_TRUE(framer.takeOverflow());
    EXPECT_LE(framer.pending().size(), GTPAnswerFramer::MaximumAnswerSize);
    EXPECT_EQ(framer.append("\n\n= E5\n\n").back(), "= E5");
}

TEST(GTPAnswer, the_first_line_says_what_an_answer_is_and_only_vertices_on_the_board_are_moves)
{
    using Kind = GTPAnswer::Kind;
    const std::pair<Kind, std::vector<std::string>> kinds[] = {
        {Kind::Success, {"= ", "=", "=12 ", "= \nA B C\n"}}, {Kind::Failure, {"? illegal move"}},
        // Not UTF-8: cut short, overlong, a surrogate, past U+10FFFF, a lone continuation byte.
        {Kind::Unrecognised, {"", "D4", "= \xff\xfe", "= \xc3", "= \xc0\xaf", "= \xed\xa0\x80", "= \xf4\x90\x80\x80",
                              "= \x80"}},
        {Kind::Pass, {"= pass", "= PASS", "= Pass", "=3 pass", "= pass\t"}}, {Kind::Resign, {"= resign", "= RESIGN"}},
        {Kind::BadVertex, {"= passe", "= Fran\xc3\xa7" "ais \xe2\x82\xac \xf0\x9f\x98\x80", "= T19", "= K1", "= J10",
                           "= A0", "= A09", "= I5", "= i5", "= A", "= 4", "= A1B", "= A-1", "= A 1", "= A100", "= @1",
                           "= [1", "= Z9", "= 44"}},
    };
    for (const auto& [kind, texts] : kinds) {
        for (const std::string& text : texts) {
            EXPECT_EQ(std::pair(GTPAnswer::parse(text, 9).kind(), GTPAnswer::parse(text, 9).point()),
                      std::pair(kind, std::optional<GTPGoPoint>())) << text;
        }
    }
    for (const auto& [text, boardSize, point] : {std::tuple("= A1", 9, GTPGoPoint(1, 1)), {"= a1", 9, {1, 1}},
                                                 {"= H8", 9, {8, 8}}, {"= j9", 9, {9, 9}}, {"= J1", 9, {9, 1}},
                                                 {"=7 E5", 9, {5, 5}}, {"= T19", 19, {19, 19}}}) {
        EXPECT_EQ(std::pair(GTPAnswer::parse(text, boardSize).kind(), GTPAnswer::parse(text, boardSize).point()),
                  std::pair(Kind::Vertex, std::optional(point))) << text;
    }
}
