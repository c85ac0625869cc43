// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Cp932Test.h"
#include "HighScoreFileTest.h"
#include "HighScoreFormatTest.h"
#include "HighScoreTableTest.h"
#include "NameEntryTest.h"
#include "TestMain.h"

KELVAD_GUILESS_TEST_MAIN(kelvad::Cp932Test, kelvad::HighScoreFormatTest, kelvad::HighScoreFileTest,
                         kelvad::NameEntryTest, kelvad::HighScoreTableTest)
