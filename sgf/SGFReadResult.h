#pragma once

#include "SGFGameRecord.h"
#include "SGFReadError.h"

#include <optional>

// Either the record read or, when there is none, the reason.
struct SGFReadResult {
    std::optional<SGFGameRecord> Record;
    SGFReadError Error;
};
