#include "engine/GTPAnswer.h"
#include "engine/GTPAnswerFramer.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using Kind = GTPAnswer::Kind;

TEST(GTPAnswerFramer, answers_are_cut_at_their_empty_line_whatever_the_pieces)
{
    const std::string output = "= \n\n= \r\n\r\n=  D4\n\n\n? unknown command\n\n= pass\n\n";
    const std::vector<std::string> expected = {"= ", "= ", "=  D4", "? unknown command", "= pass"};
    // Every way of cutting the output in two, and byte by byte, gives the same answers.
    for (std::size_t cut = 0; cut <= output.size(); ++cut) {
        GTPAnswerFramer framer;
        auto answers = framer.append(std::string_view(output).substr(0, cut));
        for (auto& answer : framer.append(std::string_view(output).substr(cut))) {
            answers.push_back(answer);
        }
        EXPECT_EQ(answers, expected) << "cut at " << cut;
        EXPECT_EQ(framer.pending(), "");
    }
    GTPAnswerFramer bytewise;
    std::vector<std::string> answers;
    for (const char byte : output) {
        for (auto& answer : bytewise.append(std::string_view(&byte, 1))) {
            answers.push_back(answer);
        }
    }
    EXPECT_EQ(answers, expected);
}

TEST(GTPAnswerFramer, a_partial_answer_waits_and_garbage_cannot_grow_without_bound)
{
    GTPAnswerFramer framer;
    EXPECT_TRUE(framer.append("= D4\n").empty());
    EXPECT_EQ(framer.pending(), "= D4\n");
    EXPECT_THAT(framer.append("\n"), ElementsAre("= D4"));

    EXPECT_TRUE(framer.append(std::string(GTPAnswerFramer::MaximumAnswerSize + 10, 'x')).empty());
    EXPECT_TRUE(framer.takeOverflow());
    EXPECT_FALSE(framer.takeOverflow());
    EXPECT_LE(framer.pending().size(), GTPAnswerFramer::MaximumAnswerSize);
    // After the garbage's own empty line, framing is back in step.
    EXPECT_EQ(framer.append("\n\n= E5\n\n").back(), "= E5");
}

TEST(GTPAnswer, results_are_read_from_the_first_line)
{
    const std::pair<const char*, Kind> cases[] = {
        {"= ", Kind::Success}, {"=", Kind::Success}, {"=12 ", Kind::Success}, {"= \nA B C\n", Kind::Success},
        {"? illegal move", Kind::Failure},
        {"", Kind::Unrecognised}, {"D4", Kind::Unrecognised}, {"= \xff\xfe", Kind::Unrecognised},
        {"= pass", Kind::Pass}, {"= PASS", Kind::Pass}, {"= Pass", Kind::Pass}, {"=3 pass", Kind::Pass},
        {"= pass\t", Kind::Pass}, {"= resign", Kind::Resign}, {"= RESIGN", Kind::Resign}, {"= Resign", Kind::Resign},
        {"= passe", Kind::BadVertex},
    };
    for (const auto& [text, kind] : cases) {
        EXPECT_EQ(GTPAnswer::parse(text, 9).kind(), kind) << text;
    }
}

TEST(GTPAnswer, vertices_in_either_case_inside_the_board_only)
{
    const std::vector<std::tuple<const char*, int, int>> good = {
        {"= A1", 1, 1}, {"= a1", 1, 1}, {"= H8", 8, 8}, {"= j9", 9, 9}, {"= J1", 9, 1}, {"=7 E5", 5, 5}};
    for (const auto& [text, x, y] : good) {
        const GTPAnswer answer = GTPAnswer::parse(text, 9);
        ASSERT_EQ(answer.kind(), Kind::Vertex) << text;
        EXPECT_EQ(*answer.point(), GTPGoPoint(x, y)) << text;
    }
    EXPECT_EQ(*GTPAnswer::parse("= T19", 19).point(), GTPGoPoint(19, 19));
    for (const char* bad : {"= T19", "= K1", "= J10", "= A0", "= A09", "= I5", "= i5", "= A", "= 4", "= A1B", "= A-1",
                            "= A 1", "= A100", "= @1", "= [1", "= Z9", "= 44"}) {
        const GTPAnswer answer = GTPAnswer::parse(bad, 9);
        EXPECT_EQ(answer.kind(), Kind::BadVertex) << bad;
        EXPECT_FALSE(answer.point()) << bad;
    }
}

TEST(GTPAnswer, utf8_check_refuses_malformed_sequences)
{
    EXPECT_TRUE(GTPAnswer::isValidUtf8("= Fran\xc3\xa7" "ais \xe2\x82\xac \xf0\x9f\x98\x80"));
    // Cut short, overlong, a surrogate, past U+10FFFF, a lone continuation byte.
    for (const char* bad : {"\xc3", "\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\x80"}) {
        EXPECT_FALSE(GTPAnswer::isValidUtf8(bad)) << bad;
    }
}
