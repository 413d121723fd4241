#pragma once

#include "rules/GTPGoPoint.h"

#include <optional>

// GNU Go's dragon_status of one group; only a critical group has the points
// where it is killed and where it is saved (either may be a pass).
struct DragonStatus {
    enum class State { Alive, Critical, Dead, Unknown };

    State Status;
    std::optional<GTPGoPoint> Attack;
    std::optional<GTPGoPoint> Defence;

    bool operator==(const DragonStatus& other) const = default;
};
