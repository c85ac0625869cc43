// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/BonusPlates.h"
#include "game/Civilian.h"
#include "game/ControlStates.h"
#include "game/Men.h"
#include "game/MessageBar.h"
#include "game/PlayField.h"
#include "scores/HighScores.h"
#include "scores/NameEntry.h"
#include "settings/GameSpeed.h"
#include "sound/MediaControl.h"
#include "sound/SoundPlayer.h"
#include "weapons/GaugeLevel.h"
#include "weapons/Guns.h"

#include <QObject>
#include <QPointF>
#include <QString>

#include <memory>

namespace kelvad {

namespace platform {
struct Platform;
class Timer;
}  // namespace platform

// The game: a thirty-second round of shooting at three men, between games the gun, the speed and the
// high-score table. It owns every piece of the play and its timers, takes what the player does, and says
// through signals, and through its parts' signals, everything the windows show; sounds, message boxes and
// waits go through the platform. It makes no window and reads no widget.
//
// The life of a game: ready, then playing on Start; when the clock runs out, the score message and the
// end-of-game windows (the name entry for a score that wins a place, then the table), whose OK brings the
// ready state back; a player may also leave a game for the ready state.
class Game final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(Game)

public:
    static constexpr int kTicksPerGame = 60;
    static constexpr int kFirstStageKills = 20;
    static constexpr int kSecondStageKills = 40;
    static constexpr int kFirstStageBonus = 20;
    static constexpr int kSecondStageBonus = 40;
    // The time bar after a click on the time-bonus square.
    static constexpr int kTimeBonusMax = 75;

    // Makes the game's timers, in the order their ties are broken; the platform must outlive the game.
    explicit Game(platform::Platform& platform);
    ~Game() override;

    // The parts of the game, whose signals say what they show.
    const MessageBar& messageBar() const { return m_messageBar; }
    const ControlStates& controls() const { return m_controls; }
    const Men& men() const { return m_men; }
    const Civilian& civilian() const { return m_civilian; }
    const BonusPlates& plates() const { return m_plates; }
    const Guns& guns() const { return m_guns; }
    const HighScores& highScores() const { return m_highScores; }
    const NameEntry& nameEntry() const { return m_nameEntry; }
    const GameSpeed& speed() const { return m_speed; }

    int score() const { return m_score; }
    int hitRate() const { return m_hitRate; }
    int shotCount() const { return m_shotCount; }
    int hitCount() const { return m_hitCount; }
    int killCount() const { return m_killCount; }
    // What the kill counter shows: between games it reads 0 while the count waits for the next start.
    int killCounter() const { return m_killCounter; }
    int stageBonus() const { return m_stageBonus; }
    // Ticks of the game clock still to play.
    int timeLeft() const { return m_timeLeft; }
    // The time bar steps by itself: after the time bonus it is longer than the game.
    const GaugeLevel& timeBar() const { return m_timeBar; }
    bool playing() const;
    bool mainWindowEnabled() const { return m_mainWindowEnabled; }
    bool highScoreTableOpen() const { return m_highScoreTableOpen; }
    bool speedWindowOpen() const { return m_speedWindowOpen; }
    FieldPoint pointer() const { return m_pointer; }

    // Once the windows listen: the game's ready state, with the high-score table read from its file.
    void load();

    // The main window's controls. A disabled control, or any while the main window is disabled, does nothing.
    void clickStart();
    void chooseStart();
    void choosePause();
    void chooseReturnToStart();
    void chooseHighScores();
    void chooseGameSpeed();
    void chooseGun(int gun);
    void chooseHelp();
    void chooseVersion();
    void clickTimeBonus();
    // Closing the main window, or its exit item: the program ends at once, in every state.
    void quit();

