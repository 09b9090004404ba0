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
using namespace Qt::StringLiterals;

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
    void textIsLinesAndOnlyUserEditsRaiseOnChange();
    void caretEvents();
    void processCommandCanChangeOrCancel();
    void keysCarryOutTheirCommands();
    void undoDepthAndGrouping();
    void bookmarksFollowTheirLines();
    void bookmarkKeys();
    void markedLineIsPaintedInItsColours();
    void searchAndReplace();
    void readOnlyRefusesEdits();
    void typingOptions();
    void fontShowsGreekAtFixedPitch();
};

// Setting the text is no edit of the user's: it raises no OnChange and leaves nothing to undo.
void TestSyntaxEdit::textIsLinesAndOnlyUserEditsRaiseOnChange()
{
    TSyntaxEdit e;
    QSignalSpy changes(&e, &TSyntaxEdit::OnChange);
    e.SetText(u"Αρχή\r\n  Γράψε 'α'\nΤέλος"_s);
    QCOMPARE(e.Lines(), (QStringList{u"Αρχή"_s, u"  Γράψε 'α'"_s, u"Τέλος"_s}));
    QCOMPARE(e.Text(), u"Αρχή\r\n  Γράψε 'α'\r\nΤέλος\r\n"_s);
    QCOMPARE(e.Line(5), QString());
    e.SetText(QString());
    QCOMPARE(e.Text(), QString());
    e.AppendLine(QString());
    e.AppendLine(u"β"_s);
    QCOMPARE(e.Text(), u"\r\nβ\r\n"_s);
    e.SetLines({u"γ"_s, u"y\r\nz"_s});  // a line holds no line break
    QCOMPARE(e.Lines(), (QStringList{u"γ"_s, u"y z"_s}));
    e.SetCaretXY({1, 0});
    QCOMPARE(changes.count(), 0);
    QVERIFY(!e.Modified());
    QVERIFY(!e.CanUndo());

    Type(e, u"ά"_s);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.last().at(0).value<TSyntaxEdit*>(), &e);
    QVERIFY(e.Modified());
    e.SetSelection(0, 2);
    e.SetSelText(u"ε"_s);
    QCOMPARE(changes.count(), 2);
    QCOMPARE(e.Text(), u"ε\r\ny z\r\n"_s);
    e.Undo();
    QCOMPARE(changes.count(), 3);
    QCOMPARE(e.Text(), u"γά\r\ny z\r\n"_s);

    // The flag is the window's to clear; setting the text leaves it alone.
    e.SetModified(false);
    e.SetText(u"ζ"_s);
    QVERIFY(!e.Modified());
    QCOMPARE(changes.count(), 3);
}

void TestSyntaxEdit::caretEvents()
{
    TSyntaxEdit e;
    e.SetText(u"Αρχή\r\n  Γράψε\r\n"_s);
    QSignalSpy caret(&e, &TSyntaxEdit::OnCaretChange);
    e.SetCaretXY({3, 1});
    QCOMPARE(caret.count(), 1);
    QCOMPARE(caret.last().mid(1), (QVariantList{3, 1}));
    Key(e, Qt::Key_End);
    QCOMPARE(caret.last().at(1).toInt(), 7);
    // One event per keystroke, however many changes the keystroke makes.
    Type(e, u"x"_s);
    QCOMPARE(caret.count(), 3);
    QCOMPARE(e.CaretXY(), (TBufferCoord{8, 1}));
    e.SetSelection(2, 9);
    QCOMPARE(e.SelText(), u"χή\r\n  Γ"_s);
    QCOMPARE(e.CaretXY(), (TBufferCoord{3, 1}));
    e.SetCaretXY({99, 99});  // clamped to the end of the last line
    QCOMPARE(e.CaretXY(), (TBufferCoord{8, 1}));
}

