#include "HighScoreWindowTest.h"

#include "PhaseControls.h"
#include "ScoreGames.h"
#include "game/Lifecycle.h"
#include "state/GameState.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/PictureBox.h"
#include "ui/TextBox.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace kelvad {

using platform::MessageAnswer;
using testing::GameFixture;

namespace {

// A table no fresh installation has, in the file's own bytes.
const QByteArray kPlayedFile = "\"Ann\",\"Bob\",\"Cy\",\"Di\",\"Ed\"\r\n5000,4000,3000,2000,1000\r\n";
const HighScoreTable kPlayedTable =
    testing::tableOf({5000, 4000, 3000, 2000, 1000}, {u"Ann"_s, u"Bob"_s, u"Cy"_s, u"Di"_s, u"Ed"_s});

// How the high-score window came to be open.
enum class Opened { AfterGameWithoutPlace, AfterNameEntry, FromMenu };

void open(GameFixture& game, Opened how) {
    Form1& form = game.form();
    switch (how) {
        case Opened::AfterGameWithoutPlace:
            testing::playGameScoring(game, 0, 2);
            break;
        case Opened::AfterNameEntry:
            testing::playGameScoring(game, 1, 2);
            QTest::mouseClick(form.form2().Command1, Qt::LeftButton);
            break;
        case Opened::FromMenu:
            form.B4->trigger();
            break;
    }
}

void withPlayedFile(testing::TestPlatform& platform) {
    QVERIFY(testing::writeScoreFile(platform, kPlayedFile));
}

}  // namespace

void HighScoreWindowTest::okGivesBackTheReadyState_data() {
    QTest::addColumn<Opened>("how");
    QTest::newRow("after a game without a place") << Opened::AfterGameWithoutPlace;
    QTest::newRow("after a name entry") << Opened::AfterNameEntry;
    QTest::newRow("from the menu") << Opened::FromMenu;
}

void HighScoreWindowTest::okGivesBackTheReadyState() {
    QFETCH(Opened, how);
    GameFixture game;
    Form1& form = game.form();
    open(game, how);
    Form3& table = form.form3();
    QVERIFY(table.isVisible());
    QVERIFY(!form.isEnabled());
    QVERIFY(table.isEnabled());

    QTest::mouseClick(table.Command1, Qt::LeftButton);
    QVERIFY(!table.isVisible());
    QVERIFY(form.isVisible());
    QCOMPARE(testing::controlStates(form), testing::readyControls());
    // Hidden, not gone: the next showing has the same window.
    form.B4->trigger();
    QCOMPARE(&form.form3(), &table);
    QVERIFY(table.isVisible());
}

void HighScoreWindowTest::theCloseControlGivesBackOnlyTheStartItems_data() {
    QTest::addColumn<Opened>("how");
    QTest::addColumn<QStringList>("controls");
    // The main window and its start items come back; the rest keeps the state the end of the game left.
    QTest::newRow("after a game with 2 kills")
        << Opened::AfterGameWithoutPlace
        << u"Form1 on|TAITOLU(0) shown|TAITOLU(1) shown|Command1 off|B1 on|B4 on|A2 on|B19 on|B21 on|"
           u"Picture2 off|Label20 2"_s.split(u'|');
    QTest::newRow("from the menu: still ready") << Opened::FromMenu << testing::readyControls();
}

void HighScoreWindowTest::theCloseControlGivesBackOnlyTheStartItems() {
    QFETCH(Opened, how);
    QFETCH(QStringList, controls);
    GameFixture game;
    Form1& form = game.form();
    open(game, how);
    QVERIFY(form.form3().isVisible());

    form.form3().close();
    QVERIFY(!form.form3().isVisible());
    QCOMPARE(testing::controlStates(form), controls);

    // The table shows again from the menu, and the menu starts the next game.
    form.B4->trigger();
    QVERIFY(form.form3().isVisible());
    QCOMPARE(testing::rowsOnScreen(form), testing::rowsOf(HighScoreTable{}));
    QTest::mouseClick(form.form3().Command1, Qt::LeftButton);
    form.B1->trigger();
    QVERIFY(form.T4->enabled());
    QCOMPARE(gameState.timeLeft, kTicksPerGame);
}

void HighScoreWindowTest::theResetAsksFirst_data() {
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<HighScoreTable>("after");
    QTest::addColumn<QByteArray>("fileAfter");
    QTest::newRow("OK: the defaults") << MessageAnswer::Ok << HighScoreTable{} << testing::defaultScoreFile();
    QTest::newRow("Cancel: nothing changes") << MessageAnswer::Cancel << kPlayedTable << kPlayedFile;
}

