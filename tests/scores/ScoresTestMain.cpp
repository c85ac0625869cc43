#include "Cp932Test.h"
#include "HighScoreFileTest.h"
#include "HighScoreFormatTest.h"
#include "HighScoreWindowTest.h"
#include "NameEntryTest.h"
#include "RankingTest.h"
#include "ScoreFileInGameTest.h"
#include "TestMain.h"

KELVAD_TEST_MAIN(kelvad::Cp932Test, kelvad::HighScoreFormatTest, kelvad::HighScoreFileTest,
                 kelvad::RankingTest, kelvad::NameEntryTest, kelvad::HighScoreWindowTest,
                 kelvad::ScoreFileInGameTest)
