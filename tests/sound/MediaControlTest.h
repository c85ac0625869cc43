// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kelvad {

// The background tune's media control, driven by command names as the game drives it.
class MediaControlTest : public QObject {
    Q_OBJECT

private slots:
    void commands_data();
    void commands();
    void nothingWhenTheTuneCannotBeOpened_data();
    void nothingWhenTheTuneCannotBeOpened();
};

}  // namespace kelvad
