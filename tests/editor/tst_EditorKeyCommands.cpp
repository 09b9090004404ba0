// The keystroke table: every listed key reaches its command, with no key listed twice.
#include <QTest>

#include <set>
#include <utility>

#include "editor/EditorKeyCommands.h"

using namespace kalmira;

Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

class TestEditorKeyCommands final : public QObject {
    Q_OBJECT
private slots:
    void keysReachTheirCommands_data();
    void keysReachTheirCommands();
    void noKeyIsListedTwice();
    void typingIsToldFromCommands();
};

void TestEditorKeyCommands::keysReachTheirCommands_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("command");
    const Qt::KeyboardModifiers none = Qt::NoModifier, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier,
                                alt = Qt::AltModifier, shiftCtrl = shift | ctrl, shiftAlt = shift | alt;
    const auto row = [](const char* name, int key, Qt::KeyboardModifiers mods, int command) {
        QTest::newRow(name) << key << mods << command;
    };
    row("Up", Qt::Key_Up, none, ecUp);
    row("Shift+Down", Qt::Key_Down, shift, ecSelDown);
    row("Home", Qt::Key_Home, none, ecLineStart);
    row("Shift+End", Qt::Key_End, shift, ecSelLineEnd);
    row("PgDn", Qt::Key_PageDown, none, ecPageDown);
    row("Shift+PgUp", Qt::Key_PageUp, shift, ecSelPageUp);
    row("Ctrl+Left", Qt::Key_Left, ctrl, ecWordLeft);
    row("Shift+Ctrl+Right", Qt::Key_Right, shiftCtrl, ecSelWordRight);
    row("Ctrl+Up", Qt::Key_Up, ctrl, ecScrollUp);
    row("Ctrl+Down", Qt::Key_Down, ctrl, ecScrollDown);
    row("Ctrl+PgUp", Qt::Key_PageUp, ctrl, ecPageTop);
    row("Shift+Ctrl+PgDn", Qt::Key_PageDown, shiftCtrl, ecSelPageBottom);
    row("Ctrl+Home", Qt::Key_Home, ctrl, ecEditorTop);
    row("Shift+Ctrl+End", Qt::Key_End, shiftCtrl, ecSelEditorBottom);
    row("Ins", Qt::Key_Insert, none, ecToggleMode);
    row("Ctrl+V", Qt::Key_V, ctrl, ecPaste);
    row("Shift+Ins", Qt::Key_Insert, shift, ecPaste);
    row("Del", Qt::Key_Delete, none, ecDeleteChar);
    row("Backspace", Qt::Key_Backspace, none, ecDeleteLastChar);
    row("Ctrl+Backspace", Qt::Key_Backspace, ctrl, ecDeleteLastWord);
    row("Ctrl+Z", Qt::Key_Z, ctrl, ecUndo);
    row("Alt+Backspace", Qt::Key_Backspace, alt, ecUndo);
    row("Shift+Ctrl+Z", Qt::Key_Z, shiftCtrl, ecRedo);
    row("Shift+Alt+Backspace", Qt::Key_Backspace, shiftAlt, ecRedo);
    row("Enter", Qt::Key_Return, none, ecLineBreak);
    row("keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, ecLineBreak);
    row("Ctrl+M", Qt::Key_M, ctrl, ecLineBreak);
    row("Ctrl+A", Qt::Key_A, ctrl, ecSelectAll);
    row("Ctrl+C", Qt::Key_C, ctrl, ecCopy);
    row("Ctrl+Ins", Qt::Key_Insert, ctrl, ecCopy);
    row("Ctrl+X", Qt::Key_X, ctrl, ecCut);
    row("Shift+Del", Qt::Key_Delete, shift, ecCut);
    row("Shift+Ctrl+I", Qt::Key_I, shiftCtrl, ecBlockIndent);
    row("Shift+Ctrl+U", Qt::Key_U, shiftCtrl, ecBlockUnindent);
    row("Ctrl+N", Qt::Key_N, ctrl, ecInsertLine);
    row("Ctrl+T", Qt::Key_T, ctrl, ecDeleteWord);
    row("Ctrl+Del", Qt::Key_Delete, ctrl, ecDelete);
    row("Ctrl+Y", Qt::Key_Y, ctrl, ecDeleteLine);
    row("Shift+Ctrl+Y", Qt::Key_Y, shiftCtrl, ecDeleteEOL);
    row("Ctrl+0", Qt::Key_0, ctrl, ecGotoMarker0);
    row("Ctrl+7", Qt::Key_7, ctrl, ecGotoMarker0 + 7);
    row("Shift+Ctrl+9", Qt::Key_9, shiftCtrl, ecToggleMarker9);
    // Shift turns the digit keys into symbols on the usual layouts.
    row("Shift+Ctrl+0 as )", Qt::Key_ParenRight, shiftCtrl, ecToggleMarker0);
    row("Shift+Ctrl+3 as #", Qt::Key_NumberSign, shiftCtrl, ecToggleMarker0 + 3);
    // With the Greek layout on, Ctrl+Z arrives as Ctrl+Ζ and Ctrl+V as Ctrl+Ω.
    row("Ctrl+Ζ", 0x0396, ctrl, ecUndo);
    row("Ctrl+ω", 0x03C9, ctrl, ecPaste);
    row("Shift+Ctrl+Ψ", 0x03A8, shiftCtrl, ecNone);
    // Not in the table.
    row("plain letter", Qt::Key_A, none, ecNone);
    row("Shift+# without Ctrl", Qt::Key_NumberSign, shift, ecNone);
    row("Ctrl+Shift+Up", Qt::Key_Up, shiftCtrl, ecNone);
    row("Esc", Qt::Key_Escape, none, ecNone);
}

void TestEditorKeyCommands::keysReachTheirCommands()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, command);
    QCOMPARE(CommandForKey(DefaultKeystrokes(), key, modifiers), command);
}

void TestEditorKeyCommands::noKeyIsListedTwice()
{
    std::set<std::pair<int, int>> seen;
    for (const TKeystroke& k : DefaultKeystrokes())
        QVERIFY2(seen.insert({k.Key, static_cast<int>(k.Modifiers)}).second, qPrintable(QString::number(k.Key)));
    // Ten bookmarks, each with its go-to and its toggle key.
    int markers = 0;
    for (const TKeystroke& k : DefaultKeystrokes())
        markers += (k.Command >= ecGotoMarker0 && k.Command <= ecToggleMarker9) ? 1 : 0;
    QCOMPARE(markers, 20);
}

void TestEditorKeyCommands::typingIsToldFromCommands()
{
    QVERIFY(IsTypedText(QStringLiteral("ά"), Qt::NoModifier));
    QVERIFY(IsTypedText(QStringLiteral("Σ"), Qt::ShiftModifier));
    QVERIFY(IsTypedText(QStringLiteral("€"), Qt::ControlModifier | Qt::AltModifier));  // AltGr
    QVERIFY(!IsTypedText(QStringLiteral("n"), Qt::ControlModifier));
    QVERIFY(!IsTypedText(QStringLiteral("\x1b"), Qt::NoModifier));
    QVERIFY(!IsTypedText(QStringLiteral("\t"), Qt::NoModifier));
    QVERIFY(!IsTypedText(QString(), Qt::NoModifier));
}

QTEST_GUILESS_MAIN(TestEditorKeyCommands)
#include "tst_EditorKeyCommands.moc"
