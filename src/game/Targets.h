#pragma once

#include <array>
#include <utility>

namespace kelvad {

class Form1;
class ImageBox;

// The three men: man 1 black, man 2 blue, man 3 yellow. The faster a man jumps, the more he is worth.
struct Man {
    int points;
    // What a hit adds to the bonus meter.
    int bonusCharge;
};
inline constexpr std::array<Man, 3> kMen{{{10, 1}, {20, 3}, {30, 5}}};

// Random places inside the play field: left below 3240 twips, top below 2880, so a man stays inside.
inline constexpr double kFieldLeftRange = 3240;
inline constexpr double kFieldTopRange = 2880;
inline constexpr int kKnockDownFrameMs = 20;

ImageBox* manImage(Form1& form, int k);
// Where man k was last placed, in twips.
std::pair<float, float> manPosition(int k);

// A tick of man k's timer: he jumps to a random place.
void MoveMan(Form1& form, int k);
// A fired shot on man k: scored, counted as a kill and a hit, and the bonus meter charged.
void HitMan(Form1& form, int k);
// Scores man k and takes him off the field, his fall painted where he stood.
void ScoreHit(Form1& form, int k);
// The fall of a man painted into the field's lasting background at (left, top) twips.
void KnockDownAnimation(Form1& form, float left, float top);

}  // namespace kelvad
