// Shots: what fires, what it costs, the hit rate and the mark around the pointer.
#include "ShotsTest.h"

#include "GameTestSupport.h"
#include "state/GameState.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"
#include "ui/clsProgressBar.h"

#include <QFrame>
#include <QLabel>
#include <QTest>

using kelvad::gameState;
using kelvad::testing::GameFixture;

void ShotsTest::theHitRateRoundsHalvesToEven_data() {
    QTest::addColumn<int>("hits");
    QTest::addColumn<int>("shots");
    QTest::addColumn<QString>("shown");
    QTest::newRow("1 of 8 is 12.5") << 1 << 8 << "12%";
    QTest::newRow("3 of 8 is 37.5") << 3 << 8 << "38%";
    QTest::newRow("1 of 3") << 1 << 3 << "33%";
    QTest::newRow("2 of 3") << 2 << 3 << "67%";
    QTest::newRow("a miss, then a hit") << 1 << 2 << "50%";
}

void ShotsTest::theHitRateRoundsHalvesToEven() {
    QFETCH(int, hits);
    QFETCH(int, shots);
    QFETCH(QString, shown);
    GameFixture game;
    kelvad::Form1& form = game.form();
    startGame(game, {.gun = 3});
    for (int shot = 0; shot < shots - hits; ++shot) {
        game.press(form.Picture1, 1, QPoint(2, 2));
    }
    if (shots > hits) {
        QCOMPARE(form.GEKIHA->text(), QStringLiteral("0%"));
    }
    for (int hit = 0; hit < hits; ++hit) {
        // The yellow man jumps every 750 ms; a hit takes him off until then.
        game.advance(750);
        QVERIFY(form.I3->isVisible());
        game.press(form.I3, 1);
    }
    QCOMPARE(form.shotCount, shots);
    QCOMPARE(form.hitCount, hits);
    QCOMPARE(form.GEKIHA->text(), shown);
}

void ShotsTest::eightShotsEmptyTheFirstGunRightToLeftAndTheNinthIsRefused() {
    GameFixture game;
    kelvad::Form1& form = game.form();
    game.clickStart();
    QCOMPARE(gameState.ammoLeft, 8);
    for (int shot = 1; shot <= 8; ++shot) {
        game.press(form.Picture1, 1, QPoint(3, 3));
        for (int index = 0; index < 8; ++index) {
            QCOMPARE(form.TA[index]->isVisible(), index < 8 - shot);
        }
    }
    const QString gun = QStringLiteral("playWave ") + form.programFile(QStringLiteral("\\Gun1.Wav"));
    QCOMPARE(game.platform.soundDevice.calls.count(gun), 8);
    QCOMPARE(form.GEKIHA->text(), QStringLiteral("0%"));
    form.GEKIHA->setText(QStringLiteral("marker"));
    game.press(form.Picture1, 1, QPoint(3, 3));
    QCOMPARE(game.platform.beeper.beeps, 1);
    QCOMPARE(form.ME1->text(), QStringLiteral("弾がありません！"));
    QCOMPARE(form.GEKIHA->text(), QStringLiteral("marker"));
    QCOMPARE(form.shotCount, 8);
    QCOMPARE(game.platform.soundDevice.calls.count(gun), 8);
    game.advance(1499);
    QCOMPARE(form.ME1->text(), QStringLiteral("弾がありません！"));
    game.advance(1);
    QVERIFY(form.ME1->text().isEmpty());
    QVERIFY(!form.T6->enabled());
}

void ShotsTest::rightAndMiddlePresses() {
    GameFixture game;
    kelvad::Form1& form = game.form();
    startGame(game, {.gun = 2});
    game.advance(750);
    game.press(form.I3, 2);
    game.press(form.Picture1, 2, QPoint(5, 5));
    QCOMPARE(form.shotCount, 0);
    QCOMPARE(gameState.ammoLeft, 15);
    QVERIFY(form.I3->isVisible());
    QCOMPARE(gameState.score, 0);
    // The middle button fires: on the field a miss.
    game.press(form.Picture1, 4, QPoint(5, 5));
    QCOMPARE(form.shotCount, 1);
    QCOMPARE(gameState.ammoLeft, 14);
    QCOMPARE(form.hitCount, 0);
    // A left or middle press with the right button held still fires, on the field and on a man.
    game.hold(form.Picture1, 2, QPoint(5, 5));
    game.press(form.Picture1, 1, QPoint(5, 5));
    game.press(form.Picture1, 4, QPoint(5, 5));
    game.letGo(form.Picture1, 2, QPoint(5, 5));
    QCOMPARE(form.shotCount, 3);
    game.hold(form.I3, 2);
    game.press(form.I3, 1);
    game.letGo(form.I3, 2);
    QCOMPARE(form.shotCount, 4);
    QCOMPARE(form.hitCount, 1);
    QCOMPARE(gameState.score, 30);
}

void ShotsTest::thePressedManTakesNoPressWhileTheMarkIsDrawn() {
    GameFixture game;
    kelvad::Form1& form = game.form();
    startGame(game, {.gun = 3});
    game.advance(1500);
    QVERIFY(form.I2->isVisible());
    game.press(form.I2, 2);  // records the blue man as pressed, without firing
    bool pressedDuringMark = false;
    bool enabledDuringMark = true;
    game.platform.sleeper.duringWait = [&] {
        if (!pressedDuringMark) {
            pressedDuringMark = true;
            enabledDuringMark = form.I2->isEnabled();
            // A press on the blue man while the mark is on screen falls through to the field.
            game.press(form.I2, 1);
        }
    };
    game.press(form.Picture1, 1, QPoint(1, 1));
    game.platform.sleeper.duringWait = nullptr;
    QVERIFY(pressedDuringMark);
    QVERIFY(!enabledDuringMark);
    QCOMPARE(form.hitCount, 0);
    QCOMPARE(gameState.score, 0);
    QCOMPARE(form.shotCount, 2);
    QVERIFY(form.I2->isEnabled());
    QVERIFY(form.I2->isVisible());
}