void HighScoreWindowTest::theResetAsksFirst() {
    QFETCH(MessageAnswer, answer);
    QFETCH(HighScoreTable, after);
    QFETCH(QByteArray, fileAfter);
    GameFixture game(withPlayedFile);
    Form1& form = game.form();
    form.B4->trigger();
    QCOMPARE(testing::rowsOnScreen(form), testing::rowsOf(kPlayedTable));

    game.platform.messageBoxes.answer(answer);
    QTest::mouseClick(form.form3().Command2, Qt::LeftButton);
    QCOMPARE(game.platform.messageBoxes.shown.size(), std::size_t{1});
    const testing::ShownBox& box = game.platform.messageBoxes.shown.back();
    QCOMPARE(box.title, u"ｹﾙﾊﾞﾄﾞ解消ｹﾞｰﾑ"_s);
    QCOMPARE(box.text, u"データを初期化してもよろしいですか？"_s);
    QCOMPARE(box.buttons, platform::MessageButtons::OkCancel);
    QCOMPARE(box.icon, platform::MessageIcon::Question);
    // The question is about the table: it belongs to the high-score window, not to the disabled main window.
    QCOMPARE(box.owner, &form.form3());

    QVERIFY(form.form3().isVisible());
    QVERIFY(!form.isEnabled());
    QCOMPARE(testing::rowsOnScreen(form), testing::rowsOf(after));
    QCOMPARE(testing::rowsInMemory(), testing::rowsOf(after));
    QCOMPARE(testing::readScoreFile(game.platform), fileAfter);
}

void HighScoreWindowTest::afterAResetAScoreOf1RanksFifth() {
    GameFixture game(withPlayedFile);
    Form1& form = game.form();
    testing::playGameScoring(game, 1);
    QVERIFY(form.form3().isVisible());
    QTest::mouseClick(form.form3().Command2, Qt::LeftButton);
    QTest::mouseClick(form.form3().Command1, Qt::LeftButton);

    testing::playGameScoring(game, 1);
    QVERIFY(form.form2().isVisible());
    QCOMPARE(form.form2().Label2->text(), u"五位"_s);
    QTest::keyClick(form.form2().Text1, Qt::Key_Return);
    const HighScoreTable after = testing::defaultNamesBut({2000, 1500, 1000, 500, 1}, 0, QString());
    QCOMPARE(testing::rowsInMemory(), testing::rowsOf(after));
    QCOMPARE(testing::rowsInFile(game.platform), testing::rowsOf(after));
}

void HighScoreWindowTest::theMenuReadsTheFileAgain() {
    GameFixture game;
    Form1& form = game.form();
    QCOMPARE(testing::rowsOnScreen(form), testing::rowsOf(HighScoreTable{}));
    // Changed behind the game's back, as by a second copy of the game or an editor.
    QVERIFY(testing::writeScoreFile(game.platform, kPlayedFile));
    form.B4->trigger();
    QCOMPARE(testing::rowsOnScreen(form), testing::rowsOf(kPlayedTable));
    QCOMPARE(testing::rowsInMemory(), testing::rowsOf(kPlayedTable));
    QTest::mouseClick(form.form3().Command1, Qt::LeftButton);

    // The next game ranks against what the table showed: 500 would have been fifth in the defaults.
    testing::playGameScoring(game, 500);
    QVERIFY(!form.findChild<Form2*>());
    QVERIFY(form.form3().isVisible());
}

void HighScoreWindowTest::theTableAtTheEndOfAGameIsTheCurrentOne() {
    GameFixture game;
    Form1& form = game.form();
    testing::playGameScoring(game, 3000);
    QTest::keyClicks(form.form2().Text1, u"Ace"_s);
    QTest::keyClick(form.form2().Text1, Qt::Key_Return);
    // Left by the close control this time, so the next game starts from the menu.
    form.form3().close();
    form.B1->trigger();
    gameState.score = 0;
    game.advance(61 * 500);

    QVERIFY(form.form3().isVisible());
    const HighScoreTable current = testing::defaultNamesBut({3000, 2000, 1500, 1000, 500}, 1, u"Ace"_s);
    QCOMPARE(testing::rowsOnScreen(form), testing::rowsOf(current));
    QCOMPARE(testing::rowsInMemory(), testing::rowsOf(current));
}

}  // namespace kelvad
