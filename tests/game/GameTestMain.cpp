#include "LifecycleTest.h"
#include "ShotsTest.h"
#include "TargetsTest.h"
#include "TestMain.h"

KELVAD_TEST_MAIN(LifecycleTest, ShotsTest, TargetsTest)
