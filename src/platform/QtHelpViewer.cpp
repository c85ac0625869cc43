// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QtHelpViewer.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace kelvad::platform {

std::optional<QString> QtHelpViewer::showContents(const QString& helpFile) {
    QFile file(helpFile);
    if (!file.open(QIODevice::ReadOnly)) {
        return QCoreApplication::translate("HelpViewer", "ヘルプファイル %1 を開けません: %2")
            .arg(helpFile, file.errorString());
    }
    const QString html = QString::fromUtf8(file.readAll());
    if (file.error() != QFileDevice::NoError) {
        return QCoreApplication::translate("HelpViewer", "ヘルプファイル %1 を読めません: %2")
            .arg(helpFile, file.errorString());
    }
    if (!m_window) {
        m_window = new QDialog(m_owner, Qt::Window);
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        m_window->setWindowTitle(QCoreApplication::translate("HelpViewer", "ケルバド解消ゲーム ヘルプ"));
        m_window->resize(520, 560);
        auto* layout = new QVBoxLayout(m_window);
        auto* browser = new QTextBrowser(m_window);
        browser->setObjectName(QStringLiteral("helpBrowser"));
        browser->setOpenExternalLinks(false);
        layout->addWidget(browser);
    }
    auto* browser = m_window->findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
    browser->setSearchPaths({QFileInfo(helpFile).absolutePath()});
    browser->setHtml(html);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    return std::nullopt;
}

}  // namespace kelvad::platform
