#pragma once

#include "GTPGoColor.h"
#include "GTPGoPoint.h"

#include <optional>

// A colour with either a point or a pass.
class GTPGoMove {
public:
    GTPGoMove(GTPGoColor color, std::optional<GTPGoPoint> point, bool isPass)
        : m_Color(color), m_Point(point), m_IsPass(isPass) {}

    static GTPGoMove stone(GTPGoColor color, GTPGoPoint point) { return {color, point, false}; }
    static GTPGoMove pass(GTPGoColor color) { return {color, std::nullopt, true}; }

    GTPGoColor Color() const { return m_Color; }
    void setColor(GTPGoColor v) { m_Color = v; }
    const std::optional<GTPGoPoint>& Point() const { return m_Point; }
    void setPoint(std::optional<GTPGoPoint> v) { m_Point = v; }
    bool IsPass() const { return m_IsPass; }
    void setIsPass(bool v) { m_IsPass = v; }

    bool operator==(const GTPGoMove& other) const = default;

private:
    GTPGoColor m_Color;
    std::optional<GTPGoPoint> m_Point;
    bool m_IsPass;
};
