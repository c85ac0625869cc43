// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowPlayer.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QTest>
#include <QWindow>

#include <array>

namespace kelvad::testing {

namespace {

constexpr std::array<const char*, 7> kPieceNames{"I1", "I2", "I3", "HE1", "D1", "D2", "D3"};

}  // namespace

QPoint WindowPlayer::centreOf(Piece piece) {
    const QWidget* widget = m_game.control(kPieceNames[static_cast<std::size_t>(piece)]);
    return widget->geometry().center();
}

bool WindowPlayer::isShown(Piece piece) {
    return m_game.control(kPieceNames[static_cast<std::size_t>(piece)])->isVisible();
}

void WindowPlayer::doChoose(const char* item) {
    m_game.control<QAction>(item)->trigger();
}

void WindowPlayer::doClick(QPoint at, Qt::MouseButton button) {
    m_game.press(m_game.control("Picture1"), button, at);
}

void WindowPlayer::doMoveTo(QPoint at) {
    m_game.move(m_game.control("Picture1"), at);
}

void WindowPlayer::doClickOn(const char* window, const char* name) {
    QWidget* clicked = m_game.control(window)->findChild<QWidget*>(QLatin1String(name));
    if (!clicked) {
        qFatal("no control %s in %s", name, window);
    }
    // Through the window, as a press on a box falls to what is under it.
    const QPoint at = clicked->mapTo(clicked->window(), clicked->rect().center());
    QTest::mouseClick(clicked->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}

void WindowPlayer::doKey(const char* name, int key) {
    QTest::keyClick(m_game.control(name), static_cast<Qt::Key>(key));
}

void WindowPlayer::doType(const char* name, const QString& text) {
    QTest::keyClicks(m_game.control(name), text);
}

void WindowPlayer::doDragSpeedTo(int position) {
    auto* slider = m_game.control<QSlider>("Slider1");
    QWindow* window = slider->window()->windowHandle();
    const int y = slider->height() / 2;
    const auto handleAt = [&](int value) {
        return QPoint(QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(), value,
                                                      slider->width() - 20) +
                          10,
                      y);
    };
    const auto inWindow = [&](QPoint at) { return slider->mapTo(slider->window(), at); };
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, inWindow(handleAt(slider->value())));
    QTest::mouseMove(window, inWindow(handleAt(position)));
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, inWindow(handleAt(position)));
}

void WindowPlayer::doClose(const char* window) {
    m_game.control(window)->windowHandle()->close();
}

}  // namespace kelvad::testing
