// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kelvad {

// The place a score wins, and the name entry at the end of a game that won one: the default name, the ways
// to leave it, and the names that reach the table and the file.
class NameEntryTest : public QObject {
    Q_OBJECT

private slots:
    void aScoreEntersAtItsRank_data();
    void aScoreEntersAtItsRank();
    void everyEntryStartsFromTheDefaultName();
    void eachWayOfLeavingStoresTheEntryOnce_data();
    void eachWayOfLeavingStoresTheEntryOnce();
    void theNameIsStoredAsTheFileReadsItBack_data();
    void theNameIsStoredAsTheFileReadsItBack();
};

}  // namespace kelvad
