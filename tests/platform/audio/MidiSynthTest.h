#pragma once

#include <QObject>

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
