#include "SpeedTableTest.h"
#include "TestMain.h"

KELVAD_GUILESS_TEST_MAIN(SpeedTableTest)
