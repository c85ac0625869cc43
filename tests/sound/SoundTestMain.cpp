#include "ClsSoundTest.h"
#include "MediaControlTest.h"
#include "TestMain.h"

KELVAD_TEST_MAIN(kelvad::ClsSoundTest, kelvad::MediaControlTest)
