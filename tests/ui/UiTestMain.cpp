#include "DialogLayoutTest.h"
#include "Form1LayoutTest.h"
#include "PictureBoxTest.h"
#include "ProgressBarTest.h"
#include "SmallWindowTest.h"
#include "TestMain.h"

KELVAD_TEST_MAIN(kelvad::DialogLayoutTest, kelvad::SmallWindowTest, Form1LayoutTest, PictureBoxTest,
                 kelvad::ProgressBarTest)
