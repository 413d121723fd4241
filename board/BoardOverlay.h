#pragma once

#include "rules/GTPGoPoint.h"

#include <QColor>
#include <QString>

#include <vector>

// What a class beside the board screen draws over the board, in rules points:
// labelled discs (a hint), small squares (who owns a point) and frames around
// an intersection (a point to look at). The board knows nothing of what they
// mean; each class draws on a layer of its own, the later layers on top.
struct BoardOverlay {
    enum class Layer { Coach, Cursor };

    struct Disc {
        GTPGoPoint Point;
        QString Label;
        QColor Color;
        bool operator==(const Disc&) const = default;
    };
    struct Square {
        GTPGoPoint Point;
        QColor Color;
        bool operator==(const Square&) const = default;
    };
    struct Frame {
        GTPGoPoint Point;
        QColor Color;
        bool operator==(const Frame&) const = default;
    };

    std::vector<Disc> Discs;
    std::vector<Square> Squares;
    std::vector<Frame> Frames;

    bool isEmpty() const { return Discs.empty() && Squares.empty() && Frames.empty(); }
    bool operator==(const BoardOverlay&) const = default;
};
