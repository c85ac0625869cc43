// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/Cp932.h"

#include <QList>
#include <QtEndian>

#include <iconv.h>
#include <algorithm>
#include <cerrno>
#include <memory>
#include <type_traits>

namespace kelvad::cp932 {

namespace {

constexpr char kCodePage[] = "CP932";
constexpr char kWideCharset[] = "UTF-32LE";
constexpr char kReplacement = '?';
constexpr std::size_t kWideCharBytes = 4;

struct IconvCloser {
    void operator()(iconv_t handle) const { iconv_close(handle); }
};
using Converter = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

Converter openConverter(const char* to, const char* from) {
    iconv_t handle = iconv_open(to, from);
    if (handle == reinterpret_cast<iconv_t>(-1)) {
        return nullptr;
    }
    return Converter(handle);
}

// Runs the whole input through the converter. A unit that cannot be converted is written as the given
// replacement and skipped by skipBytes; the converter's state is reset after each such unit.
template <typename Replace>
void convertAll(iconv_t handle, const char* input, std::size_t inputBytes, QByteArray& output,
                std::size_t skipBytes, Replace replace) {
    char* in = const_cast<char*>(input);
    std::size_t inLeft = inputBytes;
    char buffer[1024];
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof(buffer);
        const std::size_t result = iconv(handle, &in, &inLeft, &out, &outLeft);
        const int error = errno;
        output.append(buffer, static_cast<qsizetype>(out - buffer));
        if (result != static_cast<std::size_t>(-1)) {
            continue;
        }
        if (error == E2BIG) {
            continue;
        }
        // EILSEQ, or EINVAL for a sequence cut off by the end of the input.
        replace(output);
        const std::size_t skip = std::min(skipBytes, inLeft);
        in += skip;
        inLeft -= skip;
        iconv(handle, nullptr, nullptr, nullptr, nullptr);
    }
}

}  // namespace

std::optional<QByteArray> encode(const QString& text) {
    const Converter converter = openConverter(kCodePage, kWideCharset);
    if (!converter) {
        return std::nullopt;
    }
    // Unpaired surrogates come out of toUcs4() as U+FFFD, which code page 932 cannot hold either.
    QList<uint> wide = text.toUcs4();
    for (uint& c : wide) {
        c = qToLittleEndian(c);
    }
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    convertAll(converter.get(), reinterpret_cast<const char*>(wide.constData()),
               static_cast<std::size_t>(wide.size()) * kWideCharBytes, bytes, kWideCharBytes,
               [](QByteArray& out) { out.append(kReplacement); });
    return bytes;
}

std::optional<QString> decode(QByteArrayView bytes) {
    const Converter converter = openConverter(kWideCharset, kCodePage);
    if (!converter) {
        return std::nullopt;
    }
    QByteArray wide;
    wide.reserve(bytes.size() * static_cast<qsizetype>(kWideCharBytes));
    const quint32 replacement = qToLittleEndian(static_cast<quint32>(kReplacement));
    convertAll(
        converter.get(), bytes.data(), static_cast<std::size_t>(bytes.size()), wide, 1,
        [&](QByteArray& out) { out.append(reinterpret_cast<const char*>(&replacement), kWideCharBytes); });
    const qsizetype count = wide.size() / static_cast<qsizetype>(kWideCharBytes);
    QList<char32_t> units(count);
    for (qsizetype i = 0; i < count; ++i) {
        units[i] = qFromLittleEndian<quint32>(wide.constData() + i * kWideCharBytes);
    }
    return QString::fromUcs4(units.constData(), count);
}

}  // namespace kelvad::cp932
