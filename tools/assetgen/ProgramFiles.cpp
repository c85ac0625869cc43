// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgramFiles.h"

#include <functional>
#include <utility>
#include <vector>

#include "Backgrounds.h"
#include "Figures.h"
#include "FileWriters.h"
#include "Help.h"
#include "Icon.h"
#include "Pictures.h"
#include "Sprites.h"
#include "Synth.h"
#include "Tune.h"
#include "Waves.h"

namespace assetgen {
namespace {

using Writer = std::function<bool(const QString& path)>;

Writer bmp(std::function<QImage()> make) {
    return [make = std::move(make)](const QString& path) {
        const QImage image = make();
        return !image.isNull() && writeBmp24(image, path);
    };
}

Writer png(std::function<QImage()> make) {
    return [make = std::move(make)](const QString& path) {
        const QImage image = make();
        return !image.isNull() && writePng(image, path);
    };
}

Writer wav(Samples (*make)()) {
    return [make](const QString& path) { return writeWav16(make(), synth::kSampleRate, path); };
}

// The masked frames are made together; each file takes its own frame, sprite or mask.
Writer frame(std::vector<MaskedSprite> (*make)(), std::size_t index, bool mask) {
    return [make, index, mask](const QString& path) {
        const std::vector<MaskedSprite> frames = make();
        if (index >= frames.size()) {
            return false;
        }
        return writeBmp24(mask ? frames[index].mask : frames[index].sprite, path);
    };
}

std::vector<std::pair<QString, Writer>> catalogue() {
    std::vector<std::pair<QString, Writer>> files{
        {QStringLiteral("Haitei1.bmp"), bmp(backStreetByDay)},
        {QStringLiteral("HAITEI2.BMP"), bmp(harbourAtSunset)},
        {QStringLiteral("HAITEI3.BMP"), bmp(cityAtNight)},
        {QStringLiteral("pictures/man-black.png"), png(blackMan)},
        {QStringLiteral("pictures/man-blue.png"), png(blueMan)},
        {QStringLiteral("pictures/man-yellow.png"), png(yellowMan)},
        {QStringLiteral("pictures/civilian.png"), png(civilian)},
        {QStringLiteral("pictures/bullet.png"), png(bullet)},
        {QStringLiteral("pictures/plate-50.bmp"), bmp([] { return plate(Plate::Fifty); })},
        {QStringLiteral("pictures/plate-100.bmp"), bmp([] { return plate(Plate::Hundred); })},
        {QStringLiteral("pictures/plate-150.bmp"), bmp([] { return plate(Plate::HundredFifty); })},
        {QStringLiteral("pictures/cursor.png"), png(cursor)},
        {QStringLiteral("pictures/icon.svg"), [](const QString& path) { return writeText(iconSvg(), path); }},
        {QStringLiteral("Gun1.Wav"), wav(handgunShot)},
        {QStringLiteral("Gun2.Wav"), wav(submachineGunShot)},
        {QStringLiteral("Gun3.Wav"), wav(heavyGunShot)},
        {QStringLiteral("TO.Wav"), wav(bonusChime)},
        {QStringLiteral("ALI.Wav"), wav(rescueJingle)},
        {QStringLiteral("UA.Wav"), wav(civilianCry)},
        {QStringLiteral("Battle.Mid"), [](const QString& path) { return writeBytes(battleTune(), path); }},
    };
    for (const HelpPage& help : kHelpPages) {
        files.emplace_back(QString::fromLatin1(help.fileName), [help](const QString& path) {
            const QString page = helpPage(help);
            return !page.isEmpty() && writeText(page, path);
        });
    }
    for (int size : {32, 48, 64, 128, 256}) {
        files.emplace_back(QStringLiteral("pictures/icon-%1.png").arg(size),
                           png([size] { return icon(size); }));
    }
    for (int k = 0; k < kMarkFrames; ++k) {
        files.emplace_back(QStringLiteral("pictures/mark-%1.bmp").arg(k), frame(shotMarkFrames, k, false));
        files.emplace_back(QStringLiteral("pictures/mark-mask-%1.bmp").arg(k),
                           frame(shotMarkFrames, k, true));
    }
    for (int j = 0; j < kFallFrames; ++j) {
        files.emplace_back(QStringLiteral("pictures/fall-%1.bmp").arg(j), frame(fallFrames, j, false));
        files.emplace_back(QStringLiteral("pictures/fall-mask-%1.bmp").arg(j), frame(fallFrames, j, true));
    }
    return files;
}

}  // namespace

QStringList writeProgramFiles(const QDir& programDir) {
    QStringList failed;
    for (const auto& [name, write] : catalogue()) {
        if (!write(programDir.filePath(name))) {
            failed << name;
        }
    }
    return failed;
}

}  // namespace assetgen
