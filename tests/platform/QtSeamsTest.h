// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

// The real message boxes and the signals that close the game, on Qt's own event loop.
class QtSeamsTest : public QObject {
    Q_OBJECT

private slots:
    void aMessageBoxBelongsToItsOwner_data();
    void aMessageBoxBelongsToItsOwner();
    void aSignalClosesTheWindowOnTheEventLoop_data();
    void aSignalClosesTheWindowOnTheEventLoop();
};
