// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QTemporaryDir>

#include <memory>

namespace kelvad {

// The FluidSynth side, rendered offline: a tune is heard without a sound card.
class MidiSynthTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void rendersTheTune();
    void waitsAtTheStartUntilPlayed();
    void pauseKeepsThePosition();
    void endsWithItsLastEvent();
    void playsAgainFromTheStart_data();
    void playsAgainFromTheStart();
    void gameTuneFitsItsVoices();
    void unloadSilences_data();
    void unloadSilences();
    void refusesWhatIsNoMidiFile();
    void damagedTuneIsSilentAndEnds();
    void missingOrDamagedSoundFont();
    // A tune rendered through a whole game is kept and played back in later games.
    void keepsTheTuneOfAWholeGame_data();
    void keepsTheTuneOfAWholeGame();

private:
    // Each test keeps its tunes in a cache folder of its own.
    std::unique_ptr<QTemporaryDir> m_cache;
};

// The sequencer's bookkeeping around a synthesizer that is made on another thread.
class TuneSequencerTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void tuneStartedWhileLoadingBeginsWhenReady();
    void tunePausedWhileLoadingWaits();
    void modeFollowsTheTune();
    void openingAnotherTuneClosesTheFirst();
    void filesThatAreNoTune();
    void pathsWithSpacesAndJapanese();
    void noSynthesizerMeansNoOutput();
};

}  // namespace kelvad
