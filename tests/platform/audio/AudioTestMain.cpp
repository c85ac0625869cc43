// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MidiSynthTest.h"
#include "MixerTest.h"
#include "RetryGateTest.h"
#include "ServerStreamTest.h"
#include "SoundDeviceTest.h"
#include "TestMain.h"
#include "WaveFileTest.h"

KELVAD_GUILESS_TEST_MAIN(kelvad::WaveFileTest, kelvad::WavePlayerTest, kelvad::MidiSynthTest,
                         kelvad::MixerTest, kelvad::RetryGateTest, kelvad::TuneSequencerTest,
                         kelvad::SoundDeviceTest, kelvad::ServerStreamTest)
