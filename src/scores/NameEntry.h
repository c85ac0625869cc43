// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

namespace kelvad {

// The name asked for when a score wins a place: whether an entry is waiting for its name, and the name typed
// so far.
class NameEntry final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(NameEntry)

public:
    NameEntry() = default;

    bool pending() const { return m_pending; }
    const QString& typedName() const { return m_typedName; }

    // Asks for the name of the entry at this rank, offering the default name, all of it to be typed over.
    void open(int rank);
    // What the name box holds now.
    void type(const QString& text) { m_typedName = text; }
    // The entry leaves its window; returns the name as the table will hold it.
    QString close();

signals:
    // The window asks for a name: its rank word and the name offered.
    void opened(const QString& rankWord, const QString& offeredName);
    void closed();

private:
    bool m_pending = false;
    QString m_typedName;
};

}  // namespace kelvad
