// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Game.h"

#include "platform/Beeper.h"
#include "platform/HelpViewer.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/Sleeper.h"
#include "platform/Timer.h"
#include "scores/Ranking.h"
#include "scores/UnsavedTable.h"

#include <QCoreApplication>

#include <cmath>

namespace kelvad {

namespace {

constexpr int kClockTickMs = 500;
constexpr int kShotMarkFrames = 4;
constexpr int kShotMarkFrameMs = 15;
// The mark's frames are 600 twips square, drawn 280 twips up and left of the pointer.
constexpr float kShotMarkOffset = 280;
constexpr int kFallFrames = 3;
constexpr int kFallFrameMs = 20;

QString gameTitle() {
    return QCoreApplication::translate("MessageBox", "ケルバド解消ゲーム");
}

}  // namespace

Game::Game(platform::Platform& platform)
    : m_platform(platform),
      m_clock(platform.scheduler.createTimer(false, kClockTickMs)),
      // On with no interval: a reload starts by giving it the gun's reload time.
      m_reloadTimer(platform.scheduler.createTimer(true, 0)),
      m_messageBar(platform.scheduler),
      m_men(platform.scheduler, platform.random),
      m_civilian(platform.scheduler, platform.random),
      m_plates(platform.scheduler, platform.random),
      m_highScores(platform.scoreDirectory),
      m_sounds(platform.soundDevice),
      m_tune(platform.soundDevice) {
    m_clock->setTickHandler([this] { tick(); });
    m_reloadTimer->setTickHandler([this] { completeReload(); });
}

Game::~Game() = default;

QString Game::programFile(const QString& name) const {
    return platform::programFile(m_platform.programDirectory, name);
}

bool Game::playing() const {
    return !m_controls.titlePanelsShown();
}

// Between games the title panel lies over the field, and nothing reaches it.
bool Game::fieldTakesPresses() const {
    return m_mainWindowEnabled && !m_controls.titlePanelsShown();
}

void Game::load() {
    m_killCount = 0;
    showKillCounter(m_killCount);
    m_stageBonus = 0;
    setPhase(Phase::Ready);
    m_background3Shown = false;
    m_timeBar.setMax(kTicksPerGame);
    emit timeBarChanged(m_timeBar);
    m_guns.tickFirst();
    m_highScores.load();
}

void Game::setPhase(Phase phase) {
    m_controls.setPhase(phase);
    if (phase == Phase::Ready) {
        showKillCounter(0);
    }
}

void Game::setMainWindowEnabled(bool enabled) {
    m_mainWindowEnabled = enabled;
    emit mainWindowEnabledChanged(enabled);
}

void Game::showKillCounter(int kills) {
    m_killCounter = kills;
    emit killCounterChanged(kills);
}

void Game::setScore(int score) {
    m_score = score;
    emit scoreChanged(m_score);
}

void Game::setTimeBarValue(int value) {
    m_timeBar.setValue(value);
    emit timeBarChanged(m_timeBar);
}

// --- The main window's controls ---

void Game::clickStart() {
    if (m_mainWindowEnabled && m_controls.startButtonEnabled()) {
        start();
    }
}

void Game::chooseStart() {
    if (m_mainWindowEnabled && m_controls.startItemsEnabled()) {
        start();
    }
}

void Game::choosePause() {
    if (m_mainWindowEnabled && m_controls.gameItemsEnabled()) {
        pause();
    }
}

void Game::chooseReturnToStart() {
    if (m_mainWindowEnabled && m_controls.gameItemsEnabled()) {
        returnToStart();
    }
}

void Game::chooseHighScores() {
    if (!m_mainWindowEnabled || !m_controls.startItemsEnabled()) {
        return;
    }
    showHighScoreTable(true);
    setMainWindowEnabled(false);
    m_highScores.reread();
}

void Game::chooseGameSpeed() {
    if (!m_mainWindowEnabled || !m_controls.startItemsEnabled()) {
        return;
    }
    m_speed.open();
    setMainWindowEnabled(false);
    m_speedWindowOpen = true;
    emit speedWindowShownChanged(true);
}

void Game::chooseGun(int gun) {
    if (m_mainWindowEnabled && m_controls.startItemsEnabled()) {
        m_guns.choose(gun);
    }
}

void Game::chooseHelp() {
    if (!m_mainWindowEnabled) {
        return;
    }
    // Each language has a help page of its own, which its translation names.
    const QString helpFile = programFile(u'\\' + QCoreApplication::translate("HelpViewer", "Kelvad.Hlp"));
    if (const std::optional<QString> error = m_platform.helpViewer.showContents(helpFile)) {
        m_platform.messageBoxes.show(platform::BoxOwner::MainWindow, gameTitle(), *error,
                                     platform::MessageButtons::Ok, platform::MessageIcon::None);
    }
}

void Game::chooseVersion() {
    if (!m_mainWindowEnabled) {
        return;
    }
    m_platform.messageBoxes.show(platform::BoxOwner::MainWindow,
                                 QCoreApplication::translate("MessageBox", "バージョン情報"),
                                 QCoreApplication::translate("MessageBox", "ケルバド解消ゲーム　Ver1.51"),
                                 platform::MessageButtons::Ok, platform::MessageIcon::None);
}

void Game::clickTimeBonus() {
    // The bar grows while a game still lasts 60 ticks; it stays so for the rest of the run.
    if (!m_mainWindowEnabled || !m_controls.timeBonusEnabled()) {
        return;
    }
    m_platform.beeper.beep();
    m_timeBar.setMax(kTimeBonusMax);
    emit timeBarChanged(m_timeBar);
}

void Game::quit() {
    // A name being entered is stored as its OK stores it; every other change of the table is in the file
    // already. The program is ending: a box about a failed write would hold it up, with no later chance.
    if (m_nameEntry.pending()) {
        m_highScores.enter(m_nameEntry.close(), m_score);
    }
    emit quitRequested();
}

// --- A game's life ---

void Game::start() {
    m_score = 0;
    m_plates.emptyMeter();
    m_hitRate = 0;
    m_timeLeft = kTicksPerGame;
    m_killCount = 0;
    showKillCounter(m_killCount);
    // The game begins with the start score applied before it; the speed below sets the next game's.
    setScore(m_speed.startScore());
    m_background2Shown = false;
    m_background3Shown = false;
    m_speed.applySlider();
    m_civilian.hide();
    m_tune.setFileName(programFile(QStringLiteral("\\Battle.Mid")));
    m_tune.setCommand(QStringLiteral("Open"));
    m_tune.setCommand(QStringLiteral("Play"));
    m_gunSoundFile = m_guns.current().soundFile.toString();
    m_guns.loadMagazine();
    m_men.setJumpIntervals(m_speed.manIntervals());
    m_civilian.startComing();
    emit scoreChanged(m_score);
    setTimeBarValue(m_timeBar.max);
    m_timeLeft = kTicksPerGame;
    m_clock->setEnabled(true);
    m_hitRate = 0;
    m_shotCount = 0;
    m_hitCount = 0;
    emit hitRateChanged(m_hitRate);
    setPhase(Phase::Playing);
    emit backgroundChanged(programFile(QStringLiteral("\\Haitei1.bmp")));
    m_stageBonus = 0;
    showKillCounter(0);
}

void Game::tick() {
    if (m_timeLeft <= 0) {
        end();
        return;
    }
    m_timeLeft -= 1;
    setTimeBarValue(m_timeBar.value - 1);
}

void Game::end() {
    stopPlay();
    setPhase(Phase::GameOver);
    m_platform.messageBoxes.show(
        platform::BoxOwner::MainWindow, gameTitle(),
        QCoreApplication::translate("MessageBox", "あなたの得点は%1点です！").arg(m_score),
        platform::MessageButtons::Ok, platform::MessageIcon::None);
    openEndOfGameWindows();
}

// The reload, the message bar and the plates each finish their pending tick on their own.
void Game::stopPlay() {
    m_tune.setCommand(QStringLiteral("Close"));
    for (int man = 0; man < kMen; ++man) {
        m_men.setEnabled(man, false);
        m_men.setShown(man, false);
    }
    m_clock->setEnabled(false);
    m_plates.clearField();
    m_men.setJumpIntervals({0, 0, 0});
    m_civilian.stopComing();
}

// After each hit has been scored: the hit that reaches a new stage still scores with the old bonus. A new
// background also wipes the fallen men painted on the field.
void Game::countKill() {
    m_killCount += 1;
    showKillCounter(m_killCount);
    if (m_killCount > kFirstStageKills && !m_background2Shown) {
        emit backgroundChanged(programFile(QStringLiteral("\\HAITEI2.BMP")));
        m_stageBonus = kFirstStageBonus;
        m_background2Shown = true;
    }
    if (m_killCount > kSecondStageKills && !m_background3Shown) {
        emit backgroundChanged(programFile(QStringLiteral("\\HAITEI3.BMP")));
        m_stageBonus = kSecondStageBonus;
        m_background3Shown = true;
    }
}

void Game::pause() {
    m_tune.setCommand(QStringLiteral("Pause"));
    {
        // A time-out holds the game: the clock, the men and every other timer wait for the box to close.
        platform::TimerHold hold(m_platform.scheduler);
        m_platform.messageBoxes.show(
            platform::BoxOwner::MainWindow, gameTitle(),
            QCoreApplication::translate("MessageBox",
                                        "タイム中です。再会するには、ボタンをクリックしてください。"),
            platform::MessageButtons::Ok, platform::MessageIcon::None);
    }
    m_tune.setCommand(QStringLiteral("Play"));
}

void Game::returnToStart() {
    m_tune.setCommand(QStringLiteral("Pause"));
    platform::MessageAnswer answer;
    {
        // The game holds while the question is open, as in a time-out.
        platform::TimerHold hold(m_platform.scheduler);
        answer = m_platform.messageBoxes.show(
            platform::BoxOwner::MainWindow, QCoreApplication::translate("MessageBox", "確認"),
            QCoreApplication::translate("MessageBox", "起動した状態に戻しますか？"),
            platform::MessageButtons::YesNo, platform::MessageIcon::Question);
    }
    if (answer != platform::MessageAnswer::Yes) {
        m_tune.setCommand(QStringLiteral("Play"));
        return;
    }
    stopPlay();
    setPhase(Phase::Ready);
}

// --- Shots ---

void Game::pressField(Qt::MouseButton button) {
    if (!fieldTakesPresses()) {
        return;
    }
    // The right button alone reloads; any other fires, and on the field misses.
    if (button == Qt::RightButton) {
        requestReload();
        return;
    }
    fire();
}

void Game::pressMan(int man, Qt::MouseButton button) {
    const FieldPiece& pressed = m_men.man(man);
    if (man < 0 || man >= kMen || !pressed.shown || !pressed.enabled) {
        pressField(button);
        return;
    }
    if (!fieldTakesPresses()) {
        return;
    }
    m_pressedMan = man;
    if (button == Qt::RightButton) {
        requestReload();
        return;
    }
    if (fire()) {
        hitMan(man);
    }
}

void Game::moveOverField(QPointF place) {
    m_pointer = {static_cast<float>(place.x()), static_cast<float>(place.y())};
}

void Game::moveOverMan(int man, QPointF place) {
    const FieldPoint& stands = m_men.man(man).place;
    m_pointer = {static_cast<float>(place.x()) + stands.left, static_cast<float>(place.y()) + stands.top};
}

void Game::moveOverCivilian(QPointF place) {
    const FieldPoint& stands = m_civilian.piece().place;
    m_pointer = {static_cast<float>(place.x()) + stands.left, static_cast<float>(place.y()) + stands.top};
}

// A press that would fire with an empty gun: a beep and "弾がありません！" until the message bar clears.
bool Game::refuseEmptyGun() {
    if (m_guns.ammoLeft() != 0) {
        return false;
    }
    m_platform.beeper.beep();
    m_messageBar.setText(QCoreApplication::translate("MessageBar", "弾がありません！"));
    m_messageBar.clearSoon();
    return true;
}

bool Game::fire() {
    if (refuseEmptyGun()) {
        return false;
    }
    m_sounds.playWave(programFile(m_gunSoundFile));
    m_plates.bringUpIfCharged();
    m_shotCount += 1;
    updateHitRate();
    // The pressed man takes no press while the mark is drawn; on a miss that is the man pressed last.
    m_men.setEnabled(m_pressedMan, false);
    drawShotMark();
    m_guns.spendBullet();
    return true;
}

void Game::updateHitRate() {
    // Rounded to the nearest whole percent, halves to the even neighbour (12.5 gives 12, 37.5 gives 38).
    const double rate = static_cast<double>(m_hitCount) / m_shotCount * 100.0;
    m_hitRate = static_cast<int>(std::nearbyint(rate));
    emit hitRateChanged(m_hitRate);
}

void Game::drawShotMark() {
    const QPointF place(m_pointer.left - kShotMarkOffset, m_pointer.top - kShotMarkOffset);
    for (int frame = 0; frame < kShotMarkFrames; ++frame) {
        emit shotMarkDrawn(frame, place);
        m_platform.sleeper.wait(kShotMarkFrameMs);
        // Wipes the frame back to the field's lasting background.
        emit fieldRefreshed();
    }
    m_men.setEnabled(m_pressedMan, true);
}

void Game::hitMan(int man) {
    const Men::Worth& worth = Men::kWorth[static_cast<std::size_t>(man)];
    setScore(m_score + worth.points + m_stageBonus);
    m_men.setShown(man, false);
    m_men.setEnabled(man, false);
    drawFall(m_men.man(man).place);
    countKill();
    m_hitCount += 1;
    updateHitRate();
    m_plates.addCharge(worth.bonusCharge);
}

// The fall stays painted on the field until the background is replaced.
void Game::drawFall(const FieldPoint& place) {
    for (int frame = 0; frame < kFallFrames; ++frame) {
        emit fallDrawn(frame, place.toPointF());
        m_platform.sleeper.wait(kFallFrameMs);
        emit fieldRefreshed();
    }
}

// --- The civilian and the plates ---

void Game::pressCivilian(Qt::MouseButton button) {
    const FieldPiece& civilian = m_civilian.piece();
    if (!civilian.shown || !civilian.enabled) {
        pressField(button);
        return;
    }
    if (!fieldTakesPresses()) {
        return;
    }
    // The right button alone rescues; any other shoots, though it costs no bullet.
    if (button == Qt::RightButton) {
        rescueCivilian();
    } else {
        shootCivilian();
    }
}

void Game::rescueCivilian() {
    m_sounds.playWave(programFile(QStringLiteral("\\ALI.Wav")));
    m_messageBar.setText(QCoreApplication::translate("MessageBar", "一般人 ＴＨＡＮＫ　ＹＯＵ!!"));
    m_timeLeft += Civilian::kTicks;
    setTimeBarValue(m_timeLeft);
    m_civilian.leave();
    m_messageBar.clearSoon();
}

void Game::shootCivilian() {
    if (refuseEmptyGun()) {
        return;
    }
    m_sounds.playWave(programFile(QStringLiteral("\\UA.Wav")));
    m_messageBar.setText(QCoreApplication::translate("MessageBar", "一般人　うぁぁぁぁぁぁ!!"));
    m_timeLeft -= Civilian::kTicks;
    setTimeBarValue(m_timeLeft);
    m_civilian.leave();
    m_messageBar.clearSoon();
}

void Game::clickPlate(int plate) {
    const FieldPiece& clicked = m_plates.plate(plate);
    if (plate < 0 || plate >= kPlates || !clicked.shown || !clicked.enabled) {
        pressField(Qt::LeftButton);
        return;
    }
    if (!fieldTakesPresses()) {
        return;
    }
    m_sounds.playWave(programFile(QStringLiteral("\\TO.Wav")));
    setScore(m_score + BonusPlates::kPoints[static_cast<std::size_t>(plate)]);
    m_plates.take(plate);
}

// --- Reloading: a timed wait, pending exactly while the reload timer has an interval ---

void Game::requestReload() {
    m_messageBar.setText(QCoreApplication::translate("MessageBar", "補給中…"));
    if (const int delay = m_guns.current().reloadMs; delay > 0) {
        m_reloadTimer->setInterval(delay);
        return;
    }
    m_messageBar.setText(QCoreApplication::translate("MessageBar", "この銃は補給ができません!!"));
    m_messageBar.clearSoon();
}

// Exactly one completion per pending reload, for the gun chosen by then.
void Game::completeReload() {
    m_reloadTimer->setInterval(0);
    m_guns.refillMagazine();
    m_messageBar.setText(QCoreApplication::translate("MessageBar", "補給中完了!!"));
    m_messageBar.clearSoon();
}

// --- The end-of-game windows, the table and the speed ---

// The name entry for a score that wins a place, the table otherwise; the main window waits until the player
// leaves the table.
void Game::openEndOfGameWindows() {
    setMainWindowEnabled(false);
    if (const std::optional<int> rank = rankOf(m_score, m_highScores.table())) {
        m_nameEntry.open(*rank);
        return;
    }
    showHighScoreTable(true);
}

void Game::showHighScoreTable(bool shown) {
    m_highScoreTableOpen = shown;
    emit highScoreTableShownChanged(shown);
}

void Game::typeName(const QString& text) {
    if (m_nameEntry.pending()) {
        m_nameEntry.type(text);
    }
}

void Game::pressKeyInName(Qt::Key key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        confirmName();
    }
}

