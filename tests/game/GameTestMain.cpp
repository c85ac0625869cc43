// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BonusPlateTest.h"
#include "CivilianTest.h"
#include "LifecycleTest.h"
#include "MenusTest.h"
#include "ReloadTest.h"
#include "ShotsTest.h"
#include "TargetsTest.h"
#include "TestMain.h"

KELVAD_GUILESS_TEST_MAIN(LifecycleTest, ShotsTest, TargetsTest, CivilianTest, BonusPlateTest, ReloadTest,
                         MenusTest)
