// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SpeedWindowTest.h"
#include "WindowTestMain.h"

KELVAD_TEST_MAIN(kelvad::SpeedWindowTest)
