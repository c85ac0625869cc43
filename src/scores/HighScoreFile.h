// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scores/HighScoreTable.h"

#include <QString>

#include <functional>
#include <optional>
#include <utility>

namespace kelvad {

// The file's name in the program directory.
inline constexpr char16_t kHighScoreFileName[] = u"\\TOKUTEN";

// How loading the table at start-up went.
enum class HighScoreLoad {
    // The file held a table; it is now in memory.
    Loaded,
    // The file was missing or damaged: the default table is in memory and in a new file.
    DefaultsWritten,
    // As DefaultsWritten, but the new file could not be written; whatever was there is left as it was.
    DefaultsInMemoryOnly,
};

// Why the file could not be written, as the player is told.
struct WriteFailure {
    enum class Cause {
        // Something that is no regular file (a folder, say) stands under the file's name.
        NotAFile,
        // The folder takes no new file: no permission, or a read-only file system.
        NoPermission,
        // The new file was cut short: the disk, or the player's share of it, is full.
        NoRoom,
        // Anything else; the system's message says what.
        Other,
    };
    Cause cause = Cause::Other;
    QString systemMessage;
};

// The high-score file and the file side of the operations on the table. The table itself lives with the
// caller (the game's shared variables); refreshing the high-score window's labels is the caller's step.
// Nothing here shows a message or throws: a failure is a return value, the table in memory is always
// usable, and a write never destroys the file that was there (a failed write leaves it as it was).
// The format is in HighScoreFormat.h.
class HighScoreFile {
public:
    explicit HighScoreFile(QString path) : m_path(std::move(path)) {}
    static HighScoreFile inProgramDirectory(const QString& programDirectory);

    const QString& path() const { return m_path; }

    // The table in the file; empty when the file is missing, is no regular file, cannot be read or is
    // damaged.
    std::optional<HighScoreTable> read() const;

    // Replaces the file with the table in one step: the new file is written in full beside the old one and
    // then takes its place. Returns why that failed (a read-only folder, a full disk, a folder in the file's
    // place), or nothing when the file was written; after a failure the old file is untouched.
    std::optional<WriteFailure> write(const HighScoreTable& table) const;

    // At start-up: reads the table from the file. A missing or damaged file is replaced, silently, by the
    // default table, which is written and read back; if it cannot be written the defaults stay in memory
    // and the game goes on.
    HighScoreLoad load(HighScoreTable& table) const;

    // Rewrites the file from the table. Returns why it could not be written, if it could not; the old file
    // then stays as it was.
    std::optional<WriteFailure> save(const HighScoreTable& table) const { return write(table); }

    // A change of the table that another copy of the game, started from the same folder, cannot undo: while
    // a lock beside the file keeps other copies' changes out, the table is read as the file holds it now
    // (unless fromFile is false, or the file cannot be read: then the table as it is), changed, and written.
    // A lock left by a copy that crashed is taken over. Where no lock can be had (a read-only folder), the
    // table is changed and written all the same. The table then holds the change, even when the write failed;
    // what is returned is why it failed, if it did.
    std::optional<WriteFailure> update(HighScoreTable& table,
                                       const std::function<void(HighScoreTable&)>& change,
                                       bool fromFile = true) const;

    // The reset the player confirmed: installs the default table, writes it and reads it back. Returns why
    // the file could not be written, if it could not; the defaults are in memory all the same.
    std::optional<WriteFailure> reset(HighScoreTable& table) const;

    // Opening the table from the menu: reads the table from the file. When the file is missing or damaged
    // the table in memory stays as it was and is written back to the file where possible; false then.
    bool reread(HighScoreTable& table) const;

private:
    QString m_path;
};

}  // namespace kelvad
