// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/audio/TuneRecording.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtEndian>

#include <algorithm>

namespace kelvad::platform {

namespace {

constexpr char magic[8] = {'K', 'L', 'V', 'D', 'T', 'U', 'N', 'E'};
// The magic, the frame count and where the last event falls, both 64-bit little-endian.
constexpr qint64 headerBytes = sizeof(magic) + 2 * sizeof(qint64);
constexpr qint64 frameBytes = TuneRecording::channels * sizeof(int16_t);

}  // namespace

QString TuneRecording::pathFor(const QByteArray& tune, const QString& soundFont, const QByteArray& settings) {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty()) {
        return {};
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const QFileInfo font(soundFont);
    hash.addData(settings);
    hash.addData(font.absoluteFilePath().toUtf8());
    hash.addData(QByteArray::number(font.size()));
    hash.addData(QByteArray::number(font.lastModified().toMSecsSinceEpoch()));
    hash.addData(tune);
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/kelvad/") + QString::fromLatin1(hash.result().toHex()) + QStringLiteral(".tune");
}

std::unique_ptr<TuneRecording> TuneRecording::open(const QString& path) {
    std::unique_ptr<TuneRecording> recording(new TuneRecording);
    recording->m_file.setFileName(path);
    if (path.isEmpty() || !recording->m_file.open(QIODevice::ReadOnly)) {
        return nullptr;
    }
    const QByteArray header = recording->m_file.read(headerBytes);
    if (header.size() != headerBytes || !header.startsWith(QByteArray(magic, sizeof(magic)))) {
        return nullptr;
    }
    recording->m_frames = qFromLittleEndian<qint64>(header.constData() + sizeof(magic));
    recording->m_eventsEnd = qFromLittleEndian<qint64>(header.constData() + sizeof(magic) + sizeof(qint64));
    // A file cut short, or longer than it says, is not trusted.
    const qint64 size = recording->m_file.size();
    if (recording->m_frames <= 0 || recording->m_frames > (size - headerBytes) / frameBytes ||
        size != headerBytes + recording->m_frames * frameBytes || recording->m_eventsEnd < 0 ||
        recording->m_eventsEnd > recording->m_frames) {
        return nullptr;
    }
    return recording;
}

bool TuneRecording::save(const QString& path, const std::vector<int16_t>& stereo, int64_t eventsEndFrame) {
    const auto frames = static_cast<qint64>(stereo.size() / channels);
    const QFileInfo file(path);
    if (path.isEmpty() || frames <= 0 || !QDir().mkpath(file.absolutePath())) {
        return false;
    }
    QByteArray header(magic, sizeof(magic));
    header.resize(headerBytes);
    qToLittleEndian<qint64>(frames, header.data() + sizeof(magic));
    qToLittleEndian<qint64>(eventsEndFrame, header.data() + sizeof(magic) + sizeof(qint64));
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(header) != headerBytes) {
        return false;
    }
    std::vector<int16_t> little(stereo.size());
    std::transform(stereo.begin(), stereo.end(), little.begin(),
                   [](int16_t v) { return qToLittleEndian(v); });
    const auto bytes = static_cast<qint64>(little.size() * sizeof(int16_t));
    if (out.write(reinterpret_cast<const char*>(little.data()), bytes) != bytes || !out.commit()) {
        return false;
    }
    // Only the newest is kept: one made for another tune or soundfont would only take room.
    QDir folder = file.absoluteDir();
    for (const QString& old : folder.entryList({QStringLiteral("*.tune")}, QDir::Files)) {
        if (old != file.fileName()) {
            folder.remove(old);
        }
    }
    return true;
}

void TuneRecording::read(int64_t at, float* stereo, int frames) {
    const auto samples = static_cast<size_t>(frames) * channels;
    std::fill_n(stereo, samples, 0.0F);
    const int64_t available = std::clamp<int64_t>(m_frames - at, 0, frames);
    if (available <= 0 || !m_file.seek(headerBytes + at * frameBytes)) {
        return;
    }
    m_buffer.resize(static_cast<size_t>(available) * channels);
    const qint64 bytes = m_file.read(reinterpret_cast<char*>(m_buffer.data()), available * frameBytes);
    const auto read = static_cast<size_t>(std::max<qint64>(bytes, 0) / sizeof(int16_t));
    for (size_t i = 0; i < read; ++i) {
        stereo[i] = qFromLittleEndian(m_buffer[i]) / 32768.0F;
    }
}

}  // namespace kelvad::platform