void TestSyntaxEdit::processCommandCanChangeOrCancel()
{
    TSyntaxEdit e;
    e.SetText(u"α\r\nβ\r\nγ"_s);
    QList<int> seen;
    connect(&e, &TSyntaxEdit::OnProcessCommand, this, [&](TSyntaxEdit*, int& command, QChar& ch) {
        seen << command;
        if (command == ecDeleteLine)
            command = ecNone;
        if (command == ecChar && ch == u'x')
            ch = u'ψ';
    });
    Key(e, Qt::Key_Y, Ctrl);
    e.ExecuteCommand(ecDeleteLine);
    QCOMPARE(e.LineCount(), 3);
    QCOMPARE(seen, (QList<int>{ecDeleteLine, ecDeleteLine}));
    Type(e, u"x"_s);
    QCOMPARE(e.Line(0), u"ψα"_s);  // (the window's status bar follows Ins through this event)
}

void TestSyntaxEdit::keysCarryOutTheirCommands()
{
    TSyntaxEdit e;
    e.SetText(u"Πρόγραμμα Α\r\nΑρχή\r\n  Γράψε 'γεια', x\r\nΤέλος"_s);
    e.SetCaretXY({2, 2});
    Key(e, Qt::Key_Y, ShiftCtrl);  // to the end of the line
    QCOMPARE(e.Line(2), u"  "_s);
    Key(e, Qt::Key_Z, Ctrl);
    QCOMPARE(e.Line(2), u"  Γράψε 'γεια', x"_s);
    Key(e, Qt::Key_T, Ctrl);  // the word at the caret
    QCOMPARE(e.Line(2), u"  γεια', x"_s);
    Key(e, Qt::Key_End);
    Key(e, Qt::Key_Backspace, Ctrl);  // the word before the caret
    QCOMPARE(e.Line(2), u"  γεια', "_s);
    Key(e, Qt::Key_Left, ShiftCtrl);
    QCOMPARE(e.SelText(), u"γεια', "_s);
    Key(e, Qt::Key_Delete);
    QCOMPARE(e.Line(2), u"  "_s);

    e.SetCaretXY({0, 1});
    Key(e, Qt::Key_Y, Ctrl);  // the whole line
    QCOMPARE(e.LineCount(), 3);
    QCOMPARE(e.Line(1), u"  "_s);
    QCOMPARE(e.CaretXY(), (TBufferCoord{0, 1}));

    e.SetCaretXY({5, 0});
    Key(e, Qt::Key_N, Ctrl);  // a line break, the caret staying
    QCOMPARE(e.Line(0), u"Πρόγρ"_s);
    QCOMPARE(e.Line(1), u"αμμα Α"_s);
    QCOMPARE(e.CaretXY(), (TBufferCoord{5, 0}));
    Key(e, Qt::Key_Delete);  // at the end of a line, joins the next
    QCOMPARE(e.Line(0), u"Πρόγραμμα Α"_s);

    Key(e, Qt::Key_Right, Ctrl);
    QCOMPARE(e.CaretXY(), (TBufferCoord{10, 0}));
    Key(e, Qt::Key_A, Ctrl);
    QCOMPARE(e.SelText() + u"\r\n"_s, e.Text());
    Key(e, Qt::Key_I, ShiftCtrl);  // indent the selected lines by one level
    QCOMPARE(e.Lines(), (QStringList{"  Πρόγραμμα Α", "    ", "  Τέλος"}));
    Key(e, Qt::Key_U, ShiftCtrl);
    Key(e, Qt::Key_U, ShiftCtrl);
    QCOMPARE(e.Lines(), (QStringList{"Πρόγραμμα Α", "", "Τέλος"}));
}