void Game::confirmName() {
    if (!m_nameEntry.pending()) {
        return;
    }
    const QString name = m_nameEntry.close();
    const std::optional<WriteFailure> failure = m_highScores.enter(name, m_score);
    showHighScoreTable(true);
    if (failure) {
        tellTableUnsaved(m_platform.messageBoxes, TableChange::NewEntry, m_highScores.path(), *failure);
    }
}

void Game::giveBackTheMainWindow() {
    showHighScoreTable(false);
    setMainWindowEnabled(true);
    emit mainWindowShown();
}

void Game::confirmTable() {
    if (m_highScoreTableOpen) {
        giveBackTheMainWindow();
        setPhase(Phase::Ready);
    }
}

// Only the main window and its start items come back.
void Game::closeTableByFrame() {
    if (m_highScoreTableOpen) {
        giveBackTheMainWindow();
        setPhase(Phase::TableClosedByFrame);
    }
}

void Game::resetTable() {
    if (!m_highScoreTableOpen) {
        return;
    }
    const platform::MessageAnswer answer = m_platform.messageBoxes.show(
        platform::BoxOwner::HighScoreTable, QCoreApplication::translate("MessageBox", "ｹﾙﾊﾞﾄﾞ解消ｹﾞｰﾑ"),
        QCoreApplication::translate("MessageBox", "データを初期化してもよろしいですか？"),
        platform::MessageButtons::OkCancel, platform::MessageIcon::Question);
    if (answer != platform::MessageAnswer::Ok) {
        return;
    }
    if (const std::optional<WriteFailure> failure = m_highScores.reset()) {
        tellTableUnsaved(m_platform.messageBoxes, TableChange::Reset, m_highScores.path(), *failure);
    }
}

void Game::setSpeedSliderPosition(int position) {
    m_speed.setSliderPosition(position);
}

void Game::followSpeedSlider() {
    if (m_speedWindowOpen) {
        m_speed.follow();
    }
}

void Game::confirmSpeed() {
    if (!m_speedWindowOpen) {
        return;
    }
    setMainWindowEnabled(true);
    m_speedWindowOpen = false;
    emit speedWindowShownChanged(false);
    m_speed.confirm();
}

// A cancelled move still counts at the next start: the slider keeps it.
void Game::cancelSpeed() {
    if (!m_speedWindowOpen) {
        return;
    }
    setMainWindowEnabled(true);
    m_speedWindowOpen = false;
    emit speedWindowShownChanged(false);
}

}  // namespace kelvad
