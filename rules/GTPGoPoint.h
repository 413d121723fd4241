#pragma once

#include <cstdint>
#include <functional>

// One intersection, 1-based: X is the column from the left, Y the row from
// the bottom. Any values are allowed; the board decides what lies on it.
class GTPGoPoint {
public:
    GTPGoPoint(std::int32_t x, std::int32_t y) : m_X(x), m_Y(y) {}

    std::int32_t X() const { return m_X; }
    void setX(std::int32_t v) { m_X = v; }
    std::int32_t Y() const { return m_Y; }
    void setY(std::int32_t v) { m_Y = v; }

    GTPGoPoint getGoPointAbove() const { return {m_X, m_Y + 1}; }
    GTPGoPoint getGoPointUnder() const { return {m_X, m_Y - 1}; }
    GTPGoPoint getGoPointLeft() const { return {m_X - 1, m_Y}; }
    GTPGoPoint getGoPointRight() const { return {m_X + 1, m_Y}; }

    bool operator==(const GTPGoPoint& other) const = default;
    // X * 1000 + Y: unique for rows 0..999.
    std::int64_t hash() const { return static_cast<std::int32_t>(static_cast<std::uint32_t>(m_X) * 1000u + static_cast<std::uint32_t>(m_Y)); }

private:
    std::int32_t m_X;
    std::int32_t m_Y;
};

template <>
struct std::hash<GTPGoPoint> {
    std::size_t operator()(const GTPGoPoint& point) const noexcept { return static_cast<std::size_t>(point.hash()); }
};
