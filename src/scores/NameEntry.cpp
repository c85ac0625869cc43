// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/NameEntry.h"

#include "scores/NameEntryText.h"
#include "scores/Ranking.h"

#include <QCoreApplication>

namespace kelvad {

void NameEntry::open(int rank) {
    // Each opening starts from the default name. In another language the box offers that language's word;
    // the table's own entries keep theirs.
    m_typedName = QCoreApplication::translate("NameEntry", "名前なし");
    m_pending = true;
    emit opened(rankWord(rank), m_typedName);
}

QString NameEntry::close() {
    m_pending = false;
    emit closed();
    // The name as the file will hold it: no double quotes or line breaks, "?" for what it cannot store.
    return toStoredName(m_typedName);
}

}  // namespace kelvad
