// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/PlayField.h"

#include "platform/RandomSource.h"

#include <cmath>

namespace kelvad {

namespace {

constexpr double kLeftRange = 3240;
constexpr double kTopRange = 2880;

}  // namespace

FieldPoint randomPlace(platform::RandomSource& random) {
    FieldPoint place;
    place.left = static_cast<float>(std::floor(random.next() * kLeftRange));
    place.top = static_cast<float>(std::floor(random.next() * kTopRange));
    return place;
}

}  // namespace kelvad
