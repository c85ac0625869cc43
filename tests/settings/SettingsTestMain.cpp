#include "SpeedDialogTest.h"
#include "TestMain.h"

KELVAD_TEST_MAIN(SpeedDialogTest)
