#include "editor/EditorKeyCommands.h"

#include <algorithm>
#include <array>

namespace kalmira {

namespace {

constexpr Qt::KeyboardModifiers None = Qt::NoModifier;
constexpr Qt::KeyboardModifiers Shift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers Ctrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers Alt = Qt::AltModifier;
constexpr Qt::KeyboardModifiers ShiftCtrl = Qt::ShiftModifier | Qt::ControlModifier;
constexpr Qt::KeyboardModifiers ShiftAlt = Qt::ShiftModifier | Qt::AltModifier;

// The fixed part of the table; the bookmark keys are added in a loop.
constexpr std::array FixedKeystrokes{
    // Movement, and with Shift the selecting variants.
    TKeystroke{Qt::Key_Up, None, ecUp},
    TKeystroke{Qt::Key_Up, Shift, ecSelUp},
    TKeystroke{Qt::Key_Up, Ctrl, ecScrollUp},
    TKeystroke{Qt::Key_Down, None, ecDown},
    TKeystroke{Qt::Key_Down, Shift, ecSelDown},
    TKeystroke{Qt::Key_Down, Ctrl, ecScrollDown},
    TKeystroke{Qt::Key_Left, None, ecLeft},
    TKeystroke{Qt::Key_Left, Shift, ecSelLeft},
    TKeystroke{Qt::Key_Left, Ctrl, ecWordLeft},
    TKeystroke{Qt::Key_Left, ShiftCtrl, ecSelWordLeft},
    TKeystroke{Qt::Key_Right, None, ecRight},
    TKeystroke{Qt::Key_Right, Shift, ecSelRight},
    TKeystroke{Qt::Key_Right, Ctrl, ecWordRight},
    TKeystroke{Qt::Key_Right, ShiftCtrl, ecSelWordRight},
    TKeystroke{Qt::Key_PageDown, None, ecPageDown},
    TKeystroke{Qt::Key_PageDown, Shift, ecSelPageDown},
    TKeystroke{Qt::Key_PageDown, Ctrl, ecPageBottom},
    TKeystroke{Qt::Key_PageDown, ShiftCtrl, ecSelPageBottom},
    TKeystroke{Qt::Key_PageUp, None, ecPageUp},
    TKeystroke{Qt::Key_PageUp, Shift, ecSelPageUp},
    TKeystroke{Qt::Key_PageUp, Ctrl, ecPageTop},
    TKeystroke{Qt::Key_PageUp, ShiftCtrl, ecSelPageTop},
    TKeystroke{Qt::Key_Home, None, ecLineStart},
    TKeystroke{Qt::Key_Home, Shift, ecSelLineStart},
    TKeystroke{Qt::Key_Home, Ctrl, ecEditorTop},
    TKeystroke{Qt::Key_Home, ShiftCtrl, ecSelEditorTop},
    TKeystroke{Qt::Key_End, None, ecLineEnd},
    TKeystroke{Qt::Key_End, Shift, ecSelLineEnd},
    TKeystroke{Qt::Key_End, Ctrl, ecEditorBottom},
    TKeystroke{Qt::Key_End, ShiftCtrl, ecSelEditorBottom},

    // Modes and the clipboard.
    TKeystroke{Qt::Key_Insert, None, ecToggleMode},
    TKeystroke{Qt::Key_Insert, Shift, ecPaste},
    TKeystroke{Qt::Key_Insert, Ctrl, ecCopy},
    TKeystroke{Qt::Key_V, Ctrl, ecPaste},
    TKeystroke{Qt::Key_C, Ctrl, ecCopy},
    TKeystroke{Qt::Key_X, Ctrl, ecCut},
    TKeystroke{Qt::Key_Delete, Shift, ecCut},

    // Deleting.
    TKeystroke{Qt::Key_Delete, None, ecDeleteChar},
    TKeystroke{Qt::Key_Delete, Ctrl, ecDelete},
    TKeystroke{Qt::Key_Backspace, None, ecDeleteLastChar},
    TKeystroke{Qt::Key_Backspace, Ctrl, ecDeleteLastWord},
    TKeystroke{Qt::Key_T, Ctrl, ecDeleteWord},
    TKeystroke{Qt::Key_Y, Ctrl, ecDeleteLine},
    TKeystroke{Qt::Key_Y, ShiftCtrl, ecDeleteEOL},

    // Undo and redo.
    TKeystroke{Qt::Key_Z, Ctrl, ecUndo},
    TKeystroke{Qt::Key_Backspace, Alt, ecUndo},
    TKeystroke{Qt::Key_Z, ShiftCtrl, ecRedo},
    TKeystroke{Qt::Key_Backspace, ShiftAlt, ecRedo},

    // Lines and blocks. The keypad's Enter is the same key as far as the user is concerned.
    TKeystroke{Qt::Key_Return, None, ecLineBreak},
    TKeystroke{Qt::Key_Enter, None, ecLineBreak},
    TKeystroke{Qt::Key_M, Ctrl, ecLineBreak},
    TKeystroke{Qt::Key_N, Ctrl, ecInsertLine},
    TKeystroke{Qt::Key_A, Ctrl, ecSelectAll},
    TKeystroke{Qt::Key_I, ShiftCtrl, ecBlockIndent},
    TKeystroke{Qt::Key_U, ShiftCtrl, ecBlockUnindent},
};

TKeystrokes BuildDefaultKeystrokes()
{
    TKeystrokes table(FixedKeystrokes.begin(), FixedKeystrokes.end());
    for (int n = 0; n <= 9; ++n) {
        table.push_back({Qt::Key_0 + n, Ctrl, ecGotoMarker0 + n});
        table.push_back({Qt::Key_0 + n, ShiftCtrl, ecToggleMarker0 + n});
    }
    return table;
}

int FindCommand(const TKeystrokes& table, int key, Qt::KeyboardModifiers modifiers)
{
    auto it = std::find_if(table.begin(), table.end(), [&](const TKeystroke& k) {
        return k.Key == key && k.Modifiers == modifiers;
    });
    return it == table.end() ? ecNone : it->Command;
}

// The Latin key of each Greek capital from Α (U+0391) to Ω (U+03A9) on the standard Greek layout;
// 0 where the layout has no letter (U+03A2 is unassigned; final sigma shares the W key but folds
// to Σ, which is on S).
constexpr std::array<char, 25> GreekLayout{
    'A', 'B', 'G', 'D', 'E', 'Z', 'H', 'U', 'I', 'K', 'L', 'M', 'N',
    'J', 'O', 'P', 'R', 0,   'S', 'T', 'Y', 'F', 'X', 'C', 'V',
};

}  // namespace

const TKeystrokes& DefaultKeystrokes()
{
    static const TKeystrokes table = BuildDefaultKeystrokes();
    return table;
}

int UnshiftedDigitKey(int key)
{
    switch (key) {
    case Qt::Key_ParenRight: return Qt::Key_0;
    case Qt::Key_Exclam: return Qt::Key_1;
    case Qt::Key_At: return Qt::Key_2;
    case Qt::Key_NumberSign: return Qt::Key_3;
    case Qt::Key_Dollar: return Qt::Key_4;
    case Qt::Key_Percent: return Qt::Key_5;
    case Qt::Key_AsciiCircum: return Qt::Key_6;
    case Qt::Key_Ampersand: return Qt::Key_7;
    case Qt::Key_Asterisk: return Qt::Key_8;
    case Qt::Key_ParenLeft: return Qt::Key_9;
    default: return key;
    }
}

int LatinKeyOfGreekLetter(int key)
{
    // Small letters arrive on some platforms; their capitals are 0x20 below (final sigma aside).
    if (key == 0x03C2)
        key = 0x03A3;
    else if (key >= 0x03B1 && key <= 0x03C9)
        key -= 0x20;
    if (key < 0x0391 || key > 0x03A9)
        return key;
    const char latin = GreekLayout[static_cast<std::size_t>(key - 0x0391)];
    return latin == 0 ? key : latin;
}

bool IsTypedText(const QString& text, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers mods = modifiers & (Qt::ControlModifier | Qt::AltModifier);
    if (mods != Qt::NoModifier && mods != (Qt::ControlModifier | Qt::AltModifier))
        return false;
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint() || c.isSurrogate(); });
}

int CommandForKey(const TKeystrokes& table, int key, Qt::KeyboardModifiers modifiers)
{
    modifiers &= ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
    int command = FindCommand(table, key, modifiers);
    if (command == ecNone && (modifiers & Qt::ShiftModifier))
        command = FindCommand(table, UnshiftedDigitKey(key), modifiers);
    if (command == ecNone && (modifiers & (Qt::ControlModifier | Qt::AltModifier)))
        command = FindCommand(table, LatinKeyOfGreekLetter(key), modifiers);
    return command;
}

}  // namespace kalmira
