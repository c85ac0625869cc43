// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GamePlayer.h"

#include "game/Game.h"

#include <cmath>
#include <cstring>

namespace kelvad::testing {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr QSize kManSize(26, 39);
constexpr QSize kPlateSize(60, 20);
constexpr int kNoPiece = -1;

QPoint pixelsOf(QPointF twips) {
    return {static_cast<int>(std::lround(twips.x() / kTwipsPerPixel)),
            static_cast<int>(std::lround(twips.y() / kTwipsPerPixel))};
}

QPointF twipsOf(QPoint pixels) {
    return QPointF(pixels) * kTwipsPerPixel;
}

bool is(const char* name, const char* expected) {
    return std::strcmp(name, expected) == 0;
}

}  // namespace

GamePlayer::GamePlayer(Game& game, TestPlatform& platform)
    : Player(platform),
      m_game(game),
      // Where the window's design puts each piece before it first moves.
      m_places{QPoint(8, 184),   QPoint(40, 184),  QPoint(72, 184), QPoint(104, 184),
               QPoint(184, 152), QPoint(184, 176), QPoint(184, 200)} {
    QObject::connect(&game.men(), &Men::moved, &game, [this](int man, QPointF place) {
        m_places[static_cast<std::size_t>(man)] = pixelsOf(place);
    });
    QObject::connect(&game.civilian(), &Civilian::moved, &game,
                     [this](QPointF place) { m_places[3] = pixelsOf(place); });
    QObject::connect(&game.plates(), &BonusPlates::moved, &game, [this](int plate, QPointF place) {
        m_places[static_cast<std::size_t>(4 + plate)] = pixelsOf(place);
    });
}

QRect GamePlayer::rectOf(Piece piece) const {
    const auto index = static_cast<std::size_t>(piece);
    return {m_places[index], index >= 4 ? kPlateSize : kManSize};
}

QPoint GamePlayer::centreOf(Piece piece) {
    return rectOf(piece).center();
}

bool GamePlayer::isShown(Piece piece) {
    return shown(piece);
}

bool GamePlayer::shown(Piece piece) const {
    switch (piece) {
        case Piece::BlackMan:
        case Piece::BlueMan:
        case Piece::YellowMan:
            return m_game.men().man(static_cast<int>(piece)).shown;
        case Piece::Civilian:
            return m_game.civilian().piece().shown;
        case Piece::Plate50:
        case Piece::Plate100:
        case Piece::Plate150:
            return m_game.plates().plate(static_cast<int>(piece) - 4).shown;
    }
    return false;
}

int GamePlayer::pieceAt(QPoint at) const {
    for (int index = 6; index >= 0; --index) {
        if (shown(static_cast<Piece>(index)) && rectOf(static_cast<Piece>(index)).contains(at)) {
            return index;
        }
    }
    return kNoPiece;
}

void GamePlayer::doChoose(const char* item) {
    if (is(item, "B1")) {
        m_game.chooseStart();
    } else if (is(item, "B19")) {
        m_game.choosePause();
    } else if (is(item, "B21")) {
        m_game.chooseReturnToStart();
    } else if (is(item, "B4")) {
        m_game.chooseHighScores();
    } else if (is(item, "B6")) {
        m_game.chooseGameSpeed();
    } else if (is(item, "B11") || is(item, "B12") || is(item, "B13")) {
        m_game.chooseGun(item[2] - '0');
    } else if (is(item, "B17")) {
        m_game.chooseHelp();
    } else if (is(item, "B18")) {
        m_game.chooseVersion();
    } else {
        qFatal("no menu item %s", item);
    }
}

void GamePlayer::doClick(QPoint at, Qt::MouseButton button) {
    const int piece = pieceAt(at);
    if (piece == kNoPiece) {
        m_game.pressField(button);
    } else if (piece < 3) {
        m_game.pressMan(piece, button);
    } else if (piece == 3) {
        m_game.pressCivilian(button);
    } else if (button == Qt::LeftButton) {
        // A plate takes a press of any button, but only a left click counts.
        m_game.clickPlate(piece - 4);
    }
}

void GamePlayer::doMoveTo(QPoint at) {
    // The men and the civilian follow the pointer while they take presses, the field elsewhere; over a plate
    // nothing does.
    const int piece = pieceAt(at);
    if (piece > 3) {
        return;
    }
    if (piece >= 0 && piece < 3 && m_game.men().man(piece).enabled) {
        m_game.moveOverMan(piece, twipsOf(at - m_places[static_cast<std::size_t>(piece)]));
    } else if (piece == 3 && m_game.civilian().piece().enabled) {
        m_game.moveOverCivilian(twipsOf(at - m_places[3]));
    } else {
        m_game.moveOverField(twipsOf(at));
    }
}

void GamePlayer::doClickOn(const char* window, const char* control) {
    if (is(window, "Form1")) {
        is(control, "Command1") ? m_game.clickStart() : m_game.clickTimeBonus();
    } else if (is(window, "Form2")) {
        m_game.confirmName();
    } else if (is(window, "Form3")) {
        is(control, "Command1") ? m_game.confirmTable() : m_game.resetTable();
    } else if (is(window, "Form4")) {
        is(control, "Command2") ? m_game.confirmSpeed() : m_game.cancelSpeed();
    }
}

void GamePlayer::doKey(const char* control, int key) {
    if (is(control, "Text1")) {
        m_game.pressKeyInName(static_cast<Qt::Key>(key));
        return;
    }
    // The slider's keys, one position a step, the ends at Home and End.
    int position = m_game.speed().sliderPosition();
    switch (key) {
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_PageUp:
            position = std::min(position + 1, kFastestSpeed);
            break;
        case Qt::Key_Left:
        case Qt::Key_Down:
        case Qt::Key_PageDown:
            position = std::max(position - 1, kSlowestSpeed);
            break;
        case Qt::Key_Home:
            position = kSlowestSpeed;
            break;
        case Qt::Key_End:
            position = kFastestSpeed;
            break;
        default:
            return;
    }
    if (position != m_game.speed().sliderPosition()) {
        m_game.setSpeedSliderPosition(position);
        m_game.followSpeedSlider();
    }
}

void GamePlayer::doType(const char*, const QString& text) {
    // The name box opens with its name all selected: what is typed replaces it.
    m_game.typeName(text);
}

void GamePlayer::doDragSpeedTo(int position) {
    // The handle follows the pointer, and the release over the slider is a click.
    m_game.setSpeedSliderPosition(position);
    m_game.followSpeedSlider();
    m_game.followSpeedSlider();
}

void GamePlayer::doClose(const char* window) {
    if (is(window, "Form2")) {
        m_game.confirmName();
    } else if (is(window, "Form3")) {
        m_game.closeTableByFrame();
    } else if (is(window, "Form4")) {
        m_game.cancelSpeed();
    }
}

}  // namespace kelvad::testing
