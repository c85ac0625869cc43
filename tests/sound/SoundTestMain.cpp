#include "MediaControlTest.h"
#include "SoundPlayerTest.h"
#include "TestMain.h"

KELVAD_TEST_MAIN(kelvad::SoundPlayerTest, kelvad::MediaControlTest)