void TestSyntaxEdit::undoDepthAndGrouping()
{
    TSyntaxEdit e;
    e.SetMaxUndo(3);
    e.SetText(u"αβγδε"_s);
    for (QChar psnfio : u"12345"_s) {  // five separate edits: the caret moves between them
        Type(e, psnfio);
        Key(e, Qt::Key_Right);
    }
    QCOMPARE(e.Line(0), u"1α2β3γ4δ5ε"_s);
    for (int i = 0; i < 4; ++i)
        Key(e, Qt::Key_Z, Ctrl);  // the fourth finds nothing left
    QCOMPARE(e.Line(0), u"1α2βγδε"_s);
    QVERIFY(!e.CanUndo());
    for (int i = 0; i < 3; ++i)
        Key(e, Qt::Key_Z, ShiftCtrl);
    QCOMPARE(e.Line(0), u"1α2β3γ4δ5ε"_s);
    QVERIFY(!e.CanRedo());

    // Typing undoes as one step, and so do the Backspaces after it.
    e.SetMaxUndo(10);
    e.SetText(u"Αρχή"_s);
    Key(e, Qt::Key_End);
    Type(e, u" Γράψε"_s);
    Key(e, Qt::Key_Backspace);
    Key(e, Qt::Key_Backspace);
    QCOMPARE(e.Line(0), u"Αρχή Γρά"_s);
    e.Undo();
    QCOMPARE(e.Line(0), u"Αρχή Γράψε"_s);
    e.Undo();
    QCOMPARE(e.Line(0), u"Αρχή"_s);
    QVERIFY(!e.CanUndo());
    e.SetOptions(e.Options() & ~TEditorOptions(eoGroupUndo));
    Type(e, u"αβ"_s);
    e.Undo();
    QCOMPARE(e.Line(0), u"Αρχήα"_s);
    e.SetMaxUndo(0);  // keeps nothing
    Type(e, u"6"_s);
    QVERIFY(!e.CanUndo());
}

