// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SpeedDialogTest.h"
#include "TestMain.h"

KELVAD_TEST_MAIN(SpeedDialogTest)
