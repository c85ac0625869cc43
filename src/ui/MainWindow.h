// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>
#include <QPointF>
#include <QPointer>
#include <QStringList>

#include <array>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace kelvad {

class NameEntryWindow;
class HighScoreTableWindow;
class SpeedWindow;
class SmallWindow;
class ImageBox;
class PictureBox;
class Gauge;

// The main window: the play field, the title and legend panels, the status panel, the message bar, the Start
// button and the menus, and the three small windows it owns (name entry, high-score table, game speed). It
// shows what it is told through its slots and says through its signals what the player does; it keeps no
// state of the game. Each control keeps its design name as its object name (docs/object-names.md).
class MainWindow final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY(MainWindow)

public:
    // Builds the window with every control in its design state, the pictures from the program directory.
    explicit MainWindow(const QString& programDirectory);
    ~MainWindow() override;

    // The high-score table's window, for what belongs to it (a question about the table).
    QWidget* highScoreTableWindow();

public slots:
    void showMessage(const QString& text);
    void showKillCount(int kills);
    void showScore(int score);
    void showHitRate(int percent);
    void showTimeBar(int value, int max);
    void showTitlePanels(bool shown);
    void enableStartButton(bool enabled);
    // Start, high scores, and the options menu with the speed and the guns.
    void enableStartItems(bool enabled);
    // Time-out and back to the start.
    void enableGameItems(bool enabled);
    void enableTimeBonus(bool enabled);

    // The guns: the menu's tick, the display shown, and each display's content (gun 1: its eight bullets;
    // guns 2 and 3: a count and a gauge, its colour 0xRRGGBB).
    void tickGun(int gun);
    void showAmmoDisplay(int gun);
    void showBullet(int index, bool shown);
    void showAmmoCount(int gun, int count);
    void showAmmoGauge(int gun, int value, int max, quint32 barColor);

    // The pieces on the field by index (men 0 black, 1 blue, 2 yellow; plates 0 50, 1 100, 2 150); places
    // are in twips.
    void showMan(int man, bool shown);
    void enableMan(int man, bool enabled);
    void placeMan(int man, QPointF place);
    void showCivilian(bool shown);
    void enableCivilian(bool enabled);
    void placeCivilian(QPointF place);
    void showPlate(int plate, bool shown);
    void enablePlate(int plate, bool enabled);
    void placePlate(int plate, QPointF place);
    // The field's picture, read from a file.
    void showBackground(const QString& path);
    // A frame of the shot mark to the screen only, a frame of a fall into the field's lasting picture; a
    // refresh shows the lasting picture again.
    void drawShotMark(int frame, QPointF place);
    void drawFall(int frame, QPointF place);
    void refreshField();

    // The small windows.
    void openNameEntry(const QString& rankWord, const QString& offeredName);
    void closeNameEntry();
    void showHighScores(const QStringList& names, const QStringList& scores);
    void showHighScoreTable(bool shown);
    void showSpeedPosition(int position);
    void showStartScore(int startScore);
    void showSpeedWindow(bool shown);

signals:
    void startClicked();
    void startChosen();
    void pauseChosen();
    void returnToStartChosen();
    void highScoresChosen();
    void gameSpeedChosen();
    void gunChosen(int gun);
    void helpChosen();
    void versionChosen();
    void timeBonusClicked();
    // The window is closing: by its frame's close control, the exit item or the desktop.
    void closing();

    // The play field; places in twips, on the field or inside the piece.
    void fieldPressed(Qt::MouseButton button);
    void manPressed(int man, Qt::MouseButton button);
    void civilianPressed(Qt::MouseButton button);
    void plateClicked(int plate);
    void pointerMovedOverField(QPointF place);
    void pointerMovedOverMan(int man, QPointF place);
    void pointerMovedOverCivilian(QPointF place);

    // The small windows.
    void nameEdited(const QString& text);
    void keyPressedInName(Qt::Key key);
    void nameConfirmed();
    void tableConfirmed();
    void tableClosedByFrame();
    void tableResetAsked();
    void speedSliderMoved(int position);
    void speedSliderFollowed();
    void speedConfirmed();
    void speedCancelled();

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
    void forwardFieldInput();
    QImage designPicture(const QString& name) const;
    void bringOpenSmallWindowForward();
    // The small windows, each made on first use and then kept.
    NameEntryWindow& nameEntry();
    HighScoreTableWindow& highScoreTable();
    SpeedWindow& speedWindow();

    QString m_programDirectory;

    // The message bar over the play field, and the men hit in this game beside the caption "撃破数".
    QLabel* m_messageBar = nullptr;
    QLabel* m_killCountLabel = nullptr;
    // The small black square right of the kill counter: a click before a game lengthens the time bar.
    PictureBox* m_timeBonusSquare = nullptr;
    QPushButton* m_startButton = nullptr;
    PictureBox* m_playField = nullptr;
    // On the play field: the three men, the civilian and the three bonus plates.
    std::array<ImageBox*, 3> m_men{};
    ImageBox* m_civilian = nullptr;
    std::array<PictureBox*, 3> m_plates{};
    // The black panels over the play field (the title) and over the status panel (the legend) between games.
    PictureBox* m_titlePanel = nullptr;
    PictureBox* m_legendPanel = nullptr;
    // The status panel: the time bar, the score, the hit rate, and one ammunition display for each gun.
    PictureBox* m_timeBar = nullptr;
    QLabel* m_scoreLabel = nullptr;
    QLabel* m_hitRateLabel = nullptr;
    std::array<QFrame*, 3> m_ammoDisplays{};
    std::array<ImageBox*, 8> m_bullets{};
    // The count and the bar of the second and the third gun.
    std::array<QLabel*, 2> m_ammoCounts{};
    std::array<PictureBox*, 2> m_ammoBars{};
    // The picture stock below the visible area: the fall of a man and the shot mark, with their masks.
    std::array<PictureBox*, 3> m_fallFrames{};
    std::array<PictureBox*, 3> m_fallMasks{};
    std::array<PictureBox*, 4> m_shotMarkFrames{};
    std::array<PictureBox*, 4> m_shotMarkMasks{};

    // The menu items that follow the game, in the order of the menus.
    QAction* m_startAction = nullptr;
    QAction* m_pauseAction = nullptr;
    QAction* m_returnToStartAction = nullptr;
    QAction* m_highScoresAction = nullptr;
    QMenu* m_optionsMenu = nullptr;
    std::array<QAction*, 3> m_gunActions{};

    // The gauges that draw the remaining time and the bullets of the second and third gun into their bars.
    std::unique_ptr<Gauge> m_timeGauge;
    std::array<std::unique_ptr<Gauge>, 2> m_ammoGauges;

    // Owned as Qt children of this window.
    NameEntryWindow* m_nameEntryWindow = nullptr;
    HighScoreTableWindow* m_highScoreTableWindow = nullptr;
    SpeedWindow* m_speedWindow = nullptr;
    // This window's window on the screen, watched for presses while the window is disabled.
    QPointer<QWindow> m_watchedWindow;
};

}  // namespace kelvad
