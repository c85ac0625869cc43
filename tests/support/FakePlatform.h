// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RecordingSoundDevice.h"
#include "VirtualScheduler.h"
#include "platform/Beeper.h"
#include "platform/HelpViewer.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/RandomSource.h"
#include "platform/Sleeper.h"

#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <vector>

namespace kelvad::testing {

// One message box as the game showed it.
struct ShownBox {
    // The window the box belongs to.
    platform::BoxOwner owner;
    QString title;
    QString text;
    platform::MessageButtons buttons;
    platform::MessageIcon icon;
};

// Answers message boxes from a script and records every box shown. An answer may run an action first
// (time passing while the box is open, say). Without a scripted answer a box gets its first button.
class ScriptedMessageBoxes final : public platform::MessageBoxes {
public:
    void answer(platform::MessageAnswer answer, std::function<void()> whileOpen = {});
    platform::MessageAnswer show(platform::BoxOwner owner, const QString& title, const QString& text,
                                 platform::MessageButtons buttons, platform::MessageIcon icon) override;

    std::vector<ShownBox> shown;
    // Runs once each box is recorded, before it is answered.
    std::function<void()> afterCall;

private:
    struct Scripted {
        platform::MessageAnswer answer;
        std::function<void()> whileOpen;
    };
    std::deque<Scripted> m_script;
};

class CountingBeeper final : public platform::Beeper {
public:
    void beep() override {
        ++beeps;
        if (afterCall) {
            afterCall();
        }
    }
    int beeps = 0;
    std::function<void()> afterCall;
};

// A blocking wait lets virtual time pass without ticks, as the real one holds the event loop. A test can hook
// into each wait to act while an animation is on screen.
class VirtualSleeper final : public platform::Sleeper {
public:
    explicit VirtualSleeper(VirtualScheduler& scheduler) : m_scheduler(scheduler) {}
    void wait(int ms) override;

    std::vector<int> waits;
    std::function<void()> duringWait;
    // Runs once each wait is recorded, before the time passes.
    std::function<void()> afterCall;

private:
    VirtualScheduler& m_scheduler;
};

// Scripted random values; when the script runs out, a fixed sequence spread over [0, 1) goes on.
class ScriptedRandom final : public platform::RandomSource {
public:
    void script(std::initializer_list<double> values) { m_values.insert(m_values.end(), values); }
    void reseedFromClock() override { ++reseeds; }
    double next() override;

    int reseeds = 0;
    int drawn = 0;

private:
    std::deque<double> m_values;
    unsigned m_fallback = 0;
};

class RecordingHelpViewer final : public platform::HelpViewer {
public:
    std::optional<QString> showContents(const QString& helpFile) override;
    QStringList opened;
    std::optional<QString> error;
    std::function<void()> afterCall;
};

// Every fake together, with a fresh temporary program directory.
class TestPlatform {
public:
    TestPlatform();

    platform::Platform& platform() { return m_platform; }
    QString programDirectory() const { return m_directory.path(); }
    // Copies a file of the built program directory (a picture, a sound) into the test's program directory.
    bool copyGameFile(const QString& relativePath) const;
    // Copies the whole built program directory but the executable and any high-score file.
    bool copyGameFiles() const;

    VirtualScheduler scheduler;
    ScriptedMessageBoxes messageBoxes;
    CountingBeeper beeper;
    VirtualSleeper sleeper{scheduler};
    ScriptedRandom random;
    RecordingSoundDevice soundDevice;
    RecordingHelpViewer helpViewer;

private:
    QTemporaryDir m_directory;
    platform::Platform m_platform;
};

// The built program directory (pictures, sounds), from the environment CTest sets.
QString builtProgramDirectory();

}  // namespace kelvad::testing
