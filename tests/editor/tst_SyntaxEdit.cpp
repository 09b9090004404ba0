// The editor control as the window drives it: text and events, keys through the command table,
// undo, bookmarks, the marked line, search and replace, and the editing options.
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QRawFont>
#include <QSignalSpy>
#include <QTest>

#include "editor/SyntaxEditor.h"

using namespace kalmira;

namespace {

// Types text as the keyboard would; QTest's own helpers drop non-Latin characters.
void Type(QWidget& widget, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&widget, &press);
    }
}

void Key(QWidget& widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(&widget, static_cast<Qt::Key>(key), modifiers);
}

constexpr Qt::KeyboardModifiers Ctrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers ShiftCtrl = Qt::ShiftModifier | Qt::ControlModifier;

}  // namespace

class TestSyntaxEdit final : public QObject {
    Q_OBJECT
private slots:
    void textIsLinesEndingInCrLf();
    void onlyUserEditsRaiseOnChange();
    void caretEventsAndOffsets();
    void processCommandCanChangeOrCancel();
    void keysCarryOutTheirCommands();
    void undoDepthIsLimited();
    void typingUndoesAsOneStep();
    void bookmarksFollowTheirLines();
    void bookmarkKeys();
    void markedLineIsPaintedInItsColours();
    void searchSelectsWhatItFinds();
    void replace();
    void readOnlyRefusesEdits();
    void autoIndentAndUnindent();
    void smartTabs();
    void lineLimitAndOverwrite();
    void fontShowsGreekAtFixedPitch();
};

void TestSyntaxEdit::textIsLinesEndingInCrLf()
{
    TSyntaxEdit e;
    e.SetText(QStringLiteral("Αρχή\r\n  Γράψε 'α'\nΤέλος"));
    QCOMPARE(e.LineCount(), 3);
    QCOMPARE(e.Line(1), QStringLiteral("  Γράψε 'α'"));
    QCOMPARE(e.Text(), QStringLiteral("Αρχή\r\n  Γράψε 'α'\r\nΤέλος\r\n"));
    e.SetText(QString());
    QCOMPARE(e.LineCount(), 0);
    QCOMPARE(e.Text(), QString());
    e.AppendLine(QString());
    e.AppendLine(QStringLiteral("β"));
    QCOMPARE(e.Text(), QStringLiteral("\r\nβ\r\n"));
    e.SetLines({QStringLiteral("x"), QStringLiteral("y\r\nz")});  // a line holds no line break
    QCOMPARE(e.Lines(), (QStringList{QStringLiteral("x"), QStringLiteral("y z")}));
    QCOMPARE(e.Line(5), QString());
}

void TestSyntaxEdit::onlyUserEditsRaiseOnChange()
{
    TSyntaxEdit e;
    QSignalSpy changes(&e, &TSyntaxEdit::OnChange);
    e.SetText(QStringLiteral("α\r\nβ"));
    e.SetLines({QStringLiteral("γ")});
    e.AppendLine(QStringLiteral("δ"));
    e.SetCaretXY({1, 0});
    QCOMPARE(changes.count(), 0);
    QVERIFY(!e.Modified());
    QVERIFY(!e.CanUndo());  // setting the text is no edit to undo

    Type(e, QStringLiteral("ά"));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.last().at(0).value<TSyntaxEdit*>(), &e);
    QVERIFY(e.Modified());
    e.SetSelection(0, 2);
    e.SetSelText(QStringLiteral("ε"));
    QCOMPARE(changes.count(), 2);
    QCOMPARE(e.Text(), QStringLiteral("ε\r\nδ\r\n"));
    e.Undo();
    QCOMPARE(changes.count(), 3);
    QCOMPARE(e.Text(), QStringLiteral("γά\r\nδ\r\n"));

    // The flag is the window's to clear; setting the text leaves it alone.
    e.SetModified(false);
    e.SetText(QStringLiteral("ζ"));
    QVERIFY(!e.Modified());
    QCOMPARE(changes.count(), 3);
}

