#include "ClsSoundTest.h"
#include "MediaControlTest.h"
#include "MidiSynthTest.h"
#include "MixerTest.h"
#include "ServerStreamTest.h"
#include "SoundDeviceTest.h"
#include "TestMain.h"
#include "WaveFileTest.h"

KELVAD_TEST_MAIN(kelvad::ClsSoundTest, kelvad::MediaControlTest, kelvad::WaveFileTest, kelvad::WavePlayerTest,
                 kelvad::MidiSynthTest, kelvad::MixerTest, kelvad::TuneSequencerTest, kelvad::SoundDeviceTest,
                 kelvad::ServerStreamTest)
