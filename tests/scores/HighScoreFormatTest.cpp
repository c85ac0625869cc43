// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HighScoreFormatTest.h"

#include "scores/HighScoreFormat.h"
#include "scores/NameEntryText.h"

#include <QIODevice>
#include <QTest>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace kelvad {

namespace {

constexpr qint64 kMax = std::numeric_limits<qint64>::max();
constexpr qint64 kMin = std::numeric_limits<qint64>::min();

HighScoreTable table(const QStringList& names, const std::array<qint64, HighScoreTable::kEntries>& scores) {
    HighScoreTable t;
    std::copy(names.begin(), names.end(), t.names.begin());
    t.scores = scores;
    return t;
}

QByteArray fileOf(const HighScoreTable& t) {
    return formatHighScores(t).value();
}

// The default file, "名前なし" with 2000, 1500, 1000, 500, 0, as the game writes it.
const QByteArray kDefaultFile = fileOf(HighScoreTable{});

// An endless stream of one pattern, counting what the reader takes from it.
class EndlessDevice final : public QIODevice {
public:
    explicit EndlessDevice(QByteArray pattern) : m_pattern(std::move(pattern)) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    qint64 served() const { return m_served; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        for (qint64 i = 0; i < maxSize; ++i) {
            data[i] = m_pattern[(m_served + i) % m_pattern.size()];
        }
        m_served += maxSize;
        return maxSize;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_pattern;
    qint64 m_served = 0;
};

}  // namespace

void HighScoreFormatTest::defaultFileBytes() {
    const QByteArray field = QByteArray::fromHex("2296BC914F82C882B522");
    const QByteArray expected =
        field + ',' + field + ',' + field + ',' + field + ',' + field + "\r\n" + "2000,1500,1000,500,0\r\n";
    QCOMPARE(expected.size(), 78);
    QCOMPARE(kDefaultFile, expected);
}

void HighScoreFormatTest::scoresWrittenAsPlainDecimal() {
    const QByteArray file = fileOf(table({"a", "b", "c", "d", "e"}, {40000, 7, 0, -250, kMin}));
    QCOMPARE(file, QByteArray("\"a\",\"b\",\"c\",\"d\",\"e\"\r\n40000,7,0,-250,-9223372036854775808\r\n"));
}

void HighScoreFormatTest::roundTrip_data() {
    QTest::addColumn<HighScoreTable>("written");

    QTest::newRow("commas in names") << table({u"a,b"_s, u","_s, u",,"_s, u"名前,なし"_s, u"x,"_s},
                                              {5, 4, 3, 2, 1});
    QTest::newRow("leading and trailing spaces")
        << table({u" a"_s, u"b "_s, u"  c  "_s, u" "_s, u"　全角　"_s}, {5, 4, 3, 2, 1});
    QTest::newRow("empty names") << table({u""_s, u""_s, u"x"_s, u""_s, u""_s}, {5, 4, 3, 2, 1});
    QTest::newRow("half-width katakana")
        << table({u"ｹﾙﾊﾞﾄﾞ"_s, u"ｱ"_s, u"ﾟ"_s, u"ｰｰ"_s, u"ﾝ"_s}, {5, 4, 3, 2, 1});
    QTest::newRow("full-width symbols")
        << table({u"～"_s, u"－"_s, u"＼"_s, u"￥"_s, u"①"_s}, {5, 4, 3, 2, 1});
    QTest::newRow("stored forms of typed symbols")
        << table({toStoredName(u"〜"_s), toStoredName(u"−"_s), toStoredName(u"😀"_s), u"?"_s, u"\\"_s},
                 {5, 4, 3, 2, 1});
    QTest::newRow("big and negative scores") << table({"a", "b", "c", "d", "e"}, {40000, 1500, 0, -1, -250});
    QTest::newRow("64-bit extremes") << table({"a", "b", "c", "d", "e"}, {kMax, kMax, 0, kMin, kMin});
    QTest::newRow("longest name") << table(
        {QString(kMaxNameBytes / 2, u'あ'), u"b"_s, u"c"_s, u"d"_s, u"e"_s}, {5, 4, 3, 2, 1});
}

void HighScoreFormatTest::roundTrip() {
    QFETCH(HighScoreTable, written);
    const std::optional<HighScoreTable> read = parseHighScores(fileOf(written));
    QVERIFY(read);
    QCOMPARE(*read, written);
}

void HighScoreFormatTest::read_data() {
    QTest::addColumn<QByteArray>("file");
    // The file the table read writes back as; empty when the read must fail.
    QTest::addColumn<QByteArray>("readsAs");

    const QByteArray fiveNames = "\"a\",\"b\",\"c\",\"d\",\"e\"";
    const auto abcde = [&](const QByteArray& scores) { return fiveNames + "\r\n" + scores + "\r\n"; };

    QTest::newRow("the default file") << kDefaultFile << kDefaultFile;
    QTest::newRow("ten fields on one line") << fiveNames + ",1,2,3,4,5\r\n" << abcde("1,2,3,4,5");
    QTest::newRow("a third line") << abcde("1,2,3,4,5") + "extra, \"text\"\r\n" << abcde("1,2,3,4,5");
    QTest::newRow("no line end after the last score") << fiveNames + "\r\n1,2,3,4,5" << abcde("1,2,3,4,5");
    QTest::newRow("fields one to a line")
        << QByteArray("\"a\"\r\n\"b\"\r\n\"c\"\r\n\"d\"\r\n\"e\"\r\n1\r\n2\r\n3\r\n4\r\n5\r\n")
        << abcde("1,2,3,4,5");
    QTest::newRow("LF and CR line ends") << fiveNames + "\n1\r2\n3,4,5" << abcde("1,2,3,4,5");
    QTest::newRow("spaces before fields skipped")
        << QByteArray("  \"a\", \"b\",\"c\",\"d\",\"e\"\r\n 1,   2,3,4,5\r\n") << abcde("1,2,3,4,5");
    QTest::newRow("unquoted names lose trailing spaces only")
        << QByteArray("  a b  ,b,c,d,e\r\n1,2,3,4,5\r\n")
        << QByteArray("\"a b\",\"b\",\"c\",\"d\",\"e\"\r\n1,2,3,4,5\r\n");
    QTest::newRow("text after a closing quote ignored")
        << QByteArray("\"a\" junk,\"b\"x,\"c\",\"d\",\"e\"\r\n\"1\" 9,2,3,4,5\r\n") << abcde("1,2,3,4,5");
    QTest::newRow("line breaks inside quotes dropped from names")
        << QByteArray("\"a\r\nx\",\"b\",\"c\",\"d\",\"e\"\r\n1,2,3,4,5\r\n")
        << QByteArray("\"ax\",\"b\",\"c\",\"d\",\"e\"\r\n1,2,3,4,5\r\n");
    QTest::newRow("double quote inside an unquoted name dropped")
        << QByteArray("a\"x,\"b\",\"c\",\"d\",\"e\"\r\n1,2,3,4,5\r\n")
        << QByteArray("\"ax\",\"b\",\"c\",\"d\",\"e\"\r\n1,2,3,4,5\r\n");
    QTest::newRow("bytes outside the code page read as ?")
        << QByteArray("\"\x80\xFF\",\"b\",\"c\",\"d\",\"e\"\r\n1,2,3,4,5\r\n")
        << QByteArray("\"??\",\"b\",\"c\",\"d\",\"e\"\r\n1,2,3,4,5\r\n");
    QTest::newRow("scores that are no numbers read 0") << abcde("abc,1.5,12x,,-") << abcde("0,0,0,0,0");
    QTest::newRow("score 40000 and negative scores")
        << abcde("40000,-1,-250,-40000,0") << abcde("40000,-1,-250,-40000,0");
    QTest::newRow("signs, zeros and quotes around scores")
        << abcde("+7,007,\" 12 \",-0,\"-3\"") << abcde("7,7,12,0,-3");
    QTest::newRow("20-digit scores clamped to 64 bits")
        << abcde(
               "12345678901234567890,-12345678901234567890,9223372036854775807,-9223372036854775808,"
               "00000000000000000001")
        << abcde("9223372036854775807,-9223372036854775808,9223372036854775807,-9223372036854775808,1");
    QTest::newRow("just beyond 64 bits") << abcde("9223372036854775808,-9223372036854775809,0,0,0")
                                         << abcde("9223372036854775807,-9223372036854775808,0,0,0");
    QTest::newRow("a field at the length limit")
        << "\"" + QByteArray(kMaxFieldBytes - 2, 'x') + "\",b,c,d,e\r\n1,2,3,4,5\r\n"
        << "\"" + QByteArray(kMaxNameBytes, 'x') + "\",\"b\",\"c\",\"d\",\"e\"\r\n1,2,3,4,5\r\n";

    QTest::newRow("empty file") << QByteArray() << QByteArray();
    QTest::newRow("the names line alone") << fiveNames + "\r\n" << QByteArray();
    QTest::newRow("file ends after the ninth field") << fiveNames + "\r\n1,2,3,4," << QByteArray();
    QTest::newRow("file ends in spaces before the tenth field")
        << fiveNames + "\r\n1,2,3,4,  " << QByteArray();
    QTest::newRow("quote never closed")
        << QByteArray("\"a,\"b\",\"c\",\"d\",\"e\r\n1,2,3,4,5\r\n") << QByteArray();
    QTest::newRow("a field over the length limit")
        << "\"" + QByteArray(kMaxFieldBytes - 1, 'x') + "\",b,c,d,e\r\n1,2,3,4,5\r\n"
        << QByteArray();
    QTest::newRow("spaces over the length limit")
        << QByteArray(kMaxFieldBytes + 1, ' ') + "a,b,c,d,e\r\n1,2,3,4,5\r\n"
        << QByteArray();
}

void HighScoreFormatTest::read() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, readsAs);
    const std::optional<HighScoreTable> read = parseHighScores(file);
    if (readsAs.isEmpty()) {
        QVERIFY(!read);
    } else {
        QVERIFY(read);
        QCOMPARE(fileOf(*read), readsAs);
    }
}

void HighScoreFormatTest::readsOnlyWhatTheFieldsNeed_data() {
    QTest::addColumn<QByteArray>("pattern");
    QTest::addColumn<bool>("readable");

    QTest::newRow("endless short fields") << QByteArray("\"a\",12,") << true;
    QTest::newRow("endless field") << QByteArray("x") << false;
    QTest::newRow("endless spaces") << QByteArray(" ") << false;
    QTest::newRow("endless quoted field") << QByteArray("\"") + QByteArray(100, 'x') << false;
    QTest::newRow("endless binary") << QByteArray::fromHex("00FF7F80223C2C0D0A") << true;
}

void HighScoreFormatTest::readsOnlyWhatTheFieldsNeed() {
    QFETCH(QByteArray, pattern);
    QFETCH(bool, readable);
    EndlessDevice device(pattern);
    QCOMPARE(parseHighScores(device).has_value(), readable);
    // At most every field at its limit, and one piece of read-ahead.
    QVERIFY2(device.served() <= 10 * (kMaxFieldBytes + 2) + 4096, QByteArray::number(device.served()));
}

}  // namespace kelvad
