// The commands of TSyntaxEdit: keys through the keystroke table, movement, editing, bookmarks,
// and search and replace.
#include "editor/SyntaxEditor.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstdlib>

namespace kalmira {

namespace {

constexpr int BlockIndentWidth = 2;  // the language indents each block by two blanks

bool IsMovement(int command)
{
    return (command >= ecLeft && command <= ecGoto) || (command >= ecSelLeft && command <= ecSelGoto);
}

// The end of the character at a position, a surrogate pair counting as one character.
int NextCharEnd(const QString& text, int index)
{
    if (index + 1 < text.size() && text[index].isHighSurrogate() && text[index + 1].isLowSurrogate())
        return index + 2;
    return index + 1;
}

int PreviousCharStart(const QString& text, int index)
{
    if (index >= 2 && text[index - 1].isLowSurrogate() && text[index - 2].isHighSurrogate())
        return index - 2;
    return index - 1;
}

}  // namespace

void TSyntaxEdit::keyPressEvent(QKeyEvent* event)
{
    event->setAccepted(HandleKey(event));
}

bool TSyntaxEdit::HandleKey(QKeyEvent* event)
{
    const int command = CommandForKey(keystrokes_, event->key(), event->modifiers());
    // With the bookmark keys off, their keys are not the editor's.
    if (command >= ecGotoMarker0 && command <= ecToggleMarker9 && !bookMarkOptions_.EnableKeys)
        return false;
    if (command != ecNone) {
        ExecuteCommand(command);
        return true;
    }
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        if (!(options_ & eoWantTabs))
            return false;
        if (event->key() == Qt::Key_Tab && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            ExecuteCommand(ecChar, QLatin1Char('\t'));
        return true;
    }
    if (!IsTypedText(event->text(), event->modifiers()))
        return false;
    for (QChar ch : event->text())
        ExecuteCommand(ecChar, ch);
    return true;
}

void TSyntaxEdit::ExecuteCommand(int command, QChar ch, TBufferCoord target)
{
    emit OnProcessCommand(this, command, ch);
    if (command != ecNone)
        DoCommand(command, ch, target);
}

void TSyntaxEdit::DoCommand(int command, QChar ch, TBufferCoord target)
{
    TEditScope scope(*this, command);
    if (IsMovement(command)) {
        MoveCaret(command, target);
        return;
    }
    switch (command) {
    case ecSelectAll: SelectAll(); return;
    case ecUndo: Undo(); break;
    case ecRedo: Redo(); break;
    case ecCut: CutToClipboard(); break;
    case ecCopy: CopyToClipboard(); return;
    case ecPaste: PasteFromClipboard(); break;
    case ecChar: TypeChar(ch); break;
    case ecLineBreak:
    case ecInsertLine: {
        if (!CanEdit())
            return;
        const QTextCursor cursor = Cursor();
        QString indent;
        if (options_ & eoAutoIndent && command == ecLineBreak)
            indent = LeadingBlanks(cursor.block().text()).left(cursor.positionInBlock()).toString();
        InsertAtCaret(QLatin1Char('\n') + indent, command == ecInsertLine);
        break;
    }
    case ecDeleteLastChar:
        if (CanEdit())
            DeleteBackwards();
        break;
    case ecDeleteChar:
    case ecDelete:
    case ecDeleteWord:
    case ecDeleteLastWord:
    case ecDeleteBOL:
    case ecDeleteEOL:
        if (CanEdit())
            DeleteCommand(command);
        break;
    case ecDeleteLine:
        if (CanEdit())
            DeleteLine();
        break;
    case ecClearAll: ClearAll(); break;
    case ecScrollUp:
    case ecScrollDown: {
        QScrollBar* bar = view_->verticalScrollBar();
        bar->setValue(bar->value() + (command == ecScrollUp ? -1 : 1));
        return;
    }
    case ecScrollLeft:
    case ecScrollRight: {
        QScrollBar* bar = view_->horizontalScrollBar();
        bar->setValue(bar->value() + (command == ecScrollLeft ? -CharWidth() : CharWidth()));
        return;
    }
    case ecInsertMode: SetInsertMode(true); return;
    case ecOverwriteMode: SetInsertMode(false); return;
    case ecToggleMode: SetInsertMode(!InsertMode()); return;
    case ecBlockIndent:
    case ecBlockUnindent:
        if (CanEdit())
            IndentBlock(command == ecBlockIndent);
        break;
    default:
        if (command >= ecGotoMarker0 && command <= ecGotoMarker9)
            GotoBookMark(command - ecGotoMarker0);
        else if (command >= ecToggleMarker0 && command <= ecToggleMarker9)
            ToggleBookMark(command - ecToggleMarker0);
        return;
    }
    EnsureCaretVisible();
}

// ---------------------------------------------------------------------------------------------
// Movement

void TSyntaxEdit::MoveCaret(int command, TBufferCoord target)
{
    const bool select = command > ecSelection;
    const auto mode = select ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
    QTextCursor cursor = Cursor();
    const int page = LinesPerPage();
    QScrollBar* vertical = view_->verticalScrollBar();
    switch (select ? command - ecSelection : command) {
    case ecLeft: cursor.movePosition(QTextCursor::Left, mode); break;
    case ecRight: cursor.movePosition(QTextCursor::Right, mode); break;
    case ecUp: MoveVertically(cursor, -1, select); break;
    case ecDown: MoveVertically(cursor, 1, select); break;
    case ecWordLeft: MoveByWord(cursor, false, select); break;
    case ecWordRight: MoveByWord(cursor, true, select); break;
    case ecLineStart: cursor.movePosition(QTextCursor::StartOfBlock, mode); break;
    case ecLineEnd: cursor.movePosition(QTextCursor::EndOfBlock, mode); break;
    case ecPageUp:
        MoveVertically(cursor, -page, select);
        vertical->setValue(vertical->value() - page);
        break;
    case ecPageDown:
        MoveVertically(cursor, page, select);
        vertical->setValue(vertical->value() + page);
        break;
    case ecPageLeft:
    case ecPageRight: {
        const int columns = std::max(1, view_->viewport()->width() / std::max(1, CharWidth()));
        const int column = cursor.positionInBlock() + (command % ecSelection == ecPageLeft ? -columns : columns);
        cursor.setPosition(cursor.block().position() + std::clamp(column, 0, cursor.block().length() - 1), mode);
        break;
    }
    case ecPageTop:
        MoveVertically(cursor, vertical->value() - cursor.blockNumber(), select);
        break;
    case ecPageBottom:
        MoveVertically(cursor, vertical->value() + page - 1 - cursor.blockNumber(), select);
        break;
    case ecEditorTop: cursor.movePosition(QTextCursor::Start, mode); break;
    case ecEditorBottom: cursor.movePosition(QTextCursor::End, mode); break;
    case ecGoto: {
        const QTextBlock block =
            Document()->findBlockByNumber(std::clamp(target.Line, 0, Document()->blockCount() - 1));
        cursor.setPosition(block.position() + std::clamp(target.Column, 0, block.length() - 1), mode);
        break;
    }
    default: return;
    }
    SetCursor(cursor);
    EnsureCaretVisible();
}

// Up and Down aim for the column where they started, so that a short line in between does not
// pull the caret to the left. With eoCursorThroughTabs that is the column as shown, tabs
// expanded; otherwise the character column.
void TSyntaxEdit::MoveVertically(QTextCursor& cursor, int lines, bool select)
{
    const auto mode = select ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
    if (lines == 0)
        return;
    if (options_ & eoCursorThroughTabs) {
        cursor.movePosition(lines < 0 ? QTextCursor::Up : QTextCursor::Down, mode, std::abs(lines));
        return;
    }
    if (stickyColumn_ < 0 || cursor.position() != stickyPosition_)
        stickyColumn_ = cursor.positionInBlock();
    const int line = std::clamp(cursor.blockNumber() + lines, 0, Document()->blockCount() - 1);
    const QTextBlock block = Document()->findBlockByNumber(line);
    cursor.setPosition(block.position() + std::min(stickyColumn_, block.length() - 1), mode);
    stickyPosition_ = cursor.position();
}

void TSyntaxEdit::MoveByWord(QTextCursor& cursor, bool forwards, bool select) const
{
    const auto mode = select ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
    const QTextBlock block = cursor.block();
    const QString text = block.text();
    const int column = cursor.positionInBlock();
    const auto isWordChar = [this](QChar c) { return IsWordChar(c); };
    // At either end of a line the move goes on to the next or previous line.
    if (forwards && column >= text.size()) {
        cursor.movePosition(QTextCursor::NextBlock, mode);
    } else if (!forwards && column == 0) {
        if (cursor.movePosition(QTextCursor::PreviousBlock, mode))
            cursor.movePosition(QTextCursor::EndOfBlock, mode);
    } else {
        const int target = forwards ? NextWordStart(text, column, isWordChar) : PreviousWordStart(text, column, isWordChar);
        cursor.setPosition(block.position() + target, mode);
    }
}

// ---------------------------------------------------------------------------------------------
// Editing

void TSyntaxEdit::TypeChar(QChar ch)
{
    if (!CanEdit())
        return;
    if (ch == u'\r' || ch == u'\n') {
        DoCommand(ecLineBreak, {}, {});
        return;
    }
    if (ch.isNull() || (ch.unicode() < 32 && ch != u'\t'))
        return;
    QTextCursor cursor = Cursor();
    const QString text = ch == u'\t' && (options_ & eoSmartTabs) ? SmartTab(cursor) : QString(ch);
    if (!cursor.hasSelection()) {
        const int length = cursor.block().length() - 1;
        const int column = cursor.positionInBlock();
        // In overwrite mode the typed text replaces as many characters as it has.
        const int replaced = InsertMode() ? 0 : std::min(static_cast<int>(text.size()), length - column);
        if (length + text.size() - replaced > maxRightChar_)
            return;  // the line is as long as it may be
        if (replaced > 0) {
            cursor.setPosition(cursor.position() + replaced, QTextCursor::KeepAnchor);
            SetCursor(cursor);
        }
    }
    InsertAtCaret(text);
}

// Blanks up to the next word start of the nearest non-empty line above, or a tab if that line
// has none to the right of the caret.
QString TSyntaxEdit::SmartTab(const QTextCursor& cursor) const
{
    const int column = cursor.positionInBlock();
    QTextBlock above = cursor.block().previous();
    while (above.isValid() && above.text().trimmed().isEmpty())
        above = above.previous();
    if (!above.isValid())
        return QStringLiteral("\t");
    const QString text = above.text();
    int i = column;
    while (i < text.size() && !text[i].isSpace())
        ++i;
    while (i < text.size() && text[i].isSpace())
        ++i;
    if (i <= column || i >= text.size())
        return QStringLiteral("\t");
    return QString(i - column, QLatin1Char(' '));
}

// Backspace. In the leading blanks of a line, with eoAutoUnindent, it goes back to the indent of
// the nearest line above that is indented less.
void TSyntaxEdit::DeleteBackwards()
{
    const QTextCursor cursor = Cursor();
    if (cursor.hasSelection()) {
        DeleteRange(cursor.selectionStart(), cursor.selectionEnd());
        return;
    }
    const int position = cursor.position();
    const int column = cursor.positionInBlock();
    const QTextBlock block = cursor.block();
    if (column == 0) {
        if (position > 0)
            DeleteRange(position - 1, position);
        return;
    }
    const QString text = block.text();
    if ((options_ & eoAutoUnindent) && LeadingBlanks(text).size() >= column) {
        int indent = 0;
        for (QTextBlock b = block.previous(); b.isValid(); b = b.previous()) {
            const QString above = b.text();
            const int aboveIndent = static_cast<int>(LeadingBlanks(above).size());
            if (aboveIndent < above.size() && aboveIndent < column) {
                indent = aboveIndent;
                break;
            }
        }
        DeleteRange(block.position() + indent, position);
        return;
    }
    DeleteRange(block.position() + PreviousCharStart(text, column), position);
}

void TSyntaxEdit::DeleteCommand(int command)
{
    const QTextCursor cursor = Cursor();
    if (cursor.hasSelection() && (command == ecDeleteChar || command == ecDelete)) {
        DeleteRange(cursor.selectionStart(), cursor.selectionEnd());
        return;
    }
    const QTextBlock block = cursor.block();
    const QString text = block.text();
    const int start = block.position();
    const int position = cursor.position();
    const int column = cursor.positionInBlock();
    const int end = start + static_cast<int>(text.size());
    const int textEnd = Document()->characterCount() - 1;
    const auto isWordChar = [this](QChar c) { return IsWordChar(c); };
    switch (command) {
    case ecDeleteChar:
    case ecDelete:
        // At the end of a line this joins the next line on.
        if (position < textEnd)
            DeleteRange(position, position < end ? start + NextCharEnd(text, column) : position + 1);
        break;
    case ecDeleteWord:
        if (position < end)
            DeleteRange(position, start + NextWordStart(text, column, isWordChar));
        else if (position < textEnd)
            DeleteRange(position, position + 1);
        break;
    case ecDeleteLastWord:
        if (column > 0)
            DeleteRange(start + PreviousWordStart(text, column, isWordChar), position);
        else if (position > 0)
            DeleteRange(position - 1, position);
        break;
    case ecDeleteBOL: DeleteRange(start, position); break;
    case ecDeleteEOL: DeleteRange(position, end); break;
    default: break;
    }
}

// Removes the caret's line with its line break; the caret goes to the start of the line that
// takes its place.
void TSyntaxEdit::DeleteLine()
{
    const QTextBlock block = Cursor().block();
    const int line = block.blockNumber();
    const int end = block.position() + block.length() - 1;
    if (block.next().isValid()) {
        DeleteRange(block.position(), block.next().position());
    } else if (block.previous().isValid()) {
        // The last line goes with the line break before it; the line above keeps its bookmarks.
        const unsigned above = BlockMarks(block.previous());
        DeleteRange(block.position() - 1, end);
        SetBlockMarks(Cursor().block(), above);
    } else {
        DeleteRange(block.position(), end);
    }
    SetCaretXY({0, std::min(line, Document()->blockCount() - 1)});
}

// Indents or unindents the lines of the selection (or the caret's line) by one block level.
void TSyntaxEdit::IndentBlock(bool indent)
{
    const QTextCursor cursor = Cursor();
    QTextDocument* document = Document();
    const QTextBlock first = document->findBlock(cursor.selectionStart());
    QTextBlock last = document->findBlock(cursor.selectionEnd());
    // A selection that ends at the start of a line does not take that line in.
    if (cursor.hasSelection() && last != first && cursor.selectionEnd() == last.position())
        last = last.previous();
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        QTextCursor edit(document);
        edit.setPosition(block.position());
        if (indent) {
            edit.insertText(QString(BlockIndentWidth, QLatin1Char(' ')));
        } else {
            const QString text = block.text();
            int n = 0;
            if (text.startsWith(u'\t'))
                n = 1;
            while (n < BlockIndentWidth && n < text.size() && text[n] == u' ')
                ++n;
            edit.setPosition(block.position() + n, QTextCursor::KeepAnchor);
            edit.removeSelectedText();
        }
        if (block == last)
            break;
    }
    if (cursor.hasSelection()) {
        QTextCursor selection(document);
        selection.setPosition(first.position());
        selection.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
        SetCursor(selection);
    }
}

