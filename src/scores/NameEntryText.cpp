// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/NameEntryText.h"

#include "scores/Cp932.h"

#include <algorithm>

namespace kelvad {

namespace {

constexpr char16_t kQuote = u'"';

bool isUnstorable(QChar c) {
    return c == kQuote || c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

QString withoutUnstorable(QString text) {
    text.removeIf(isUnstorable);
    return text;
}

// The length of the longest prefix that ends on a character boundary and fits into maxBytes.
qsizetype fittingLength(const QByteArray& bytes, qsizetype maxBytes) {
    qsizetype length = 0;
    while (length < bytes.size()) {
        const qsizetype next =
            length + (cp932::isLeadByte(static_cast<unsigned char>(bytes[length])) ? 2 : 1);
        if (next > maxBytes) {
            break;
        }
        length = next;
    }
    return std::min(length, bytes.size());
}

}  // namespace

std::optional<QByteArray> storedNameBytes(const QString& name) {
    std::optional<QByteArray> bytes = cp932::encode(name);
    if (!bytes) {
        return std::nullopt;
    }
    bytes->removeIf([](char byte) { return byte == '"'; });
    bytes->truncate(fittingLength(*bytes, kMaxNameBytes));
    return bytes;
}

QString toStoredName(const QString& typed) {
    const QString cleaned = withoutUnstorable(typed);
    const std::optional<QByteArray> bytes = storedNameBytes(cleaned);
    if (!bytes) {
        return cleaned;
    }
    const std::optional<QString> readBack = cp932::decode(*bytes);
    return readBack ? withoutUnstorable(*readBack) : cleaned;
}

}  // namespace kelvad