    // The play field, while a game lies open on it. A press on a man or the civilian counts only while he is
    // shown and takes presses; any other lands on the field. Places are in twips: on the field, or inside the
    // piece the pointer is over.
    void pressField(Qt::MouseButton button);
    void pressMan(int man, Qt::MouseButton button);
    void pressCivilian(Qt::MouseButton button);
    void clickPlate(int plate);
    void moveOverField(QPointF place);
    void moveOverMan(int man, QPointF place);
    void moveOverCivilian(QPointF place);

    // The name entry: the text in its box, a key pressed there (Enter confirms), and its OK or close control.
    void typeName(const QString& text);
    void pressKeyInName(Qt::Key key);
    void confirmName();
    // The high-score table: OK, the frame's close control, and the reset button.
    void confirmTable();
    void closeTableByFrame();
    void resetTable();
    // The speed window: where its slider stands, the player moving it, OK, and Cancel (or Escape or close).
    void setSpeedSliderPosition(int position);
    void followSpeedSlider();
    void confirmSpeed();
    void cancelSpeed();

signals:
    void scoreChanged(int score);
    void hitRateChanged(int percent);
    // The kill counter; between games it reads 0 while the count waits for the next start.
    void killCounterChanged(int kills);
    void timeBarChanged(const kelvad::GaugeLevel& level);
    // The play field's background picture, a file of the program directory.
    void backgroundChanged(const QString& path);
    // A frame of the shot mark drawn to the screen only, or of a man's fall drawn into the field's lasting
    // background, its top-left corner at a place in twips; a refresh shows the lasting background again.
    void shotMarkDrawn(int frame, QPointF place);
    void fallDrawn(int frame, QPointF place);
    void fieldRefreshed();
    void mainWindowEnabledChanged(bool enabled);
    // The main window comes back to the front.
    void mainWindowShown();
    void highScoreTableShownChanged(bool shown);
    void speedWindowShownChanged(bool shown);
    // The program is to end.
    void quitRequested();

private:
    QString programFile(const QString& name) const;
    bool fieldTakesPresses() const;
    void setPhase(Phase phase);
    void setMainWindowEnabled(bool enabled);
    void setScore(int score);
    void showKillCounter(int kills);
    void setTimeBarValue(int value);

    void start();
    void tick();
    void end();
    void stopPlay();
    void countKill();
    void pause();
    void returnToStart();

    bool refuseEmptyGun();
    bool fire();
    void updateHitRate();
    void drawShotMark();
    void hitMan(int man);
    void drawFall(const FieldPoint& place);
    void rescueCivilian();
    void shootCivilian();
    void requestReload();
    void completeReload();

    void openEndOfGameWindows();
    void showHighScoreTable(bool shown);
    void giveBackTheMainWindow();

    platform::Platform& m_platform;
    // Made in this order: the clock, the reload, the message bar, the men, the civilian, the plates.
    std::unique_ptr<platform::Timer> m_clock;
    std::unique_ptr<platform::Timer> m_reloadTimer;
    MessageBar m_messageBar;
    Men m_men;
    Civilian m_civilian;
    BonusPlates m_plates;
    ControlStates m_controls;
    Guns m_guns;
    HighScores m_highScores;
    NameEntry m_nameEntry;
    GameSpeed m_speed;
    sound::SoundPlayer m_sounds;
    sound::MediaControl m_tune;

    int m_timeLeft = 0;
    GaugeLevel m_timeBar;
    int m_score = 0;
    int m_hitRate = 0;
    int m_shotCount = 0;
    int m_hitCount = 0;
    int m_killCount = 0;
    int m_killCounter = 0;
    int m_stageBonus = 0;
    bool m_background2Shown = false;
    bool m_background3Shown = false;
    QString m_gunSoundFile;
    // The man pressed last: his image takes no press while a shot's mark is drawn.
    int m_pressedMan = 0;
    FieldPoint m_pointer;
    bool m_mainWindowEnabled = true;
    bool m_highScoreTableOpen = false;
    bool m_speedWindowOpen = false;
};

}  // namespace kelvad
