// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

namespace kelvad {

// The language the game speaks. Its text is written in Japanese, and Japanese needs no translation: without
// one every caption, message and file is the game's own, whatever the desktop's locale.
class Translation {
public:
    Translation();
    ~Translation();
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    // The languages the game can speak, as --lang takes them: Japanese first, then each translation built in.
    static QStringList languages();

    // Speaks the given language from now on, in the running application; false, and no change, for one the
    // game does not have or a translation that cannot be read.
    bool use(const QString& language);

private:
    std::unique_ptr<QTranslator> m_translator;
};

}  // namespace kelvad
