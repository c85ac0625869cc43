#pragma once

#include <cstdint>
#include <optional>

namespace kelvad {

class Form1;

// One row of the speed table: the score a game starts with and the jump intervals of the three men.
struct SpeedRow {
    std::int32_t startScore;
    std::int32_t manInterval1;
    std::int32_t manInterval2;
    std::int32_t manInterval3;
};

inline constexpr int kSlowestSpeed = 0;
inline constexpr int kNormalSpeed = 5;
inline constexpr int kFastestSpeed = 10;

// The row of a speed position; none outside 0..10. Slow games start in debt, fast ones with a credit.
constexpr std::optional<SpeedRow> speedRow(int position) {
    if (position < kSlowestSpeed || position > kFastestSpeed) {
        return std::nullopt;
    }
    return SpeedRow{50 * position - 250, 3000 - 100 * position, 2000 - 100 * position, 1000 - 50 * position};
}

// Sets the start score and the men's intervals from row p; a position outside the table changes nothing.
void ApplySpeedTable(int p);
// At every start: the row of the speed slider's current position.
void ApplySpeed(Form1& form);

}  // namespace kelvad
