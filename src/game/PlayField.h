// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointF>

namespace kelvad {

namespace platform {
class RandomSource;
}

// A place on the play field, in twips from its top-left corner: where a piece stands, or the pointer. Kept
// as the whole numbers the game draws, in single precision, as the pointer's place adds a piece's to a point
// inside it.
struct FieldPoint {
    float left = 0;
    float top = 0;

    QPointF toPointF() const { return {left, top}; }
    friend bool operator==(const FieldPoint&, const FieldPoint&) = default;
};

// The men and the bonus plates by index, the same index everywhere: man 0 is the black man, 1 the blue, 2 the
// yellow; plate 0 is worth 50 points, 1 100, 2 150.
inline constexpr int kMen = 3;
inline constexpr int kPlates = 3;

// Whether a piece of the field shows and takes presses, and where it stands.
struct FieldPiece {
    bool shown = false;
    bool enabled = false;
    FieldPoint place;
};

// A random place on the play field, drawn left first: left below 3240 twips and top below 2880, so that a
// man stays inside the field. A plate may stick out on the right; that part is not shown.
FieldPoint randomPlace(platform::RandomSource& random);

}  // namespace kelvad
