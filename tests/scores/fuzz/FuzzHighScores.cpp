// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/HighScoreFormat.h"
#include "scores/NameEntryText.h"

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using kelvad::HighScoreTable;

namespace {

[[noreturn]] void fail(const char* what, const QByteArray& detail) {
    std::fprintf(stderr, "%s\n%s\n", what, detail.toHex(' ').constData());
    std::abort();
}

// Whatever the file holds, a table read from it writes back to a file that reads as the same table.
void checkFileRoundTrip(QByteArrayView bytes) {
    const std::optional<HighScoreTable> table = kelvad::parseHighScores(bytes);
    if (!table) {
        return;
    }
    const std::optional<QByteArray> written = kelvad::formatHighScores(*table);
    if (!written) {
        fail("a table read could not be written", bytes.toByteArray());
    }
    const std::optional<HighScoreTable> readBack = kelvad::parseHighScores(*written);
    if (!readBack) {
        fail("a written table does not read back", *written);
    }
    if (!(*readBack == *table)) {
        fail("a written table reads back different", *written);
    }
}

// Whatever the player types, the stored name is final and survives the file unchanged.
void checkTypedName(const QString& typed) {
    const QString stored = kelvad::toStoredName(typed);
    if (kelvad::toStoredName(stored) != stored) {
        fail("storing a stored name changes it", stored.toUtf8());
    }
    HighScoreTable table;
    table.names[2] = stored;
    const std::optional<HighScoreTable> readBack =
        kelvad::parseHighScores(kelvad::formatHighScores(table).value());
    if (!readBack || !(*readBack == table)) {
        fail("a stored name does not survive the file", stored.toUtf8());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    checkFileRoundTrip(bytes);
    checkTypedName(QString::fromUtf8(bytes));
    // The same bytes as UTF-16 reach characters that valid UTF-8 rarely does, unpaired surrogates included.
    QString wide(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    std::memcpy(wide.data(), data, size / 2 * 2);
    checkTypedName(wide);
    return 0;
}