void TestSyntaxEdit::caretEventsAndOffsets()
{
    TSyntaxEdit e;
    e.SetText(QStringLiteral("Αρχή\r\n  Γράψε\r\n"));
    QSignalSpy caret(&e, &TSyntaxEdit::OnCaretChange);
    e.SetCaretXY({3, 1});
    QCOMPARE(caret.count(), 1);
    QCOMPARE(caret.last().at(1).toInt(), 3);
    QCOMPARE(caret.last().at(2).toInt(), 1);
    Key(e, Qt::Key_End);
    QCOMPARE(caret.last().at(1).toInt(), 7);
    // One event per keystroke, however many changes the keystroke makes.
    const int before = caret.count();
    Type(e, QStringLiteral("x"));
    QCOMPARE(caret.count(), before + 1);
    QCOMPARE(e.CaretXY(), (TBufferCoord{8, 1}));
    e.SetSelection(2, 9);
    QCOMPARE(e.SelStart(), 2);
    QCOMPARE(e.SelEnd(), 9);
    QCOMPARE(e.SelText(), QStringLiteral("χή\r\n  Γ"));
    QCOMPARE(e.CaretXY(), (TBufferCoord{3, 1}));
    e.SetCaretXY({99, 99});  // clamped to the end of the last line
    QCOMPARE(e.CaretXY(), (TBufferCoord{8, 1}));
}

void TestSyntaxEdit::processCommandCanChangeOrCancel()
{
    TSyntaxEdit e;
    e.SetText(QStringLiteral("α\r\nβ\r\nγ"));
    QList<int> seen;
    bool insertingAtToggle = false;
    connect(&e, &TSyntaxEdit::OnProcessCommand, this, [&](TSyntaxEdit*, int& command, QChar& ch) {
        seen << command;
        if (command == ecDeleteLine)
            command = ecNone;
        if (command == ecChar && ch == u'x')
            ch = u'ψ';
        if (command == ecToggleMode)
            insertingAtToggle = e.InsertMode();
    });
    Key(e, Qt::Key_Y, Ctrl);
    e.ExecuteCommand(ecDeleteLine);
    QCOMPARE(e.LineCount(), 3);
    QCOMPARE(seen, (QList<int>{ecDeleteLine, ecDeleteLine}));
    Type(e, QStringLiteral("x"));
    QCOMPARE(e.Line(0), QStringLiteral("ψα"));
    Key(e, Qt::Key_Insert);
    QVERIFY(insertingAtToggle);  // the handler sees the mode before the switch
    QVERIFY(!e.InsertMode());
}

void TestSyntaxEdit::keysCarryOutTheirCommands()
{
    TSyntaxEdit e;
    e.SetText(QStringLiteral("Πρόγραμμα Α\r\nΑρχή\r\n  Γράψε 'γεια', x\r\nΤέλος"));
    e.SetCaretXY({2, 2});
    Key(e, Qt::Key_Y, ShiftCtrl);  // to the end of the line
    QCOMPARE(e.Line(2), QStringLiteral("  "));
    Key(e, Qt::Key_Z, Ctrl);
    QCOMPARE(e.Line(2), QStringLiteral("  Γράψε 'γεια', x"));
    Key(e, Qt::Key_T, Ctrl);  // the word at the caret
    QCOMPARE(e.Line(2), QStringLiteral("  γεια', x"));
    Key(e, Qt::Key_End);
    Key(e, Qt::Key_Backspace, Ctrl);  // the word before the caret
    QCOMPARE(e.Line(2), QStringLiteral("  γεια', "));
    Key(e, Qt::Key_Left, ShiftCtrl);
    QCOMPARE(e.SelText(), QStringLiteral("γεια', "));
    Key(e, Qt::Key_Delete);
    QCOMPARE(e.Line(2), QStringLiteral("  "));

    e.SetCaretXY({0, 1});
    Key(e, Qt::Key_Y, Ctrl);  // the whole line
    QCOMPARE(e.LineCount(), 3);
    QCOMPARE(e.Line(1), QStringLiteral("  "));
    QCOMPARE(e.CaretXY(), (TBufferCoord{0, 1}));

    e.SetCaretXY({5, 0});
    Key(e, Qt::Key_N, Ctrl);  // a line break, the caret staying
    QCOMPARE(e.Line(0), QStringLiteral("Πρόγρ"));
    QCOMPARE(e.Line(1), QStringLiteral("αμμα Α"));
    QCOMPARE(e.CaretXY(), (TBufferCoord{5, 0}));
    Key(e, Qt::Key_Delete);  // at the end of a line, joins the next
    QCOMPARE(e.Line(0), QStringLiteral("Πρόγραμμα Α"));

    Key(e, Qt::Key_End, Ctrl);
    QCOMPARE(e.CaretXY(), (TBufferCoord{5, 2}));
    Key(e, Qt::Key_Home, ShiftCtrl);
    QCOMPARE(e.SelStart(), 0);
    Key(e, Qt::Key_Right, Ctrl);
    QCOMPARE(e.CaretXY(), (TBufferCoord{10, 0}));
    Key(e, Qt::Key_A, Ctrl);
    QCOMPARE(e.SelText() + QStringLiteral("\r\n"), e.Text());
    Key(e, Qt::Key_I, ShiftCtrl);  // indent the selected lines by one level
    QCOMPARE(e.Lines(), (QStringList{"  Πρόγραμμα Α", "    ", "  Τέλος"}));
    Key(e, Qt::Key_U, ShiftCtrl);
    Key(e, Qt::Key_U, ShiftCtrl);
    QCOMPARE(e.Lines(), (QStringList{"Πρόγραμμα Α", "", "Τέλος"}));
}

