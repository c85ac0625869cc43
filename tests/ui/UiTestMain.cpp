#include "DialogLayoutTest.h"
#include "SmallWindowTest.h"
#include "TestMain.h"

KELVAD_TEST_MAIN(kelvad::DialogLayoutTest, kelvad::SmallWindowTest)
