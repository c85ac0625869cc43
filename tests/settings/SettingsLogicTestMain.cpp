// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameSpeedTest.h"
#include "TestMain.h"

KELVAD_GUILESS_TEST_MAIN(kelvad::GameSpeedTest)
