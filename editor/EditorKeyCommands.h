// The editor's command codes and the table that turns keystrokes into them. Both are plain data,
// so that the table can be checked without a widget.
#pragma once

#include <QString>
#include <Qt>

#include <vector>

namespace kalmira {

// Command codes. The numbers are part of the control's interface: the window compares them in its
// command handler and may execute any of them by code.
enum : int {
    ecNone = 0,

    // Caret movement.
    ecLeft = 1,
    ecRight = 2,
    ecUp = 3,
    ecDown = 4,
    ecWordLeft = 5,
    ecWordRight = 6,
    ecLineStart = 7,
    ecLineEnd = 8,
    ecPageUp = 9,
    ecPageDown = 10,
    ecPageLeft = 11,
    ecPageRight = 12,
    ecPageTop = 13,
    ecPageBottom = 14,
    ecEditorTop = 15,
    ecEditorBottom = 16,
    ecGoto = 17,

    // The same movements, extending the selection.
    ecSelection = 100,
    ecSelLeft = ecLeft + ecSelection,
    ecSelRight = ecRight + ecSelection,
    ecSelUp = ecUp + ecSelection,
    ecSelDown = ecDown + ecSelection,
    ecSelWordLeft = ecWordLeft + ecSelection,
    ecSelWordRight = ecWordRight + ecSelection,
    ecSelLineStart = ecLineStart + ecSelection,
    ecSelLineEnd = ecLineEnd + ecSelection,
    ecSelPageUp = ecPageUp + ecSelection,
    ecSelPageDown = ecPageDown + ecSelection,
    ecSelPageLeft = ecPageLeft + ecSelection,
    ecSelPageRight = ecPageRight + ecSelection,
    ecSelPageTop = ecPageTop + ecSelection,
    ecSelPageBottom = ecPageBottom + ecSelection,
    ecSelEditorTop = ecEditorTop + ecSelection,
    ecSelEditorBottom = ecEditorBottom + ecSelection,
    ecSelGoto = ecGoto + ecSelection,
    ecSelectAll = 199,

    // Editing.
    ecDeleteLastChar = 401,
    ecDeleteChar = 402,
    ecDeleteWord = 403,
    ecDeleteLastWord = 404,
    ecDeleteBOL = 405,
    ecDeleteEOL = 406,
    ecDeleteLine = 407,
    ecClearAll = 408,
    ecLineBreak = 409,
    ecInsertLine = 410,
    ecChar = 411,

    ecUndo = 601,
    ecRedo = 602,
    ecCut = 603,
    ecCopy = 604,
    ecPaste = 605,
    ecScrollUp = 606,
    ecScrollDown = 607,
    ecScrollLeft = 608,
    ecScrollRight = 609,
    ecInsertMode = 610,
    ecOverwriteMode = 611,
    ecToggleMode = 612,
    ecBlockIndent = 613,
    ecBlockUnindent = 614,
    ecDelete = 615,

    // Bookmarks 0 to 9.
    ecGotoMarker0 = 701,
    ecGotoMarker9 = 710,
    ecToggleMarker0 = 751,
    ecToggleMarker9 = 760,

    // The first code free for the window's own commands.
    ecUserFirst = 1001,
};

// One entry of a keystroke table: a key with its modifiers and the command it carries out.
struct TKeystroke {
    int Key;
    Qt::KeyboardModifiers Modifiers;
    int Command;
};

using TKeystrokes = std::vector<TKeystroke>;

// The table every editor starts with.
const TKeystrokes& DefaultKeystrokes();

// The command of a key in a table, or ecNone. The keypad flag is ignored; Shift with a shifted
// digit (Shift+Ctrl+1 arrives as "!") and Ctrl or Alt with a Greek letter (the Greek layout) are
// looked up as the digit or the Latin letter on the same key.
int CommandForKey(const TKeystrokes& table, int key, Qt::KeyboardModifiers modifiers);

// Whether a key's text is typing: printable characters, without Ctrl or Alt (both together are
// AltGr on some systems). Typing beats the window's shortcuts; every other key leaves them first go.
bool IsTypedText(const QString& text, Qt::KeyboardModifiers modifiers);

// The key under a shifted digit symbol on the usual layouts, or the key unchanged.
int UnshiftedDigitKey(int key);
// The Latin letter key on which the standard Greek layout has this Greek letter, or the key
// unchanged.
int LatinKeyOfGreekLetter(int key);

}  // namespace kalmira
