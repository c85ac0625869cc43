#include "ClsSoundTest.h"
#include "MediaControlTest.h"
#include "MidiSynthTest.h"
#include "ServerStreamTest.h"
#include "SoundDeviceTest.h"
#include "TestMain.h"
#include "WaveFileTest.h"

KELVAD_TEST_MAIN(kelvad::ClsSoundTest, kelvad::MediaControlTest, kelvad::WaveFileTest, kelvad::WavePlayerTest,
                 kelvad::MidiSynthTest, kelvad::TuneSequencerTest, kelvad::SoundDeviceTest,
                 kelvad::ServerStreamTest)
