// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/UnsavedTable.h"

#include "platform/MessageBoxes.h"
#include "scores/HighScoreFile.h"

#include <QCoreApplication>
#include <QDir>

namespace kelvad {

namespace {

QString reasonOf(const WriteFailure& failure) {
    switch (failure.cause) {
        case WriteFailure::Cause::NotAFile:
            return QCoreApplication::translate(
                "MessageBox", "ファイルの場所に、ファイルでないもの（フォルダなど）があります。");
        case WriteFailure::Cause::NoPermission:
            return QCoreApplication::translate("MessageBox", "フォルダに書き込む権限がありません。");
        case WriteFailure::Cause::NoRoom:
            return QCoreApplication::translate("MessageBox", "ディスクに空きがありません。");
        case WriteFailure::Cause::Other:
            break;
    }
    return failure.systemMessage;
}

}  // namespace

QString unsavedTableText(TableChange change, const QString& path, const WriteFailure& failure) {
    const QString text = change == TableChange::NewEntry
                             ? QCoreApplication::translate(
                                   "MessageBox",
                                   "得点はハイスコアの表に入りましたが、ファイルに保存できませんでした。\n\n"
                                   "ファイル：%1\n理由：%2\n\n"
                                   "ゲームは次の機会に、もう一度保存します。")
                             : QCoreApplication::translate(
                                   "MessageBox",
                                   "ハイスコアの表は初期化されましたが、ファイルに保存できませんでした。\n\n"
                                   "ファイル：%1\n理由：%2\n\n"
                                   "ゲームは次の機会に、もう一度保存します。");
    return text.arg(QDir::toNativeSeparators(path), reasonOf(failure));
}

void tellTableUnsaved(platform::MessageBoxes& boxes, TableChange change, const QString& path,
                      const WriteFailure& failure) {
    boxes.show(platform::BoxOwner::MainWindow,
               QCoreApplication::translate("MessageBox", "ケルバド解消ゲーム"),
               unsavedTableText(change, path, failure), platform::MessageButtons::Ok,
               platform::MessageIcon::Warning);
}

}  // namespace kelvad