void TestSyntaxEdit::undoDepthIsLimited()
{
    TSyntaxEdit e;
    e.SetMaxUndo(3);
    e.SetText(QStringLiteral("αβγδε"));
    // Five separate edits: the caret moves between them.
    for (const QString& digit : {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                                QStringLiteral("5")}) {
        Type(e, digit);
        Key(e, Qt::Key_Right);
    }
    QCOMPARE(e.Line(0), QStringLiteral("1α2β3γ4δ5ε"));
    for (int i = 0; i < 3; ++i) {
        QVERIFY(e.CanUndo());
        Key(e, Qt::Key_Z, Ctrl);
    }
    QCOMPARE(e.Line(0), QStringLiteral("1α2βγδε"));
    QVERIFY(!e.CanUndo());
    Key(e, Qt::Key_Z, Ctrl);
    QCOMPARE(e.Line(0), QStringLiteral("1α2βγδε"));
    for (int i = 0; i < 3; ++i)
        Key(e, Qt::Key_Z, ShiftCtrl);
    QCOMPARE(e.Line(0), QStringLiteral("1α2β3γ4δ5ε"));
    QVERIFY(!e.CanRedo());

    // A depth of 0 keeps nothing.
    e.SetMaxUndo(0);
    Type(e, QStringLiteral("6"));
    QVERIFY(!e.CanUndo());
}

void TestSyntaxEdit::typingUndoesAsOneStep()
{
    TSyntaxEdit e;
    e.SetText(QStringLiteral("Αρχή"));
    Key(e, Qt::Key_End);
    Type(e, QStringLiteral(" Γράψε"));
    Key(e, Qt::Key_Backspace);
    Key(e, Qt::Key_Backspace);
    QCOMPARE(e.Line(0), QStringLiteral("Αρχή Γρά"));
    e.Undo();  // the two Backspaces
    QCOMPARE(e.Line(0), QStringLiteral("Αρχή Γράψε"));
    e.Undo();  // the typing
    QCOMPARE(e.Line(0), QStringLiteral("Αρχή"));
    QVERIFY(!e.CanUndo());

    e.SetOptions(e.Options() & ~TEditorOptions(eoGroupUndo));
    Type(e, QStringLiteral("αβ"));
    e.Undo();
    QCOMPARE(e.Line(0), QStringLiteral("Αρχήα"));
}

