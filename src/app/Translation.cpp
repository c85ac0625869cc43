// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

namespace kelvad {

namespace {

const QString kOwnLanguage = QStringLiteral("ja");
// The translations are built into the program, so that no copy of it can be without them.
const QString kTranslations = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("kelvad_");
const QString kSuffix = QStringLiteral(".qm");

}  // namespace

Translation::Translation() = default;

Translation::~Translation() {
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
    }
}

QStringList Translation::languages() {
    QStringList found;
    for (const QString& file : QDir(kTranslations).entryList({kPrefix + u'*' + kSuffix}, QDir::Files)) {
        found.append(file.mid(kPrefix.size(), file.size() - kPrefix.size() - kSuffix.size()));
    }
    found.sort();
    found.prepend(kOwnLanguage);
    return found;
}

bool Translation::use(const QString& language) {
    if (!languages().contains(language)) {
        return false;
    }
    auto translator = std::make_unique<QTranslator>();
    if (language != kOwnLanguage && !translator->load(kPrefix + language + kSuffix, kTranslations)) {
        return false;
    }
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
    }
    if (language != kOwnLanguage) {
        m_translator = std::move(translator);
        QCoreApplication::installTranslator(m_translator.get());
    }
    return true;
}

}  // namespace kelvad
