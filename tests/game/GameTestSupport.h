#pragma once

#include "GameFixture.h"

#include <QAction>

// A random value that places a man (or the civilian, or a plate) at exactly this left or top in twips.
inline double leftAt(int twips) {
    return (twips + 0.5) / 3240.0;
}
inline double topAt(int twips) {
    return (twips + 0.5) / 2880.0;
}

// Ticks gun 1, 2 or 3 from its menu item, as the player does between games.
inline void chooseGun(kelvad::Form1& form, int gun) {
    QAction* items[] = {form.B11, form.B12, form.B13};
    items[gun - 1]->trigger();
}