void TestSyntaxEdit::bookmarksFollowTheirLines()
{
    TSyntaxEdit e;
    e.SetText(QStringLiteral("α\r\nβ\r\nγ\r\nδ"));
    e.SetBookMark(2, 2);
    const auto markedText = [&] { return e.Line(e.BookMarkLine(2)); };

    e.SetCaretXY({1, 0});
    Key(e, Qt::Key_Return);  // a line opened above
    QCOMPARE(e.BookMarkLine(2), 3);
    e.SetCaretXY({0, 3});
    Key(e, Qt::Key_Return);  // a line opened right at the marked line's start
    QCOMPARE(e.BookMarkLine(2), 4);
    QCOMPARE(markedText(), QStringLiteral("γ"));
    e.SetCaretXY({0, 0});
    Key(e, Qt::Key_Y, Ctrl);  // a line deleted above
    QCOMPARE(e.BookMarkLine(2), 3);
    e.SetCaretXY({0, 0});
    e.SetSelText(QStringLiteral("x\r\ny\r\n"));  // lines pasted above
    QCOMPARE(e.BookMarkLine(2), 5);
    QCOMPARE(markedText(), QStringLiteral("γ"));
    Key(e, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(e.Lines(), (QStringList{"x", "y", "", "β", "", "γ", "δ"}));
    e.SetCaretXY({0, 5});
    Key(e, Qt::Key_Backspace);  // joined onto the empty line above
    QCOMPARE(e.BookMarkLine(2), 4);
    QCOMPARE(markedText(), QStringLiteral("γ"));
    e.SetCaretXY({0, 2});
    Key(e, Qt::Key_Down, Qt::ShiftModifier);
    Key(e, Qt::Key_Down, Qt::ShiftModifier);
    Key(e, Qt::Key_Delete);  // two whole lines selected and deleted above
    QCOMPARE(e.BookMarkLine(2), 2);
    QCOMPARE(markedText(), QStringLiteral("γ"));
    e.SetCaretXY({1, 1});
    Key(e, Qt::Key_Delete);  // the line above joins the marked line onto itself
    QCOMPARE(e.BookMarkLine(2), -1);
    e.SetBookMark(2, 1);
    e.SetCaretXY({0, 1});
    Key(e, Qt::Key_Y, Ctrl);  // the marked line itself deleted
    QCOMPARE(e.BookMarkLine(2), -1);
}

void TestSyntaxEdit::bookmarkKeys()
{
    TSyntaxEdit e;
    e.SetText(QStringLiteral("α\r\nβ\r\nγ\r\nδ"));
    e.SetCaretXY({0, 3});
    Key(e, Qt::Key_5, ShiftCtrl);
    QCOMPARE(e.BookMarkLine(5), 3);
    e.SetCaretXY({0, 1});
    Key(e, Qt::Key_ParenRight, ShiftCtrl);  // Shift+Ctrl+0 as the keyboard reports it
    Key(e, Qt::Key_5, ShiftCtrl);           // bookmark 5 moves here
    QCOMPARE(e.BookMarkLine(0), 1);
    QCOMPARE(e.BookMarkLine(5), 1);
    Key(e, Qt::Key_5, ShiftCtrl);  // and off again
    QCOMPARE(e.BookMarkLine(5), -1);
    e.SetBookMark(7, 2);
    e.SetCaretXY({1, 0});
    Key(e, Qt::Key_7, Ctrl);
    QCOMPARE(e.CaretXY(), (TBufferCoord{0, 2}));

    e.SetBookMarkOptions({false, false});
    e.SetCaretXY({0, 3});
    Key(e, Qt::Key_3, ShiftCtrl);
    Key(e, Qt::Key_0, Ctrl);
    QCOMPARE(e.BookMarkLine(3), -1);
    QCOMPARE(e.CaretXY(), (TBufferCoord{0, 3}));
}

void TestSyntaxEdit::markedLineIsPaintedInItsColours()
{
    TSyntaxEdit e;
    e.SetText(QStringLiteral("Πρόγραμμα α\r\nΑρχή\r\n  Γράψε 1\r\n  Γράψε 2\r\nΤέλος"));
    e.SetMarkColor({QColor(0xC0, 0x10, 0x20), Qt::white});
    e.SetRightMargin(0);
    e.resize(420, 260);
    e.show();
    QVERIFY(QTest::qWaitForWindowExposed(&e));
    const int lineHeight = QFontMetrics(e.Font()).lineSpacing();
    const auto pixelOfLine = [&](int line) {
        const QImage image = e.grab().toImage();
        return QColor(image.pixel(e.width() - 40, 4 + line * lineHeight + lineHeight / 2));
    };
    e.SetMarkLine(-7);
    QCOMPARE(e.MarkLine(), -1);
    QVERIFY(pixelOfLine(2) != QColor(0xC0, 0x10, 0x20));
    e.SetMarkLine(2);
    QCOMPARE(pixelOfLine(2), QColor(0xC0, 0x10, 0x20));
    QVERIFY(pixelOfLine(1) != QColor(0xC0, 0x10, 0x20));
    QVERIFY(pixelOfLine(3) != QColor(0xC0, 0x10, 0x20));
    e.SetMarkLine(3);  // one marked line: the old mark goes
    QVERIFY(pixelOfLine(2) != QColor(0xC0, 0x10, 0x20));
    QCOMPARE(pixelOfLine(3), QColor(0xC0, 0x10, 0x20));
    e.SetMarkLine(50);  // beyond the text: nothing to paint, nothing to fail
    QVERIFY(pixelOfLine(3) != QColor(0xC0, 0x10, 0x20));
}

// The editor's part of a search (the matching rules are FindText's): the match is selected, the
// next search starts after it, and backwards the caret goes to the match's start.
void TestSyntaxEdit::searchSelectsWhatItFinds()
{
    TSyntaxEdit e;
    e.SetText(QStringLiteral("Γράψε α\r\nγράψε β\r\nΓράψεΤώρα"));
    e.SetCaretXY({0, 1});
    QCOMPARE(e.SearchReplace(QStringLiteral("γράψε"), QString(), {}), 1);
    QCOMPARE(e.SelStart(), 9);
    QCOMPARE(e.SelEnd(), 14);
    QCOMPARE(e.SearchReplace(QStringLiteral("γράψε"), QString(), {}), 1);
    QCOMPARE(e.SelStart(), 18);
    QCOMPARE(e.SearchReplace(QStringLiteral("γράψε"), QString(), ssoEntireScope | ssoWholeWord | ssoBackwards), 1);
    QCOMPARE(e.SelStart(), 9);
    QCOMPARE(e.CaretXY(), (TBufferCoord{0, 1}));
    QCOMPARE(e.SearchReplace(QStringLiteral("Γράψε"), QString(), ssoEntireScope | ssoMatchCase), 1);
    QCOMPARE(e.SelStart(), 0);
    QCOMPARE(e.SearchReplace(QStringLiteral("Διάβασε"), QString(), ssoEntireScope), 0);
    QCOMPARE(e.SelStart(), 0);  // nothing found: the selection stays
    QCOMPARE(e.SelEnd(), 5);
}

void TestSyntaxEdit::replace()
{
    TSyntaxEdit e;
    e.SetText(QStringLiteral("α β α βα α"));
    QSignalSpy changes(&e, &TSyntaxEdit::OnChange);
    QCOMPARE(e.SearchReplace(QStringLiteral("α"), QStringLiteral("γγ"), ssoEntireScope | ssoReplaceAll | ssoWholeWord), 3);
    QCOMPARE(e.Line(0), QStringLiteral("γγ β γγ βα γγ"));
    QCOMPARE(changes.count(), 1);
    e.Undo();  // all the replacements at once
    QCOMPARE(e.Line(0), QStringLiteral("α β α βα α"));

    e.SetSelection(0, 5);
    QCOMPARE(e.SearchReplace(QStringLiteral("α"), QStringLiteral("δ"), ssoReplaceAll | ssoSelectedOnly), 2);
    QCOMPARE(e.Line(0), QStringLiteral("δ β δ βα α"));

    // A match already selected by the search before is the one replaced.
    e.SetCaretXY({0, 0});
    e.SearchReplace(QStringLiteral("β"), QString(), {});
    QCOMPARE(e.SearchReplace(QStringLiteral("β"), QStringLiteral("Β"), ssoReplace), 1);
    QCOMPARE(e.Line(0), QStringLiteral("δ Β δ βα α"));

    // Asked before each replacement: skip the first, then replace the rest without asking.
    e.SetText(QStringLiteral("α α α α"));
    int asked = 0;
    connect(&e, &TSyntaxEdit::OnReplaceText, this, [&](TSyntaxEdit*, const QString&, const QString&, int, int, int& action) {
        action = ++asked == 1 ? raSkip : raReplaceAll;
    });
    QCOMPARE(e.SearchReplace(QStringLiteral("α"), QStringLiteral("ω"), ssoEntireScope | ssoReplace | ssoPrompt), 3);
    QCOMPARE(asked, 2);
    QCOMPARE(e.Line(0), QStringLiteral("α ω ω ω"));
}

void TestSyntaxEdit::readOnlyRefusesEdits()
{
    TSyntaxEdit e;
    e.SetText(QStringLiteral("Γεια σου κόσμε"));
    e.SetOptions(e.Options() | eoReadOnly);
    QSignalSpy changes(&e, &TSyntaxEdit::OnChange);
    QGuiApplication::clipboard()->setText(QStringLiteral("επικόλληση"));
    Type(e, QStringLiteral("x"));
    Key(e, Qt::Key_Backspace);
    Key(e, Qt::Key_Return);
    Key(e, Qt::Key_Y, Ctrl);
    Key(e, Qt::Key_V, Ctrl);
    e.SetSelText(QStringLiteral("y"));
    e.ClearAll();
    QCOMPARE(e.SearchReplace(QStringLiteral("σου"), QStringLiteral("μου"), ssoEntireScope | ssoReplaceAll), 0);
    QCOMPARE(e.Text(), QStringLiteral("Γεια σου κόσμε\r\n"));
    QCOMPARE(changes.count(), 0);
    QVERIFY(!e.CanUndo());
    // Reading still works.
    Key(e, Qt::Key_End, Qt::ShiftModifier);
    Key(e, Qt::Key_C, Ctrl);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Γεια σου κόσμε"));
}

void TestSyntaxEdit::autoIndentAndUnindent()
{
    TSyntaxEdit e;
    e.SetOptions(e.Options() | eoAutoIndent | eoAutoUnindent);
    e.SetText(QStringLiteral("Αρχή\r\n  Αν α τότε\r\n    Γράψε α"));
    e.SetCaretXY({11, 2});
    Key(e, Qt::Key_Return);
    QCOMPARE(e.Line(3), QStringLiteral("    "));
    QCOMPARE(e.CaretXY(), (TBufferCoord{4, 3}));
    Key(e, Qt::Key_Backspace);  // back to the indent of "Αν"
    QCOMPARE(e.Line(3), QStringLiteral("  "));
    Key(e, Qt::Key_Backspace);  // back to the indent of "Αρχή"
    QCOMPARE(e.Line(3), QString());
    Key(e, Qt::Key_Backspace);
    QCOMPARE(e.LineCount(), 3);

    e.SetOptions(e.Options() & ~TEditorOptions(eoAutoUnindent));
    Key(e, Qt::Key_Return);
    Key(e, Qt::Key_Backspace);
    QCOMPARE(e.Line(3), QStringLiteral("   "));
    e.SetOptions(e.Options() & ~TEditorOptions(eoAutoIndent));
    Key(e, Qt::Key_Return);
    QCOMPARE(e.Line(4), QString());
}

void TestSyntaxEdit::smartTabs()
{
    TSyntaxEdit e;
    e.SetOptions(e.Options() | eoWantTabs | eoSmartTabs);
    e.SetText(QStringLiteral("  Γράψε α\r\n"));
    Key(e, Qt::Key_End, Ctrl);
    Key(e, Qt::Key_Return);
    Key(e, Qt::Key_Backspace);
    Key(e, Qt::Key_Backspace);
    QWidget& keys = *e.focusProxy();  // where the keyboard's Tab really arrives
    Key(keys, Qt::Key_Tab);
    QCOMPARE(e.Line(1), QStringLiteral("  "));
    Key(keys, Qt::Key_Tab);
    QCOMPARE(e.Line(1), QStringLiteral("        "));
    Key(keys, Qt::Key_Tab);  // nothing further right on the line above
    QCOMPARE(e.Line(1), QStringLiteral("        \t"));
    e.SetOptions(e.Options() & ~TEditorOptions(eoSmartTabs));
    Key(keys, Qt::Key_Tab);
    QCOMPARE(e.Line(1), QStringLiteral("        \t\t"));
}

void TestSyntaxEdit::lineLimitAndOverwrite()
{
    TSyntaxEdit e;
    e.SetMaxRightChar(5);
    e.SetText(QStringLiteral("αβγ"));
    Key(e, Qt::Key_End);
    Type(e, QStringLiteral("δεζη"));
    QCOMPARE(e.Line(0), QStringLiteral("αβγδε"));
    Key(e, Qt::Key_Insert);
    e.SetCaretXY({1, 0});
    Type(e, QStringLiteral("XY"));
    QCOMPARE(e.Line(0), QStringLiteral("αXYδε"));
    Key(e, Qt::Key_End);
    Type(e, QStringLiteral("Z"));  // overwriting at the end of a full line would lengthen it
    QCOMPARE(e.Line(0), QStringLiteral("αXYδε"));
}

void TestSyntaxEdit::fontShowsGreekAtFixedPitch()
{
    for (const QString& family : {QStringLiteral("Courier New"), QStringLiteral("Καμία τέτοια γραμματοσειρά")}) {
        TSyntaxEdit e;
        e.SetFont(QFont(family, 11));
        QVERIFY(QFontInfo(e.Font()).fixedPitch());
        const QRawFont raw = QRawFont::fromFont(e.Font());
        for (QChar c : QStringLiteral("ΐΰϊώΏ←≠≤≥"))
            QVERIFY2(raw.supportsCharacter(c), qPrintable(QFontInfo(e.Font()).family() + u' ' + c));
        QCOMPARE(e.CharWidth(), QFontMetrics(e.Font()).horizontalAdvance(QStringLiteral("ώ")));
    }
}

QTEST_MAIN(TestSyntaxEdit)
#include "tst_SyntaxEdit.moc"
