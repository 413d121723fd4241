#pragma once

#include <cstdint>
#include <functional>

// The view's point: board indices, 0-based, X from the left, Y from the bottom.
// (-1, -1) marks nothing; a marker with X or Y of -1 is not drawn.
class GoBoardPoint {
public:
    GoBoardPoint(std::int32_t x, std::int32_t y) : m_X(x), m_Y(y) {}
    static GoBoardPoint empty() { return {-1, -1}; }

    std::int32_t X() const { return m_X; }
    void setX(std::int32_t v) { m_X = v; }
    std::int32_t Y() const { return m_Y; }
    void setY(std::int32_t v) { m_Y = v; }
    bool marksNothing() const { return m_X == -1 || m_Y == -1; }

    bool operator==(const GoBoardPoint& other) const = default;
    std::int64_t hash() const { return static_cast<std::int32_t>(static_cast<std::uint32_t>(m_X) * 1000u + static_cast<std::uint32_t>(m_Y)); }

private:
    std::int32_t m_X;
    std::int32_t m_Y;
};

template <>
struct std::hash<GoBoardPoint> {
    std::size_t operator()(const GoBoardPoint& point) const noexcept { return static_cast<std::size_t>(point.hash()); }
};
