#include "ProgressBarTest.h"
#include "TestMain.h"

KELVAD_TEST_MAIN(kelvad::ProgressBarTest)
