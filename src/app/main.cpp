// The game: makes the real platform and opens the main window.
#include "platform/Platform.h"
#include "platform/QtHelpViewer.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtScheduler.h"
#include "platform/QtSystem.h"
#include "platform/SoundDevice.h"
#include "ui/Fonts.h"
#include "ui/Form1.h"

#include <QApplication>

namespace {

// Until the sound engine is wired in, the game plays silently.
class SilentSoundDevice final : public kelvad::platform::SoundDevice {
public:
    bool hasWaveOutput() const override { return false; }
    void playWave(const QString&) override {}
    void playWaveToEnd(const QString&) override {}
    void stopWave() override {}
    bool hasMidiOutput() const override { return false; }
    bool openMidi(const QString&) override { return false; }
    bool playMidi(const QString&, bool) override { return false; }
    void pauseMidi(const QString&) override {}
    MidiMode midiMode(const QString&) const override { return MidiMode::NotOpen; }
    void closeMidi(const QString&) override {}
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kelvad"));
    QApplication::setApplicationDisplayName(QStringLiteral("ケルバド解消ゲーム"));
    kelvad::installFontSubstitutions();

    kelvad::platform::QtScheduler scheduler;
    kelvad::platform::QtMessageBoxes messageBoxes;
    kelvad::platform::QtBeeper beeper;
    kelvad::platform::ThreadSleeper sleeper;
    kelvad::platform::ClockRandomSource random;
    kelvad::platform::QtHelpViewer helpViewer;
    SilentSoundDevice soundDevice;
    kelvad::platform::Platform platform{
        scheduler, messageBoxes, beeper,     sleeper,
        random,    soundDevice,  helpViewer, QApplication::applicationDirPath()};

    kelvad::Form1 form(platform);
    form.show();
    return QApplication::exec();
}
