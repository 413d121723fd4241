// What the reader accepts from other programs, and what it refuses and says.
#include "sgf/SGFReader.h"

#include <gtest/gtest.h>

// A file, then either nothing and the plain form of the same game, or why it
// is refused and what the player is told ("": the kind alone is checked).
TEST(SGFReader, reads_what_other_programs_write_and_refuses_what_hoshi_cannot_play_saying_why)
{
    using Kind = SGFReadErrorKind;
    const std::tuple<std::string, std::optional<Kind>, std::string> rows[] = {
        {"(;KM[6.5]PB[Ann]SZ[9]FF[4]GM[1];B[ee];W[cc])", {}, "(;GM[1]SZ[9]KM[6.5]PB[Ann];B[ee];W[cc])"},
        {"\n ( ;\tSZ [9]\r\n KM[6.5]  PB\n[Ann] ; B [ee]\n;W[cc] ) ", {}, "(;SZ[9]KM[6.5]PB[Ann];B[ee];W[cc])"},
        {"(;GaMe[1]SiZe[9]KoMi[6.5]PlayerBlack[Ann];Black[ee];White[cc])", {}, "(;SZ[9]KM[6.5]PB[Ann];B[ee];W[cc])"},
        {"(;gm[1]sz[9]km[6.5]pb[Ann];b[ee];w[cc])", {}, "(;SZ[9]KM[6.5]PB[Ann];B[ee];W[cc])"},
        {"(;SZ[9];B[ee];W[tt];B[cc])", {}, "(;SZ[9];B[ee];W[];B[cc])"},
        {"(;SZ[9];B[ee](;W[cc](;B[gg])(;B[hh];W[aa]))(;W[dd]))", {}, "(;SZ[9];B[ee];W[cc];B[gg])"},
        {R"((;SZ[9]C[a \] tricky [value\\]XY[1][\]];B[ee]C[x\\\]]))", {}, R"((;SZ[9];B[ee]C[x\\\]]))"},
        // A move's annotations: a comment's soft line break goes, BM[2] is a big mistake, anything else a mistake.
        {"(;SZ[9];B[ee]V[-3.5]BM[2]C[two\\\nparts];W[cc]BM[x])", {}, "(;SZ[9];B[ee]BM[2]V[-3.5]C[twoparts];W[cc]BM[1])"},
        {"junk (;SZ[9];B[ee])(;SZ[19])", {}, "(;SZ[9];B[ee])"},
        {"(;SZ[9:9]AB[gc][cg];W[ee])", {}, "(;SZ[9]HA[2]AB[cg][gc];W[ee])"},
        {"(;SZ[9]HA[1];B[ee])", {}, "(;SZ[9]HA[0];B[ee])"},
        {"(;SZ[9]PB[Ann\nLe\\\ne]PW[a\\\\b\\]c]KM[+7])", {}, "(;SZ[9]PB[Ann Lee]PW[a\\\\b\\]c]KM[7])"},
        {"(;SZ[9]KM[6.5]TM[599.6])", {}, "(;GM[1]SZ[9]KM[6.5]TM[600])"},
        {"", Kind::NotSGF, "This is not an SGF file: it holds no game tree \"(;\"."},
        {"(;SZ[9];B[ee]", Kind::Truncated, "The file is cut short: a bracket or parenthesis is never closed."},
        {"(;SZ[9]B)", Kind::Malformed, "The file is damaged: unexpected character at byte 9."},
        {"(;SZ[9]GM[5])", Kind::NotGo, "The file holds a game other than Go (GM[5])."},
        {"(;GM[1])", Kind::BoardSize, "The board is 19 × 19; hoshi plays on 9 × 9 only."},
        {"(;SZ[13:9])", Kind::BoardSize, "The board is 13 × 9; hoshi plays on 9 × 9 only."},
        {"(;SZ[9]KM[six])", Kind::BadValue, "The value KM[six] is not understood."},
        {"(;SZ[9]HA[12])", Kind::Handicap, "A handicap of 12 stones is not supported; hoshi places 2 to 9."},
        {"(;SZ[9]AW[ee])", Kind::UnsupportedSetup,
         "The game starts from a position set up with AW; hoshi can only set up its own handicap stones."},
        {"(;SZ[9]HA[2]AB[cg][ee])", Kind::UnsupportedSetup, ""},
        {"(;SZ[9]AB[cg][gc];AB[ee])", Kind::UnsupportedSetup, ""},
        {"(;SZ[9]HA[3];W[ee])", Kind::UnsupportedSetup, ""},
        {"(;SZ[9];B[ee];W[ja])", Kind::OffBoard, "Move 2 (W[ja]) is not a point of the 9 × 9 board."},
        {"(;SZ[9];B[e])", Kind::OffBoard, "Move 1 (B[e]) is not a point of the 9 × 9 board."},
        {"(;SZ[9];B[ee];W[ee])", Kind::IllegalMove, "Move 2 (W[ee]) is not legal: the point is occupied."},
        {"(;SZ[9];B[ba];W[ee];B[ab];W[aa])", Kind::IllegalMove, "Move 4 (W[aa]) is not legal: it would be suicide."},
        // Black takes a ko at ch (3, 2): White may not retake at bh at once.
        {"(;SZ[9];B[ah];W[cg];B[bg];W[dh];B[bi];W[ci];B[ia];W[bh];B[ch];W[bh])", Kind::IllegalMove,
         "Move 10 (W[bh]) is not legal: it retakes the ko at once."},
        {"(;SZ[9]HA[2]AB[cg][gc];B[ee])", Kind::IllegalMove, "Move 1 (B[ee]) is not legal: it is White's turn."},
        {"(;SZ[9];B[ee];W[];B[];W[cc])", Kind::MoveAfterEnd,
         "Move 4 (W[cc]) comes after the game ended with two passes."},
    };
    for (const auto& [input, refusal, text] : rows) {
        const SGFReadResult result = SGFReader::read(input);
        const SGFReadResult plain = SGFReader::read(refusal ? "(;SZ[9])" : text);
        EXPECT_EQ(std::pair(result.Record, result.Error.Kind),
                  std::pair(refusal ? std::nullopt : plain.Record, refusal.value_or(Kind::None)))
            << input << ": " << result.Error.message();
        EXPECT_EQ(result.Error.message(), !refusal || text.empty() ? result.Error.message() : text) << input;
    }
    EXPECT_EQ(SGFReader::read("(;SZ[9])").Record->Application, "") << "no program is named when the file names none";
}
