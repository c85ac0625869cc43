// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HighScoreWindowTest.h"
#include "NameEntryTest.h"
#include "RankingTest.h"
#include "ScoreFileInGameTest.h"
#include "TestMain.h"

KELVAD_TEST_MAIN(kelvad::RankingTest, kelvad::NameEntryTest, kelvad::HighScoreWindowTest,
                 kelvad::ScoreFileInGameTest)
