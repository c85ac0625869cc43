// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TranscriptGame.h"

#include "FakePlatform.h"

#include <QKeySequence>

#include <algorithm>

namespace kelvad::testing {

namespace {

// No man, civilian or plate ever reaches this corner of the field.
constexpr QPoint kBareField(250, 232);

const char* nameOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::RightButton:
            return "right";
        case Qt::MiddleButton:
            return "middle";
        default:
            return "left";
    }
}

}  // namespace

void Player::say(const QString& step) const {
    if (listener) {
        listener(step);
    }
}

void Player::wait(int ms) {
    say(QStringLiteral("wait %1 ms").arg(ms));
    m_platform.scheduler.advance(ms);
}

qint64 Player::now() const {
    return m_platform.scheduler.now();
}

void Player::waitUntil(qint64 ms) {
    wait(static_cast<int>(std::max<qint64>(0, ms - m_platform.scheduler.now())));
}

void Player::waitFor(Piece piece) {
    // Bounded by a game's length, should the piece never come.
    for (int step = 0; step < 400 && !isShown(piece); ++step) {
        wait(100);
    }
}

void Player::choose(const char* item) {
    say(QStringLiteral("choose %1").arg(QLatin1String(item)));
    doChoose(item);
}

void Player::click(QPoint at, Qt::MouseButton button) {
    say(QStringLiteral("%1 click at %2,%3").arg(QLatin1String(nameOf(button))).arg(at.x()).arg(at.y()));
    doClick(at, button);
}

void Player::moveTo(QPoint at) {
    say(QStringLiteral("move to %1,%2").arg(at.x()).arg(at.y()));
    doMoveTo(at);
}

void Player::clickOn(const char* window, const char* control) {
    say(QStringLiteral("click %1 of %2").arg(QLatin1String(control), QLatin1String(window)));
    doClickOn(window, control);
}

void Player::key(const char* control, int key) {
    say(QStringLiteral("key %1 on %2")
            .arg(QKeySequence(key).toString(QKeySequence::PortableText), QLatin1String(control)));
    doKey(control, key);
}

void Player::type(const char* control, const QString& text) {
    say(QStringLiteral("type \"%1\" in %2").arg(text, QLatin1String(control)));
    doType(control, text);
}

void Player::dragSpeedTo(int position) {
    say(QStringLiteral("drag Slider1 to %1").arg(position));
    doDragSpeedTo(position);
}

void Player::close(const char* window) {
    say(QStringLiteral("close %1 with its frame").arg(QLatin1String(window)));
    doClose(window);
}

void Player::answerNextBox(platform::MessageAnswer answer, std::function<void()> whileOpen) {
    static constexpr const char* kAnswers[] = {"OK", "Cancel", "Yes", "No"};
    say(QStringLiteral("the next box is answered %1").arg(QLatin1String(kAnswers[static_cast<int>(answer)])));
    m_platform.messageBoxes.answer(answer, std::move(whileOpen));
}

void Player::drawNext(std::initializer_list<double> values) {
    QStringList drawn;
    for (const double value : values) {
        drawn << QString::number(value);
    }
    say(QStringLiteral("the next random draws are ") + drawn.join(QStringLiteral(", ")));
    m_platform.random.script(values);
}

void playTranscriptGame(Player& player) {
    using platform::MessageAnswer;
    const auto hit = [&](Piece man) {
        player.moveTo(player.centreOf(man) + QPoint(3, 5));
        player.click(man);
    };
    const auto miss = [&](int times, Qt::MouseButton button = Qt::LeftButton) {
        for (int shot = 0; shot < times; ++shot) {
            player.click(kBareField, button);
        }
    };
    const auto yellowEvery500ms = [&](int hits) {
        for (int round = 0; round < hits; ++round) {
            player.wait(500);
            hit(Piece::YellowMan);
        }
    };

    // Between games: the version message, the help, the fastest speed by the mouse and the keys, the table,
    // and the longer time bar.
    player.choose("B18");
    player.choose("B17");
    player.choose("B6");
    player.dragSpeedTo(8);
    player.key("Slider1", Qt::Key_Right);
    player.key("Slider1", Qt::Key_Right);
    player.clickOn("Form4", "Command2");
    player.choose("B4");
    player.clickOn("Form3", "Command1");
    player.clickOn("Form1", "Picture2");

    // The first gun: a hit on each man, misses, a middle-button shot, a reload from a man and from the field,
    // the empty gun refused, two plates collected, the civilian shot and rescued, a time-out, a return
    // refused; the game runs out with a score that wins a place.
    player.clickOn("Form1", "Command1");
    player.wait(600);
    hit(Piece::YellowMan);
    player.wait(400);
    hit(Piece::BlueMan);
    miss(1);
    miss(1, Qt::MiddleButton);
    player.wait(700);
    hit(Piece::BlackMan);
    player.click(Piece::YellowMan, Qt::RightButton);
    player.wait(800);
    miss(9);
    player.wait(1600);
    miss(1, Qt::RightButton);
    player.wait(800);
    yellowEvery500ms(4);
    player.drawNext({0.5, 0.3, 0.4});
    miss(1);
    player.click(Piece::Plate100);
    player.waitFor(Piece::Civilian);
    player.moveTo(player.centreOf(Piece::Civilian) + QPoint(-4, 2));
    player.click(Piece::Civilian);
    player.wait(1000);
    player.answerNextBox(MessageAnswer::Ok, [&] { player.wait(2000); });
    player.choose("B19");
    player.answerNextBox(MessageAnswer::No, [&] { player.wait(1000); });
    player.choose("B21");
    miss(1, Qt::RightButton);
    player.wait(800);
    yellowEvery500ms(5);
    player.drawNext({0.1, 0.6, 0.2});
    miss(1);
    player.wait(300);
    player.click(Piece::Plate50);
    player.waitFor(Piece::Civilian);
    player.click(Piece::Civilian, Qt::RightButton);
    player.waitUntil(player.now() + 20000);
    player.type("Text1", QStringLiteral("Ace"));
    player.key("Text1", Qt::Key_Return);
    player.clickOn("Form3", "Command1");

    // The second gun: its count and bar, a reload with shots while it runs, the empty gun refused, and the
    // return to the start.
    player.choose("B12");
    player.clickOn("Form1", "Command1");
    player.wait(300);
    miss(3);
    miss(1, Qt::RightButton);
    player.wait(400);
    miss(2);
    player.wait(1200);
    miss(16);
    player.answerNextBox(MessageAnswer::Yes);
    player.choose("B21");

    // The third gun: no reload, and enough hits for both stage changes; a plate left to go by itself. The
    // score wins the first place; the name entry and then the table are closed with their frames.
    player.choose("B13");
    player.clickOn("Form1", "Command1");
    miss(1, Qt::RightButton);
    for (int round = 0; round < 26; ++round) {
        player.wait(500);
        hit(Piece::YellowMan);
        if (round % 2 == 1) {
            hit(Piece::BlueMan);
        }
        if (round % 4 == 3) {
            hit(Piece::BlackMan);
        }
    }
    player.waitUntil(player.now() + 35000);
    player.type("Text1", QStringLiteral("Kelvin"));
    player.close("Form2");
    player.close("Form3");

    // The table from the menu, reset.
    player.choose("B4");
    player.answerNextBox(MessageAnswer::Ok);
    player.clickOn("Form3", "Command2");
    player.clickOn("Form3", "Command1");
}

}  // namespace kelvad::testing
