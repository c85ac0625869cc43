// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Platform.h"
#include "platform/Timer.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QWindow;

namespace kelvad {

namespace sound {
class MediaControl;
class SoundPlayer;
}  // namespace sound

class NameEntryWindow;
class HighScoreTableWindow;
class SpeedWindow;
class ImageBox;
class PictureBox;
class Gauge;

// The main window: the play field, the title and legend panels, the status panel, the message bar, the Start
// button and the menus. It holds its controls and knows nothing of the game: what happens to it is told by
// its controls and the signals below, which the game's wiring connects to the game's operations. The game's
// variables are not here but in the GameState the operations are handed with the window.
class MainWindow final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY(MainWindow)

public:
    // Builds the window with every control in its design state; the game's load has not run yet.
    explicit MainWindow(platform::Platform& platform);
    ~MainWindow() override;

    platform::Platform& platform() { return m_platform; }
    // The full path of one of the game's files ("\Haitei1.bmp").
    QString programFile(const QString& name) const;

    // The name entry, the high-score table and the game speed: each created on first use, then kept.
    // Creating one emits its signal below.
    NameEntryWindow& nameEntryWindow();
    HighScoreTableWindow& highScoreTableWindow();
    SpeedWindow& speedWindow();

    // The controls the game changes. Each keeps its design name as its object name (docs/object-names.md);
    // the captions that never change have no member.
    // The message bar over the play field; a text put there by the game vanishes when the message timer
    // ticks.
    QLabel* messageBar = nullptr;
    // The men hit in this game, beside the caption "撃破数".
    QLabel* killCountLabel = nullptr;
    // The small black square right of the kill counter: a click before a game lengthens the time bar.
    PictureBox* timeBonusSquare = nullptr;
    QPushButton* startButton = nullptr;
    PictureBox* playField = nullptr;
    // On the play field: the black, the blue and the yellow man, the civilian, and the bonus plates worth 50,
    // 100 and 150 points.
    std::array<ImageBox*, 3> men{};
    ImageBox* civilian = nullptr;
    std::array<PictureBox*, 3> plates{};
    // The black panels that lie over the play field (the title) and over the status panel (the legend of the
    // men) between games.
    PictureBox* titlePanel = nullptr;
    PictureBox* legendPanel = nullptr;
    // The status panel: the time bar, the score, the hit rate, and one ammunition display for each gun, of
    // which only the chosen gun's shows.
    PictureBox* timeBar = nullptr;
    QLabel* scoreLabel = nullptr;
    QLabel* hitRateLabel = nullptr;
    std::array<QFrame*, 3> ammoDisplays{};
    // The first gun's eight bullets.
    std::array<ImageBox*, 8> bullets{};
    // The second and the third gun show their bullets left as a count and a bar.
    QLabel* subMachineGunCount = nullptr;
    PictureBox* subMachineGunBar = nullptr;
    QLabel* jackGunCount = nullptr;
    PictureBox* jackGunBar = nullptr;

    // The picture stock below the visible area: the fall of a man and the shot mark, with their masks.
    std::array<PictureBox*, 3> fallFrames{};
    std::array<PictureBox*, 3> fallMasks{};
    std::array<PictureBox*, 4> shotMarkFrames{};
    std::array<PictureBox*, 4> shotMarkMasks{};

    // The menu items the game follows or changes, in the order of the menus.
    // The game menu: start, time-out, back to the ready state, the high-score table, exit.
    QAction* startAction = nullptr;
    QAction* pauseAction = nullptr;
    QAction* returnToStartAction = nullptr;
    QAction* highScoresAction = nullptr;
    QAction* exitAction = nullptr;
    // The options menu: the game speed and the gun submenu, whose tick marks are the only record of the gun.
    QMenu* optionsMenu = nullptr;
    QAction* gameSpeedAction = nullptr;
    std::array<QAction*, 3> gunActions{};
    // The help menu: the help and the version message.
    QAction* helpAction = nullptr;
    QAction* versionAction = nullptr;

    // Timers, in their design states: every moving thing of the game follows one.
    // The game clock: a tick every 500 ms while a game runs.
    std::unique_ptr<platform::Timer> gameClock;
    // Ends a reload; its interval is the gun's reload time.
    std::unique_ptr<platform::Timer> reloadTimer;
    // Empties the message bar 1.5 s after a text was put there.
    std::unique_ptr<platform::Timer> messageTimer;
    // Move the black, the blue and the yellow man, each at the rhythm the game speed gives him.
    std::array<std::unique_ptr<platform::Timer>, 3> manJumpTimers;
    // Bring the civilian every 10 s, and take him away 1.5 s later.
    std::unique_ptr<platform::Timer> civilianArrivalTimer;
    std::unique_ptr<platform::Timer> civilianDepartureTimer;
    // Takes the bonus plates away 3 s after one showed up.
    std::unique_ptr<platform::Timer> plateTimer;

    // The media control that plays the background tune; made and owned by the game's wiring.
    sound::MediaControl* tune = nullptr;

    // The gauges that draw the remaining time and the bullets of the second and third gun into their bars.
    std::unique_ptr<Gauge> timeGauge;
    std::unique_ptr<Gauge> ammoGauge2;
    std::unique_ptr<Gauge> ammoGauge3;
    // Plays every wave sound; made and owned by the game's wiring.
    sound::SoundPlayer* soundPlayer = nullptr;

signals:
    // The window is closing: by its frame's close control, the exit item or the desktop.
    void closing();
    // A small window has just been made, on its first use; it is still hidden.
    void nameEntryWindowCreated(kelvad::NameEntryWindow* created);
    void highScoreTableWindowCreated(kelvad::HighScoreTableWindow* created);
    void speedWindowCreated(kelvad::SpeedWindow* created);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void buildMessageBar();
    void buildPlayField();
    void buildTitlePanel();
    void buildLegendPanel();
    void buildStatusPanel();
    void buildPictureStock();
    void buildMenus();
    void buildTimers();
    QImage designPicture(const QString& name) const;
    void bringOpenSmallWindowForward();

    platform::Platform& m_platform;
    // Owned as Qt children of this window.
    NameEntryWindow* m_nameEntryWindow = nullptr;
    HighScoreTableWindow* m_highScoreTableWindow = nullptr;
    SpeedWindow* m_speedWindow = nullptr;
    // This window's window on the screen, watched for presses while the window is disabled.
    QPointer<QWindow> m_watchedWindow;
};

}  // namespace kelvad
