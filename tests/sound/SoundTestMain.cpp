// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MediaControlTest.h"
#include "SoundPlayerTest.h"
#include "TestMain.h"

KELVAD_GUILESS_TEST_MAIN(kelvad::SoundPlayerTest, kelvad::MediaControlTest)
