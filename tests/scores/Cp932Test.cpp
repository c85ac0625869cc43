// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Cp932Test.h"

#include "scores/Cp932.h"
#include "scores/NameEntryText.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace kelvad {

void Cp932Test::encode_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("hex");

    QTest::newRow("the default name") << u"名前なし"_s << QByteArray("96BC914F82C882B5");
    QTest::newRow("wave dash typed by input methods") << u"〜"_s << QByteArray("8160");
    QTest::newRow("full-width tilde") << u"～"_s << QByteArray("8160");
    QTest::newRow("full-width hyphen-minus") << u"－"_s << QByteArray("817C");
    QTest::newRow("minus sign") << u"−"_s << QByteArray("817C");
    QTest::newRow("half-width katakana") << u"ｹﾙﾊﾞﾄﾞ"_s << QByteArray("B9D9CADEC4DE");
    QTest::newRow("backslash and tilde stay ASCII") << u"\\~"_s << QByteArray("5C7E");
    QTest::newRow("emoji becomes ?") << u"A😀B"_s << QByteArray("413F42");
    QTest::newRow("character outside the code page") << u"𠮷野家"_s << QByteArray("3F96EC89C6");
    QTest::newRow("unpaired surrogate") << QString(QChar(0xD800)) + u"x"_s << QByteArray("3F78");
    QTest::newRow("empty") << QString() << QByteArray();
}

void Cp932Test::encode() {
    QFETCH(QString, text);
    QFETCH(QByteArray, hex);
    const std::optional<QByteArray> bytes = cp932::encode(text);
    QVERIFY(bytes);
    QCOMPARE(bytes->toHex().toUpper(), hex);
}

void Cp932Test::decode_data() {
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<QString>("text");

    QTest::newRow("the default name") << QByteArray("96BC914F82C882B5") << u"名前なし"_s;
    QTest::newRow("81 60 reads as full-width tilde") << QByteArray("8160") << u"～"_s;
    QTest::newRow("5C and 7E read as ASCII") << QByteArray("5C7E") << u"\\~"_s;
    QTest::newRow("half-width katakana") << QByteArray("B9D9CADEC4DE") << u"ｹﾙﾊﾞﾄﾞ"_s;
    QTest::newRow("lead byte cut off by the end") << QByteArray("4182") << u"A?"_s;
    QTest::newRow("bytes that start no character") << QByteArray("80A0FDFEFF") << u"?????"_s;
    QTest::newRow("lead byte with a bad second byte") << QByteArray("812041") << u"? A"_s;
}

void Cp932Test::decode() {
    QFETCH(QByteArray, hex);
    QFETCH(QString, text);
    QCOMPARE(cp932::decode(QByteArray::fromHex(hex)), text);
}

void Cp932Test::toStoredName_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");

    QTest::newRow("double quotes dropped") << u"\"KEL\"VAD\""_s << u"KELVAD"_s;
    QTest::newRow("pasted line breaks dropped") << u"one\r\ntwo\nthree\rfour"_s << u"onetwothreefour"_s;
    QTest::newRow("other line breaks dropped") << u"a\u2028b\u2029c\u0085d\u000Be\u000Cf"_s << u"abcdef"_s;
    QTest::newRow("tab and NUL dropped") << u"a\tb"_s + QChar(0) << u"ab"_s;
    QTest::newRow("emoji becomes ?") << u"勝😀"_s << u"勝?"_s;
    QTest::newRow("wave dash reads back as full-width tilde") << u"〜ケルバド〜"_s << u"～ケルバド～"_s;
    QTest::newRow("minus sign reads back as full-width hyphen-minus") << u"−1"_s << u"－1"_s;
    QTest::newRow("spaces and commas kept") << u"  a, b  "_s << u"  a, b  "_s;
    QTest::newRow("half-width katakana kept") << u"ｹﾙﾊﾞﾄﾞ"_s << u"ｹﾙﾊﾞﾄﾞ"_s;
    QTest::newRow("empty name kept") << QString() << QString();
}

void Cp932Test::toStoredName() {
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QCOMPARE(kelvad::toStoredName(typed), stored);
    // A stored name is final: storing it again must not change it, or the file would drift.
    QCOMPARE(kelvad::toStoredName(stored), stored);
}

void Cp932Test::toStoredNameCutsAtCharacterBoundary_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");

    const QString kana(kMaxNameBytes, QChar(u'あ'));
    QTest::newRow("two-byte characters") << kana << kana.first(kMaxNameBytes / 2);
    QTest::newRow("no half character at an odd limit")
        << u"a"_s + kana << u"a"_s + kana.first(kMaxNameBytes / 2 - 1);
    QTest::newRow("short name untouched") << kana.first(10) << kana.first(10);
}

void Cp932Test::toStoredNameCutsAtCharacterBoundary() {
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    const QString name = kelvad::toStoredName(typed);
    QCOMPARE(name, stored);
    QVERIFY(storedNameBytes(name)->size() <= kMaxNameBytes);
}

}  // namespace kelvad