// ---------------------------------------------------------------------------------------------
// Search and replace

int TSyntaxEdit::SearchReplace(const QString& search, const QString& replace, TSearchOptions options)
{
    if (search.isEmpty())
        return 0;
    const bool backwards = options & ssoBackwards;
    bool replaceAll = options & ssoReplaceAll;
    const bool replacing = replaceAll || (options & ssoReplace);
    if (replacing && !CanEdit())
        return 0;
    bool prompt = options & ssoPrompt;
    QString text = RawText();
    QTextCursor cursor = Cursor();
    qsizetype scopeStart = 0;
    qsizetype scopeEnd = text.size();
    qsizetype from = 0;
    if ((options & ssoSelectedOnly) && cursor.hasSelection()) {
        scopeStart = cursor.selectionStart();
        scopeEnd = cursor.selectionEnd();
        from = backwards ? scopeEnd : scopeStart;
    } else if (options & ssoEntireScope) {
        from = backwards ? scopeEnd : scopeStart;
    } else if (replacing) {
        // A replacement takes in a selected match, as left by the search before it.
        from = backwards ? cursor.selectionEnd() : cursor.selectionStart();
    } else {
        from = backwards ? cursor.selectionStart() : cursor.selectionEnd();
    }
    QString replacement = NormaliseLineBreaks(replace);
    const QString engineReplacement = QString(replacement).replace(u'\n', QChar(QChar::ParagraphSeparator));
    const auto isWordChar = [this](QChar c) { return IsWordChar(c); };
    const qsizetype length = search.size();

    TEditScope scope(*this, ecNone);
    int count = 0;
    for (;;) {
        const qsizetype at = FindText(text, search, {from, scopeStart, scopeEnd}, options, isWordChar);
        if (at < 0)
            break;
        QTextCursor found(Document());
        found.setPosition(static_cast<int>(backwards ? at + length : at));
        found.setPosition(static_cast<int>(backwards ? at : at + length), QTextCursor::KeepAnchor);
        SetCursor(found);
        if (!replacing) {
            EnsureCaretVisible();
            return 1;
        }
        int action = raReplace;
        if (prompt) {
            EnsureCaretVisible();
            const TBufferCoord caret = CaretXY();
            emit OnReplaceText(this, search, replace, caret.Line, caret.Column, action);
        }
        if (action == raCancel)
            break;
        if (action == raSkip) {
            from = backwards ? at : at + length;
            continue;
        }
        if (action == raReplaceAll) {
            replaceAll = true;
            prompt = false;
        }
        InsertAtCaret(replacement);
        ++count;
        text.replace(at, length, engineReplacement);
        scopeEnd += engineReplacement.size() - length;
        if (!replaceAll)
            break;
        from = backwards ? at : at + engineReplacement.size();
    }
    EnsureCaretVisible();
    return count;
}

}  // namespace kalmira