void ShotsTest::theMarkIsDrawnAroundThePointerAndWipedFrameByFrame() {
    GameFixture game;
    kelvad::Form1& form = game.form();
    chooseGun(form, 3);
    // The yellow man lands at left 1000, top 2000.
    game.platform.random.script({leftAt(1000), topAt(2000)});
    game.clickStart();
    game.advance(750);
    QCOMPARE(gameState.manX3, 1000.0f);
    QCOMPARE(gameState.manY3, 2000.0f);
    // Moved onto him 105 twips right of and 195 below his corner (7 and 13 pixels), and pressed there: the
    // frames' corner lies 280 twips up and left of the pointer, at 825, 1915.
    game.move(form.I3, QPoint(7, 13));
    QCOMPARE(form.pointerX, 1105.0f);
    QCOMPARE(form.pointerY, 2195.0f);
    std::vector<QRect> marks;
    game.platform.sleeper.duringWait = [&] {
        const QImage screen = form.Picture1->screenImage();
        const QImage lasting = form.Picture1->lastingImage();
        QRect changed;
        for (int y = 0; y < screen.height(); ++y) {
            for (int x = 0; x < screen.width(); ++x) {
                if (screen.pixel(x, y) != lasting.pixel(x, y)) {
                    changed |= QRect(x, y, 1, 1);
                }
            }
        }
        marks.push_back(changed);
    };
    game.press(form.I3, 1, QPoint(7, 13));
    game.platform.sleeper.duringWait = nullptr;
    QCOMPARE(form.hitCount, 1);
    // Four frames of the mark, then the three of the fall, which are painted into the lasting background.
    QCOMPARE(game.platform.sleeper.waits, std::vector<int>({15, 15, 15, 15, 20, 20, 20}));
    const QRect frame(55, 128, 40, 40);
    for (const QRect& mark : std::vector<QRect>(marks.begin(), marks.begin() + 4)) {
        QVERIFY(!mark.isEmpty());
        QVERIFY2(frame.contains(mark), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                      .arg(mark.x())
                                                      .arg(mark.y())
                                                      .arg(mark.width())
                                                      .arg(mark.height())));
    }
    // Wiped after the last frame.
    QCOMPARE(form.Picture1->screenImage(), form.Picture1->lastingImage());
}

void ShotsTest::theSecondGunsGaugeFollowsItsBullets() {
    GameFixture game;
    kelvad::Form1& form = game.form();
    chooseGun(form, 2);
    QVERIFY(form.F2->isVisible());
    QVERIFY(!form.F1->isVisible());
    game.clickStart();
    QCOMPARE(form.Label11->text(), QStringLiteral("15"));
    game.press(form.Picture1, 1, QPoint(4, 4));
    QCOMPARE(form.Label11->text(), QStringLiteral("14"));
    QCOMPARE(form.ammoGauge2->Value(), 14);
    // 14 of the 73 pixels' 15 parts are orange, the rest white.
    const QImage bar = form.Picture4->lastingImage();
    const QRgb orange = qRgb(255, 128, 0);
    int orangeColumns = 0;
    for (int x = 0; x < bar.width(); ++x) {
        orangeColumns += bar.pixel(x, bar.height() / 2) == orange ? 1 : 0;
    }
    QVERIFY2(std::abs(orangeColumns - 73 * 14 / 15) <= 1, qPrintable(QString::number(orangeColumns)));
    QCOMPARE(bar.pixel(bar.width() - 1, bar.height() / 2), qRgb(255, 255, 255));
}

void ShotsTest::theThirdGunStartsFull() {
    GameFixture game;
    kelvad::Form1& form = game.form();
    startGame(game, {.gun = 3});
    QCOMPARE(form.Label12->text(), QStringLiteral("100"));
    QCOMPARE(form.ammoGauge3->Value(), 100);
    const QImage bar = form.Picture5->lastingImage();
    QCOMPARE(bar.pixel(bar.width() - 2, bar.height() / 2), qRgb(255, 255, 0));
    QCOMPARE(gameState.gunSoundFile, QStringLiteral("\\Gun3.Wav"));
}

void ShotsTest::changingTheGunBetweenGamesOnlySwapsTheDisplay() {
    GameFixture game;
    kelvad::Form1& form = game.form();
    startGame(game, {.gun = 2});
    game.press(form.Picture1, 1, QPoint(4, 4));
    game.platform.messageBoxes.answer(kelvad::platform::MessageAnswer::Yes);
    form.B21->trigger();
    chooseGun(form, 1);
    QVERIFY(form.B11->isChecked() && !form.B12->isChecked() && !form.B13->isChecked());
    QVERIFY(form.F1->isVisible() && !form.F2->isVisible());
    QCOMPARE(gameState.ammoLeft, 14);
    chooseGun(form, 2);
    QCOMPARE(form.Label11->text(), QStringLiteral("14"));
    QCOMPARE(gameState.gunSoundFile, QStringLiteral("\\Gun2.Wav"));
}
