// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/HighScoreFormat.h"

#include "scores/Cp932.h"
#include "scores/NameEntryText.h"

#include <QBuffer>
#include <QIODevice>

#include <limits>

namespace kelvad {

namespace {

constexpr char kQuote = '"';
constexpr char kComma = ',';
constexpr char kSpace = ' ';
constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr char kLineEnd[] = "\r\n";
constexpr int kEnd = -1;
// How much the reader asks of the device at a time.
constexpr qint64 kPieceBytes = 4096;

// Hands out the device's bytes one at a time, fetching them in pieces of kPieceBytes.
class PieceReader {
public:
    explicit PieceReader(QIODevice& device) : m_device(device) {}

    int peek() {
        if (!fill()) {
            return kEnd;
        }
        return static_cast<unsigned char>(m_piece[m_position]);
    }

    int take() {
        const int byte = peek();
        if (byte != kEnd) {
            ++m_position;
        }
        return byte;
    }

    bool failed() const { return m_failed; }

private:
    bool fill() {
        if (m_position < m_piece.size()) {
            return true;
        }
        if (m_atEnd) {
            return false;
        }
        m_piece.resize(kPieceBytes);
        const qint64 got = m_device.read(m_piece.data(), kPieceBytes);
        m_failed = got < 0;
        m_atEnd = got <= 0;
        m_piece.resize(got > 0 ? got : 0);
        m_position = 0;
        return got > 0;
    }

    QIODevice& m_device;
    QByteArray m_piece;
    qsizetype m_position = 0;
    bool m_atEnd = false;
    bool m_failed = false;
};

bool endsField(int byte) {
    return byte == kEnd || byte == kComma || byte == kCr || byte == kLf;
}

// Reads one field and the comma or line end after it. Empty when the file ends before the field or inside
// its quotes, or when the field, spaces and quotes included, runs over kMaxFieldBytes.
std::optional<QByteArray> readField(PieceReader& in) {
    qsizetype length = 0;
    const auto take = [&] {
        ++length;
        return in.take();
    };
    const auto withinLimit = [&] { return length <= kMaxFieldBytes; };
    while (in.peek() == kSpace && withinLimit()) {
        take();
    }
    if (in.peek() == kEnd) {
        return std::nullopt;
    }
    QByteArray text;
    if (in.peek() == kQuote) {
        take();
        for (int byte = take(); byte != kQuote; byte = take()) {
            if (byte == kEnd || !withinLimit()) {
                return std::nullopt;
            }
            text.append(static_cast<char>(byte));
        }
        while (!endsField(in.peek()) && withinLimit()) {
            take();
        }
    } else {
        while (!endsField(in.peek()) && withinLimit()) {
            text.append(static_cast<char>(take()));
        }
        while (text.endsWith(kSpace)) {
            text.chop(1);
        }
    }
    if (!withinLimit()) {
        return std::nullopt;
    }
    if (in.take() == kCr && in.peek() == kLf) {
        in.take();
    }
    return text;
}

// A whole number, with an optional sign, held to the 64-bit range; anything else is 0.
qint64 toScore(QByteArrayView text) {
    text = text.trimmed();
    const bool negative = text.startsWith('-');
    if (negative || text.startsWith('+')) {
        text = text.sliced(1);
    }
    if (text.isEmpty()) {
        return 0;
    }
    constexpr quint64 kMaxMagnitude = quint64(std::numeric_limits<qint64>::max());
    const quint64 limit = negative ? kMaxMagnitude + 1 : kMaxMagnitude;
    quint64 magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return 0;
        }
        const quint64 digit = quint64(c - '0');
        magnitude = magnitude > (limit - digit) / 10 ? limit : magnitude * 10 + digit;
    }
    if (!negative) {
        return qint64(magnitude);
    }
    return magnitude == kMaxMagnitude + 1 ? std::numeric_limits<qint64>::min() : -qint64(magnitude);
}

}  // namespace

std::optional<QByteArray> formatHighScores(const HighScoreTable& table) {
    QByteArray file;
    for (std::size_t i = 0; i < HighScoreTable::kEntries; ++i) {
        const std::optional<QByteArray> name = storedNameBytes(table.names[i]);
        if (!name) {
            return std::nullopt;
        }
        if (i > 0) {
            file.append(kComma);
        }
        file.append(kQuote).append(*name).append(kQuote);
    }
    file.append(kLineEnd);
    for (std::size_t i = 0; i < HighScoreTable::kEntries; ++i) {
        if (i > 0) {
            file.append(kComma);
        }
        file.append(QByteArray::number(table.scores[i]));
    }
    file.append(kLineEnd);
    return file;
}

std::optional<HighScoreTable> parseHighScores(QIODevice& device) {
    PieceReader in(device);
    HighScoreTable table;
    for (QString& name : table.names) {
        const std::optional<QByteArray> field = readField(in);
        if (!field) {
            return std::nullopt;
        }
        const std::optional<QString> text = cp932::decode(*field);
        if (!text) {
            return std::nullopt;
        }
        name = toStoredName(*text);
    }
    for (qint64& score : table.scores) {
        const std::optional<QByteArray> field = readField(in);
        if (!field) {
            return std::nullopt;
        }
        score = toScore(*field);
    }
    if (in.failed()) {
        return std::nullopt;
    }
    return table;
}

std::optional<HighScoreTable> parseHighScores(QByteArrayView bytes) {
    QByteArray copy = bytes.toByteArray();
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return parseHighScores(buffer);
}

}  // namespace kelvad