void TestSyntaxEdit::bookmarksFollowTheirLines()
{
    TSyntaxEdit e;
    e.SetText(u"α\r\nβ\r\nγ\r\nδ"_s);
    e.SetBookMark(2, 2);
    const auto markedText = [&] { return e.Line(e.BookMarkLine(2)); };

    e.SetCaretXY({1, 0});
    Key(e, Qt::Key_Return);  // a line opened above
    QCOMPARE(e.BookMarkLine(2), 3);
    e.SetCaretXY({0, 3});
    Key(e, Qt::Key_Return);  // a line opened right at the marked line's start
    QCOMPARE(e.BookMarkLine(2), 4);
    QCOMPARE(markedText(), u"γ"_s);
    e.SetCaretXY({0, 0});
    Key(e, Qt::Key_Y, Ctrl);  // a line deleted above
    QCOMPARE(e.BookMarkLine(2), 3);
    e.SetCaretXY({0, 0});
    e.SetSelText(u"x\r\ny\r\n"_s);  // lines pasted above
    QCOMPARE(e.BookMarkLine(2), 5);
    QCOMPARE(markedText(), u"γ"_s);
    Key(e, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(e.Lines(), (QStringList{"x", "y", "", "β", "", "γ", "δ"}));
    e.SetCaretXY({0, 5});
    Key(e, Qt::Key_Backspace);  // joined onto the empty line above
    QCOMPARE(e.BookMarkLine(2), 4);
    QCOMPARE(markedText(), u"γ"_s);
    e.SetCaretXY({0, 2});
    Key(e, Qt::Key_Down, Qt::ShiftModifier);
    Key(e, Qt::Key_Down, Qt::ShiftModifier);
    Key(e, Qt::Key_Delete);  // two whole lines selected and deleted above
    QCOMPARE(e.BookMarkLine(2), 2);
    QCOMPARE(markedText(), u"γ"_s);
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
    e.SetText(u"α\r\nβ\r\nγ\r\nδ"_s);
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
    e.SetText(u"Πρόγραμμα α\r\nΑρχή\r\n  Γράψε 1\r\n  Γράψε 2\r\nΤέλος"_s);
    const QColor xrwma(0xC0, 0x10, 0x20);
    e.SetMarkColor({xrwma, Qt::white});
    e.SetRightMargin(0);
    e.resize(420, 260);
    e.show();
    QVERIFY(QTest::qWaitForWindowExposed(&e));
    const int ypsos = QFontMetrics(e.Font()).lineSpacing();
    const auto snmadeumevn = [&](int grammn) {
        return QColor(e.grab().toImage().pixel(e.width() - 40, 4 + grammn * ypsos + ypsos / 2)) == xrwma;
    };
    e.SetMarkLine(-7);
    QCOMPARE(e.MarkLine(), -1);
    QVERIFY(!snmadeumevn(2));
    e.SetMarkLine(2);
    QVERIFY(snmadeumevn(2) && !snmadeumevn(1) && !snmadeumevn(3));
    e.SetMarkLine(3);  // one marked line: the old mark goes
    QVERIFY(!snmadeumevn(2) && snmadeumevn(3));
    e.SetMarkLine(50);  // beyond the text: nothing to paint, nothing to fail
    QVERIFY(!snmadeumevn(3));
}

// The editor's part of a search (the matching rules are FindText's): the match is selected, the
// next search starts after it, and backwards the caret goes to the match's start.
void TestSyntaxEdit::searchAndReplace()
{
    TSyntaxEdit e;
    e.SetText(u"Γράψε α\r\nγράψε β\r\nΓράψεΤώρα"_s);
    e.SetCaretXY({0, 1});
    QCOMPARE(e.SearchReplace(u"γράψε"_s, QString(), {}), 1);
    QCOMPARE(e.SelStart(), 9);
    QCOMPARE(e.SelEnd(), 14);
    QCOMPARE(e.SearchReplace(u"γράψε"_s, QString(), {}), 1);
    QCOMPARE(e.SelStart(), 18);
    QCOMPARE(e.SearchReplace(u"γράψε"_s, QString(), ssoEntireScope | ssoWholeWord | ssoBackwards), 1);
    QCOMPARE(e.SelStart(), 9);
    QCOMPARE(e.CaretXY(), (TBufferCoord{0, 1}));
    QCOMPARE(e.SearchReplace(u"Διάβασε"_s, QString(), ssoEntireScope), 0);
    QCOMPARE(e.SelStart(), 9);  // nothing found: the selection stays
    QCOMPARE(e.SelEnd(), 14);

    e.SetText(u"α β α βα α"_s);
    QSignalSpy changes(&e, &TSyntaxEdit::OnChange);
    QCOMPARE(e.SearchReplace(u"α"_s, u"γγ"_s, ssoEntireScope | ssoReplaceAll | ssoWholeWord), 3);
    QCOMPARE(e.Line(0), u"γγ β γγ βα γγ"_s);
    QCOMPARE(changes.count(), 1);
    e.Undo();  // all the replacements at once
    QCOMPARE(e.Line(0), u"α β α βα α"_s);
    e.SetSelection(0, 5);
    QCOMPARE(e.SearchReplace(u"α"_s, u"δ"_s, ssoReplaceAll | ssoSelectedOnly), 2);
    QCOMPARE(e.Line(0), u"δ β δ βα α"_s);
    // A match already selected by the search before is the one replaced.
    e.SetCaretXY({0, 0});
    e.SearchReplace(u"β"_s, QString(), {});
    QCOMPARE(e.SearchReplace(u"β"_s, u"Β"_s, ssoReplace), 1);
    QCOMPARE(e.Line(0), u"δ Β δ βα α"_s);

    // Asked before each replacement: skip the first, then replace the rest without asking.
    e.SetText(u"α α α α"_s);
    int asked = 0;
    connect(&e, &TSyntaxEdit::OnReplaceText, this, [&](TSyntaxEdit*, const QString&, const QString&, int, int, int& action) {
        action = ++asked == 1 ? raSkip : raReplaceAll;
    });
    QCOMPARE(e.SearchReplace(u"α"_s, u"ω"_s, ssoEntireScope | ssoReplace | ssoPrompt), 3);
    QCOMPARE(asked, 2);
    QCOMPARE(e.Line(0), u"α ω ω ω"_s);
}

void TestSyntaxEdit::readOnlyRefusesEdits()
{
    TSyntaxEdit e;
    e.SetText(u"Γεια σου κόσμε"_s);
    e.SetOptions(e.Options() | eoReadOnly);
    QSignalSpy changes(&e, &TSyntaxEdit::OnChange);
    QGuiApplication::clipboard()->setText(u"επικόλληση"_s);
    Type(e, u"x"_s);
    Key(e, Qt::Key_Backspace);
    Key(e, Qt::Key_Return);
    Key(e, Qt::Key_Y, Ctrl);
    Key(e, Qt::Key_V, Ctrl);
    e.SetSelText(u"y"_s);
    e.ClearAll();
    QCOMPARE(e.SearchReplace(u"σου"_s, u"μου"_s, ssoEntireScope | ssoReplaceAll), 0);
    QCOMPARE(e.Text(), u"Γεια σου κόσμε\r\n"_s);
    QCOMPARE(changes.count(), 0);
    QVERIFY(!e.CanUndo());
    // Reading still works.
    Key(e, Qt::Key_End, Qt::ShiftModifier);
    Key(e, Qt::Key_C, Ctrl);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"Γεια σου κόσμε"_s);
}

