#include "GTPGoAreaCounting.h"

#include "Log.h"

#include <array>
#include <cstdint>
#include <string>

namespace {
constexpr std::int32_t kMaxBoardSize = 25;
constexpr std::size_t kMaxSide = kMaxBoardSize + 2;
constexpr std::size_t kMaxCells = kMaxSide * kMaxSide;

// Cell contents: the two colours keep their values so that 1 << cell is the
// bit of the side an empty region touches.
constexpr std::uint8_t kBlack = static_cast<std::uint8_t>(GTPGoColorBlack);
constexpr std::uint8_t kWhite = static_cast<std::uint8_t>(GTPGoColorWhite);
constexpr std::uint8_t kEmpty = static_cast<std::uint8_t>(GTPGoColorEmpty);
constexpr std::uint8_t kOffBoard = 3;
// An empty point already counted in its region.
constexpr std::uint8_t kVisited = 4;
constexpr unsigned kTouchesBlack = 1u << kBlack;
constexpr unsigned kTouchesWhite = 1u << kWhite;

// The board with a ring of off-board cells, so that neighbours need no bounds test.
class AreaGrid {
public:
    explicit AreaGrid(std::int32_t boardSize)
        : m_Size(boardSize), m_Side(static_cast<std::size_t>(boardSize) + 2)
    {
        m_Cells.fill(kOffBoard);
        for (std::int32_t y = 1; y <= m_Size; ++y) {
            for (std::int32_t x = 1; x <= m_Size; ++x) {
                m_Cells[index(x, y)] = kEmpty;
            }
        }
    }

    bool onBoard(const GTPGoPoint& point) const
    {
        return point.X() >= 1 && point.X() <= m_Size && point.Y() >= 1 && point.Y() <= m_Size;
    }
    std::size_t index(std::int32_t x, std::int32_t y) const
    {
        return static_cast<std::size_t>(y) * m_Side + static_cast<std::size_t>(x);
    }
    std::size_t index(const GTPGoPoint& point) const { return index(point.X(), point.Y()); }
    std::uint8_t& operator[](std::size_t cell) { return m_Cells[cell]; }

    // Marks the region of an empty start cell as visited; its size, and which colours it touches.
    std::int32_t fillRegion(std::size_t start, unsigned& touches)
    {
        const std::array<std::ptrdiff_t, 4> steps{-1, 1, static_cast<std::ptrdiff_t>(m_Side),
                                                  -static_cast<std::ptrdiff_t>(m_Side)};
        std::size_t pending = 0;
        std::int32_t size = 0;
        m_Cells[start] = kVisited;
        m_Stack[pending++] = start;
        while (pending > 0) {
            const std::size_t cell = m_Stack[--pending];
            ++size;
            for (const std::ptrdiff_t step : steps) {
                const std::size_t next = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(cell) + step);
                const std::uint8_t content = m_Cells[next];
                if (content == kEmpty) {
                    m_Cells[next] = kVisited;
                    m_Stack[pending++] = next;
                } else if (content <= kWhite) {
                    touches |= 1u << content;
                }
            }
        }
        return size;
    }

private:
    std::int32_t m_Size;
    std::size_t m_Side;
    std::array<std::uint8_t, kMaxCells> m_Cells;
    // Each empty cell is pushed once, so the stack never holds more than the board.
    std::array<std::size_t, kMaxCells> m_Stack;
};
}

void areaCounting(const GTPGoBoard& board, const std::vector<GTPGoPoint>& deadStones, double komi,
                  double& whiteScore, double& blackScore)
{
    whiteScore = komi;
    blackScore = 0;
    const std::int32_t size = board.BoardSize();
    if (size < 1 || size > kMaxBoardSize) {
        Log::write("area counting: board size " + std::to_string(size) + " not counted");
        return;
    }

    // 1. The stones on the board, less the dead ones.
    AreaGrid grid(size);
    for (const auto& [point, color] : board.Stones()) {
        if (grid.onBoard(point) && (color == GTPGoColorBlack || color == GTPGoColorWhite)) {
            grid[grid.index(point)] = static_cast<std::uint8_t>(color);
        }
    }
    for (const GTPGoPoint& point : deadStones) {
        if (grid.onBoard(point)) {
            grid[grid.index(point)] = kEmpty;
        }
    }

    // 2. Each stone, and each region that touches one colour only.
    for (std::int32_t y = 1; y <= size; ++y) {
        for (std::int32_t x = 1; x <= size; ++x) {
            const std::size_t cell = grid.index(x, y);
            const std::uint8_t content = grid[cell];
            if (content == kBlack) {
                blackScore += 1.0;
            } else if (content == kWhite) {
                whiteScore += 1.0;
            } else if (content == kEmpty) {
                unsigned touches = 0;
                const std::int32_t region = grid.fillRegion(cell, touches);
                if (touches == kTouchesBlack) {
                    blackScore += region;
                } else if (touches == kTouchesWhite) {
                    whiteScore += region;
                }
            }
        }
    }
}
