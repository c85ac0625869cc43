// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kelvad {

// The name-entry window at the end of a game that won a place: the default name, the ways to confirm, and
// the names that reach the table, the screen and the file.
class NameEntryTest : public QObject {
    Q_OBJECT

private slots:
    void everyEntryStartsFromTheSelectedDefaultName();
    void eachWayOfConfirmingStoresTheEntryOnce_data();
    void eachWayOfConfirmingStoresTheEntryOnce();
    void theNameIsStoredAsTheFileReadsItBack_data();
    void theNameIsStoredAsTheFileReadsItBack();
};

}  // namespace kelvad
