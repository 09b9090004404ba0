// Lines, offsets with two-character line breaks, the search rules and word movement.
#include <QTest>

#include <numeric>

#include "editor/Unicode.h"

using namespace kalmira;

class TestUnicode final : public QObject {
    Q_OBJECT
private slots:
    void splitLines_data();
    void splitLines();
    void offsetsCountALineBreakAsTwo();
    void search_data();
    void search();
    void wordMovement();
};

void TestUnicode::splitLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("one line, no break") << QStringLiteral("Αρχή") << QStringList{QStringLiteral("Αρχή")};
    QTest::newRow("final break closes the line") << QStringLiteral("α\r\nβ\r\n") << QStringList{"α", "β"};
    QTest::newRow("bare LF and CR") << QStringLiteral("α\nβ\rγ") << QStringList{"α", "β", "γ"};
    QTest::newRow("empty lines kept") << QStringLiteral("α\r\n\r\nβ") << QStringList{"α", "", "β"};
    QTest::newRow("one empty line") << QStringLiteral("\r\n") << QStringList{""};
    QTest::newRow("LF CR is two breaks") << QStringLiteral("α\n\rβ") << QStringList{"α", "", "β"};
}

void TestUnicode::splitLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(SplitLines(text), lines);
    // Joining gives every line its CR LF; splitting that again changes nothing.
    QCOMPARE(SplitLines(JoinLines(lines)), lines);
    QCOMPARE(JoinLines(lines).size(), std::accumulate(lines.begin(), lines.end(), qsizetype(0),
                                                      [](qsizetype n, const QString& l) { return n + l.size() + 2; }));
}

void TestUnicode::offsetsCountALineBreakAsTwo()
{
    const QStringList lines{QStringLiteral("Πρόγραμμα Α"), QString(), QStringLiteral("  τέλος")};
    const QString text = JoinLines(lines);
    for (int offset = 0; offset < text.size(); ++offset) {
        const TBufferCoord coord = OffsetToCoord(offset, lines);
        if (text[offset] == u'\n') {  // the LF shares its position with the CR before it
            QCOMPARE(coord, OffsetToCoord(offset - 1, lines));
            continue;
        }
        QCOMPARE(CoordToOffset(coord, lines), offset);
        if (text[offset] != u'\r')
            QCOMPARE(lines[coord.Line][coord.Column], text[offset]);
    }
    // Out of range, the offset is clamped to the text, the column to its line and the line to the text.
    QCOMPARE(OffsetToCoord(1000, lines), (TBufferCoord{7, 2}));
    QCOMPARE(OffsetToCoord(-3, lines), (TBufferCoord{0, 0}));
    QCOMPARE(OffsetToCoord(5, QStringList()), (TBufferCoord{0, 0}));
    QCOMPARE(CoordToOffset({99, 0}, lines), 11);
    QCOMPARE(CoordToOffset({1, 99}, lines), 16);
    QCOMPARE(CoordToOffset({3, 0}, QStringList()), 0);
}

void TestUnicode::search_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("options");
    QTest::addColumn<int>("found");
    const QString t = QStringLiteral("Γράψε α; γράψε β; ΓράψεΤώρα; Γράψε");
    //                                0     6  9     15 18          29
    QTest::newRow("forward from the start") << t << QStringLiteral("γράψε") << 0 << 0 << 0;
    QTest::newRow("forward skips what lies before from") << t << QStringLiteral("γράψε") << 1 << 0 << 9;
    QTest::newRow("match case") << t << QStringLiteral("γράψε") << 0 << int(ssoMatchCase) << 9;
    QTest::newRow("whole word skips a longer word") << t << QStringLiteral("Γράψε") << 10 << int(ssoWholeWord) << 29;
    QTest::newRow("without whole word it does not") << t << QStringLiteral("Γράψε") << 10 << 0 << 18;
    QTest::newRow("backwards finds the last before from") << t << QStringLiteral("γράψε") << 28 << int(ssoBackwards) << 18;
    QTest::newRow("backwards needs the whole match before from") << t << QStringLiteral("γράψε") << 13 << int(ssoBackwards) << 0;
    QTest::newRow("backwards finds nothing after from") << t << QStringLiteral("β") << 10 << int(ssoBackwards) << -1;
    QTest::newRow("backwards whole word, match case") << t << QStringLiteral("Γράψε") << 34
                                                       << int(ssoBackwards | ssoWholeWord | ssoMatchCase) << 29;
    QTest::newRow("accents count") << t << QStringLiteral("ΓΡΑΨΕ") << 0 << 0 << -1;
    QTest::newRow("not found") << t << QStringLiteral("Διάβασε") << 0 << 0 << -1;
    QTest::newRow("empty pattern") << t << QString() << 0 << 0 << -1;
    QTest::newRow("pattern longer than text") << QStringLiteral("α") << QStringLiteral("αα") << 0 << 0 << -1;
}

void TestUnicode::search()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(int, from);
    QFETCH(int, options);
    QFETCH(int, found);
    QCOMPARE(FindText(text, pattern, {from, 0, text.size()}, TSearchOptions(options)), found);
}

void TestUnicode::wordMovement()
{
    const QString line = QStringLiteral("  Γράψε 'Γεια', x_1");
    //                                   0 2    7 9   13 16
    QCOMPARE(NextWordStart(line, 0), 2);
    QCOMPARE(NextWordStart(line, 2), 9);
    QCOMPARE(NextWordStart(line, 9), 16);
    QCOMPARE(NextWordStart(line, 16), line.size());
    QCOMPARE(PreviousWordStart(line, line.size()), 16);
    QCOMPARE(PreviousWordStart(line, 12), 9);
    QCOMPARE(PreviousWordStart(line, 9), 2);
    QCOMPARE(PreviousWordStart(line, 2), 0);
    QCOMPARE(NextWordStart(line, 99), line.size());
    QCOMPARE(LeadingBlanks(QStringLiteral(" \t x")).size(), 3);
}

QTEST_GUILESS_MAIN(TestUnicode)
#include "tst_Unicode.moc"
