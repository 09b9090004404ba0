// The keystroke table: keys reach their commands, shifted digits and Greek letters included, and
// no key is listed twice.
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
                                shiftCtrl = shift | ctrl;
    const auto row = [](const char* name, int key, Qt::KeyboardModifiers mods, int command) {
        QTest::newRow(name) << key << mods << command;
    };
    // The keypad's Enter is the main one; digits reach the bookmark commands in order.
    row("keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, ecLineBreak);
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

// No key is listed twice; ten bookmarks, each with its go-to and its toggle key.
void TestEditorKeyCommands::noKeyIsListedTwice()
{
    std::set<std::pair<int, int>> seen;
    int markers = 0;
    for (const TKeystroke& k : DefaultKeystrokes()) {
        QVERIFY2(seen.insert({k.Key, static_cast<int>(k.Modifiers)}).second, qPrintable(QString::number(k.Key)));
        markers += (k.Command >= ecGotoMarker0 && k.Command <= ecToggleMarker9) ? 1 : 0;
    }
    QCOMPARE(markers, 20);
}

void TestEditorKeyCommands::typingIsToldFromCommands()
{
    QVERIFY(IsTypedText(QStringLiteral("Σ"), Qt::ShiftModifier));
    QVERIFY(IsTypedText(QStringLiteral("€"), Qt::ControlModifier | Qt::AltModifier));  // AltGr
    QVERIFY(!IsTypedText(QStringLiteral("n"), Qt::ControlModifier));
    for (const QString& text : {QStringLiteral("\x1b"), QStringLiteral("\t"), QString()})
        QVERIFY(!IsTypedText(text, Qt::NoModifier));
}

QTEST_GUILESS_MAIN(TestEditorKeyCommands)
#include "tst_EditorKeyCommands.moc"
