// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kelvad {

// Names in code page 932, and the cleaning that makes a typed name storable.
class Cp932Test : public QObject {
    Q_OBJECT

private slots:
    void encode_data();
    void encode();
    void decode_data();
    void decode();
    void toStoredName_data();
    void toStoredName();
    void toStoredNameCutsAtCharacterBoundary_data();
    void toStoredNameCutsAtCharacterBoundary();
};

}  // namespace kelvad
