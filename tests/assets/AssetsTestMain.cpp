// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GeneratorTest.h"
#include "PictureTest.h"
#include "SoundTest.h"
#include "SpriteTest.h"
#include "WindowTestMain.h"

KELVAD_TEST_MAIN(kelvad::PictureTest, kelvad::SpriteTest, kelvad::WaveTest, kelvad::TuneTest,
                 kelvad::HelpTest, kelvad::GeneratorTest)