// Auto indent and unindent, smart tabs, the line length limit and overwrite, each on and off.
void TestSyntaxEdit::typingOptions()
{
    TSyntaxEdit e;
    e.SetOptions(e.Options() | eoAutoIndent | eoAutoUnindent);
    e.SetText(u"Αρχή\r\n  Αν α τότε\r\n    Γράψε α"_s);
    e.SetCaretXY({11, 2});
    Key(e, Qt::Key_Return);
    QCOMPARE(e.Line(3), u"    "_s);
    QCOMPARE(e.CaretXY(), (TBufferCoord{4, 3}));
    Key(e, Qt::Key_Backspace);  // back to the indent of "Αν"
    QCOMPARE(e.Line(3), u"  "_s);
    Key(e, Qt::Key_Backspace);  // back to the indent of "Αρχή"
    QCOMPARE(e.Line(3), QString());
    Key(e, Qt::Key_Backspace);
    QCOMPARE(e.LineCount(), 3);
    e.SetOptions(e.Options() & ~TEditorOptions(eoAutoUnindent));
    Key(e, Qt::Key_Return);
    Key(e, Qt::Key_Backspace);
    QCOMPARE(e.Line(3), u"   "_s);
    e.SetOptions(e.Options() & ~TEditorOptions(eoAutoIndent));
    Key(e, Qt::Key_Return);
    QCOMPARE(e.Line(4), QString());

    e.SetOptions(e.Options() | eoWantTabs | eoSmartTabs);
    e.SetText(u"  Γράψε α\r\n"_s);
    Key(e, Qt::Key_End, Ctrl);
    Key(e, Qt::Key_Return);  // no auto indent now: an empty line
    QWidget& keys = *e.focusProxy();  // where the keyboard's Tab really arrives
    Key(keys, Qt::Key_Tab);
    QCOMPARE(e.Line(1), u"  "_s);
    Key(keys, Qt::Key_Tab);
    QCOMPARE(e.Line(1), u"        "_s);
    Key(keys, Qt::Key_Tab);  // nothing further right on the line above
    QCOMPARE(e.Line(1), u"        \t"_s);
    e.SetOptions(e.Options() & ~TEditorOptions(eoSmartTabs));
    Key(keys, Qt::Key_Tab);
    QCOMPARE(e.Line(1), u"        \t\t"_s);

    e.SetMaxRightChar(5);
    e.SetText(u"αβγ"_s);
    Key(e, Qt::Key_End);
    Type(e, u"δεζη"_s);
    QCOMPARE(e.Line(0), u"αβγδε"_s);
    Key(e, Qt::Key_Insert);
    e.SetCaretXY({1, 0});
    Type(e, u"XY"_s);
    QCOMPARE(e.Line(0), u"αXYδε"_s);
    Key(e, Qt::Key_End);
    Type(e, u"Z"_s);  // overwriting at the end of a full line would lengthen it
    QCOMPARE(e.Line(0), u"αXYδε"_s);
}

void TestSyntaxEdit::fontShowsGreekAtFixedPitch()
{
    for (const QString& family : {u"Courier New"_s, u"Καμία τέτοια γραμματοσειρά"_s}) {
        TSyntaxEdit e;
        e.SetFont(QFont(family, 11));
        QVERIFY(QFontInfo(e.Font()).fixedPitch());
        const QRawFont raw = QRawFont::fromFont(e.Font());
        for (QChar c : u"ΐΰϊώΏ←≠≤≥"_s)
            QVERIFY2(raw.supportsCharacter(c), qPrintable(QFontInfo(e.Font()).family() + u' ' + c));
        QCOMPARE(e.CharWidth(), QFontMetrics(e.Font()).horizontalAdvance(u"ώ"_s));
    }
}

QTEST_MAIN(TestSyntaxEdit)
#include "tst_SyntaxEdit.moc"
