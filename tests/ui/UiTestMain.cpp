// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DialogLayoutTest.h"
#include "GaugeTest.h"
#include "MainWindowLayoutTest.h"
#include "PictureBoxTest.h"
#include "SmallWindowTest.h"
#include "WindowTestMain.h"

KELVAD_TEST_MAIN(kelvad::DialogLayoutTest, kelvad::SmallWindowTest, MainWindowLayoutTest, PictureBoxTest,
                 kelvad::GaugeTest)
