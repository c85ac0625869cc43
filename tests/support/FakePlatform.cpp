// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakePlatform.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace kelvad::testing {

void ScriptedMessageBoxes::answer(platform::MessageAnswer answer, std::function<void()> whileOpen) {
    m_script.push_back({answer, std::move(whileOpen)});
}

platform::MessageAnswer ScriptedMessageBoxes::show(platform::BoxOwner owner, const QString& title,
                                                   const QString& text, platform::MessageButtons buttons,
                                                   platform::MessageIcon icon) {
    shown.push_back({owner, title, text, buttons, icon});
    if (afterCall) {
        afterCall();
    }
    if (m_script.empty()) {
        switch (buttons) {
            case platform::MessageButtons::YesNo:
                return platform::MessageAnswer::Yes;
            case platform::MessageButtons::Ok:
            case platform::MessageButtons::OkCancel:
                return platform::MessageAnswer::Ok;
        }
    }
    Scripted next = std::move(m_script.front());
    m_script.pop_front();
    if (next.whileOpen) {
        next.whileOpen();
    }
    return next.answer;
}

void VirtualSleeper::wait(int ms) {
    waits.push_back(ms);
    if (afterCall) {
        afterCall();
    }
    if (duringWait) {
        duringWait();
    }
    m_scheduler.skip(ms);
}

double ScriptedRandom::next() {
    ++drawn;
    if (!m_values.empty()) {
        const double value = m_values.front();
        m_values.pop_front();
        return value;
    }
    // The golden ratio's fractional steps cover [0, 1) evenly without repeating soon.
    m_fallback = (m_fallback + 1) % 1000;
    const double step = m_fallback * 0.6180339887498949;
    return step - static_cast<int>(step);
}

std::optional<QString> RecordingHelpViewer::showContents(const QString& helpFile) {
    opened << helpFile;
    if (afterCall) {
        afterCall();
    }
    return error;
}

TestPlatform::TestPlatform()
    : m_platform{scheduler,          messageBoxes,      beeper, sleeper, random, soundDevice, helpViewer,
                 m_directory.path(), m_directory.path()} {}

QString builtProgramDirectory() {
    return qEnvironmentVariable("KELVAD_PROGRAM_DIR");
}

bool TestPlatform::copyGameFile(const QString& relativePath) const {
    const QString target = QDir(programDirectory()).filePath(relativePath);
    QDir().mkpath(QFileInfo(target).absolutePath());
    return QFile::copy(QDir(builtProgramDirectory()).filePath(relativePath), target);
}

bool TestPlatform::copyGameFiles() const {
    const QDir source(builtProgramDirectory());
    if (builtProgramDirectory().isEmpty() || !source.exists()) {
        return false;
    }
    QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
    bool ok = true;
    while (it.hasNext()) {
        const QString relative = source.relativeFilePath(it.next());
        if (relative == QLatin1String("kelvad") || relative == QLatin1String("TOKUTEN")) {
            continue;
        }
        ok = copyGameFile(relative) && ok;
    }
    return ok;
}

}  // namespace kelvad::testing
