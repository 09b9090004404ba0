// The text side of TSyntaxEdit: lines, caret and offsets, the selection, recording edits for
// undo and for the change events, and bookmarks.
#include "editor/SyntaxEditor.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace kalmira {

namespace {

constexpr QChar ParagraphSeparator(QChar::ParagraphSeparator);

#ifdef Q_OS_WIN
const QString ClipboardLineBreak = QStringLiteral("\r\n");
#else
const QString ClipboardLineBreak = QStringLiteral("\n");
#endif

int LineLength(const QTextDocument* document, int line)
{
    return document->findBlockByNumber(line).length() - 1;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Text engine access

QTextDocument* TSyntaxEdit::Document() const
{
    return view_->document();
}

QTextCursor TSyntaxEdit::Cursor() const
{
    return view_->textCursor();
}

void TSyntaxEdit::SetCursor(const QTextCursor& cursor)
{
    view_->setTextCursor(cursor);
}

QString TSyntaxEdit::RawText() const
{
    return Document()->toRawText();
}

bool TSyntaxEdit::IsWordChar(QChar c) const
{
    return highlighter_ ? highlighter_->IsWordChar(c) : DefaultIsWordChar(c);
}

// ---------------------------------------------------------------------------------------------
// Lines

QString TSyntaxEdit::Text() const
{
    return JoinLines(Lines());
}

void TSyntaxEdit::SetText(const QString& text)
{
    SetProgrammaticText(SplitLines(text));
}

QStringList TSyntaxEdit::Lines() const
{
    QStringList lines;
    if (LineCount() == 0)
        return lines;
    lines.reserve(Document()->blockCount());
    for (QTextBlock block = Document()->begin(); block.isValid(); block = block.next())
        lines.append(block.text());
    return lines;
}

void TSyntaxEdit::SetLines(const QStringList& lines)
{
    QStringList clean;
    clean.reserve(lines.size());
    for (const QString& line : lines)
        clean.append(SplitLines(line).join(u' '));  // a line holds no line break
    SetProgrammaticText(clean);
}

void TSyntaxEdit::SetProgrammaticText(const QStringList& lines)
{
    programmatic_ = true;
    view_->setPlainText(lines.join(u'\n'));
    programmatic_ = false;
    zeroLines_ = lines.isEmpty();
    ResetUndo();
}

int TSyntaxEdit::LineCount() const
{
    return zeroLines_ && Document()->isEmpty() ? 0 : Document()->blockCount();
}

QString TSyntaxEdit::Line(int index) const
{
    if (index < 0 || index >= LineCount())
        return {};
    return Document()->findBlockByNumber(index).text();
}

void TSyntaxEdit::AppendLine(const QString& line)
{
    AppendLines({line});
}

void TSyntaxEdit::AppendLines(const QStringList& lines)
{
    if (lines.isEmpty())
        return;
    QStringList clean;
    clean.reserve(lines.size());
    for (const QString& line : lines)
        clean.append(SplitLines(line).join(u' '));  // a line holds no line break
    programmatic_ = true;
    // One edit block: the view lays out and updates once for the whole batch.
    QTextCursor end(Document());
    end.movePosition(QTextCursor::End);
    end.beginEditBlock();
    if (LineCount() > 0)
        end.insertBlock();
    end.insertText(clean.join(QChar::ParagraphSeparator));
    end.endEditBlock();
    programmatic_ = false;
    zeroLines_ = false;
    if (undo_->Limit() > 0)
        ResetUndo();
}

// ---------------------------------------------------------------------------------------------
// Caret, offsets and selection

TBufferCoord TSyntaxEdit::CaretXY() const
{
    const QTextCursor cursor = Cursor();
    return {cursor.positionInBlock(), cursor.blockNumber()};
}

void TSyntaxEdit::SetCaretXY(TBufferCoord caret)
{
    const QTextDocument* document = Document();
    const QTextBlock block = document->findBlockByNumber(std::clamp(caret.Line, 0, document->blockCount() - 1));
    QTextCursor cursor = Cursor();
    cursor.setPosition(block.position() + std::clamp(caret.Column, 0, block.length() - 1));
    SetCursor(cursor);
    stickyColumn_ = -1;
}

TBufferCoord TSyntaxEdit::OffsetToCaret(int offset) const
{
    const QTextDocument* document = Document();
    return OffsetToCoord(offset, LineCount(), [document](int line) { return LineLength(document, line); });
}

int TSyntaxEdit::CaretToOffset(TBufferCoord caret) const
{
    const QTextDocument* document = Document();
    return CoordToOffset(caret, LineCount(), [document](int line) { return LineLength(document, line); });
}

int TSyntaxEdit::DocPosition(int offset) const
{
    const TBufferCoord coord = OffsetToCaret(offset);
    return Document()->findBlockByNumber(coord.Line).position() + coord.Column;
}

int TSyntaxEdit::OffsetOfPosition(int position) const
{
    const QTextBlock block = Document()->findBlock(position);
    return CaretToOffset({position - block.position(), block.blockNumber()});
}

void TSyntaxEdit::EnsureCaretVisible()
{
    view_->ensureCursorVisible();
}

bool TSyntaxEdit::SelAvail() const
{
    return Cursor().hasSelection();
}

int TSyntaxEdit::SelStart() const
{
    return OffsetOfPosition(Cursor().selectionStart());
}

int TSyntaxEdit::SelEnd() const
{
    return OffsetOfPosition(Cursor().selectionEnd());
}

void TSyntaxEdit::SetSelection(int start, int end)
{
    QTextCursor cursor = Cursor();
    cursor.setPosition(DocPosition(start));
    cursor.setPosition(DocPosition(end), QTextCursor::KeepAnchor);
    SetCursor(cursor);
}

QString TSyntaxEdit::SelText() const
{
    return Cursor().selectedText().replace(ParagraphSeparator, QStringLiteral("\r\n"));
}

void TSyntaxEdit::SetSelText(const QString& text)
{
    if (!CanEdit())
        return;
    TEditScope scope(*this, ecNone);
    InsertAtCaret(NormaliseLineBreaks(text));
}

void TSyntaxEdit::SelectAll()
{
    QTextCursor cursor = Cursor();
    cursor.select(QTextCursor::Document);
    SetCursor(cursor);
}

// ---------------------------------------------------------------------------------------------
// Clipboard and undo

void TSyntaxEdit::CopyToClipboard()
{
    if (SelAvail())
        QGuiApplication::clipboard()->setText(Cursor().selectedText().replace(ParagraphSeparator, ClipboardLineBreak));
}

void TSyntaxEdit::CutToClipboard()
{
    if (!CanEdit() || !SelAvail())
        return;
    CopyToClipboard();
    TEditScope scope(*this, ecCut);
    const QTextCursor cursor = Cursor();
    DeleteRange(cursor.selectionStart(), cursor.selectionEnd());
}

void TSyntaxEdit::PasteFromClipboard()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (!CanEdit() || text.isEmpty())
        return;
    TEditScope scope(*this, ecPaste);
    InsertAtCaret(NormaliseLineBreaks(text));
}

bool TSyntaxEdit::CanUndo() const
{
    return CanEdit() && undo_->CanUndo();
}

bool TSyntaxEdit::CanRedo() const
{
    return CanEdit() && undo_->CanRedo();
}

void TSyntaxEdit::Undo()
{
    if (CanUndo())
        ApplyUndoStep(false);
}

void TSyntaxEdit::Redo()
{
    if (CanRedo())
        ApplyUndoStep(true);
}

int TSyntaxEdit::MaxUndo() const
{
    return undo_->Limit();
}

void TSyntaxEdit::SetMaxUndo(int steps)
{
    undo_->SetLimit(steps);
    shadow_ = undo_->Limit() > 0 ? RawText() : QString();
}

void TSyntaxEdit::ResetUndo()
{
    undo_->Clear();
    shadow_ = undo_->Limit() > 0 ? RawText() : QString();
}

void TSyntaxEdit::ClearAll()
{
    if (!CanEdit())
        return;
    {
        TEditScope scope(*this, ecClearAll);
        DeleteRange(0, Document()->characterCount() - 1);
        SetBlockMarks(Document()->begin(), 0);
    }
    zeroLines_ = true;
}

// Undo puts each change's removed text back, last change first; redo does the changes again.
void TSyntaxEdit::ApplyUndoStep(bool redo)
{
    std::optional<TUndoStep> step = redo ? undo_->TakeRedo() : undo_->TakeUndo();
    if (!step)
        return;
    {
        TEditScope scope(*this, redo ? ecRedo : ecUndo);
        replaying_ = true;
        QTextCursor cursor(Document());
        const auto apply = [&](const TTextChange& change, const QString& from, const QString& to) {
            cursor.setPosition(change.Position);
            cursor.setPosition(change.Position + static_cast<int>(from.size()), QTextCursor::KeepAnchor);
            cursor.insertText(to);
        };
        if (redo) {
            for (const TTextChange& change : step->Changes)
                apply(change, change.Removed, change.Added);
        } else {
            for (auto it = step->Changes.rbegin(); it != step->Changes.rend(); ++it)
                apply(*it, it->Added, it->Removed);
        }
        QTextCursor caret = Cursor();
        const int end = Document()->characterCount() - 1;
        if (redo) {
            caret.setPosition(std::min(step->CaretAfter, end));
        } else {
            caret.setPosition(std::min(step->AnchorBefore, end));
            caret.setPosition(std::min(step->CaretBefore, end), QTextCursor::KeepAnchor);
        }
        SetCursor(caret);
        replaying_ = false;
    }
    if (redo)
        undo_->PushUndo(std::move(*step));
    else
        undo_->PushRedo(std::move(*step));
}

// ---------------------------------------------------------------------------------------------
// Recording edits

void TSyntaxEdit::BeginEdit(int command)
{
    if (editDepth_++ > 0)
        return;
    userChanged_ = false;
    caretPending_ = false;
    const QTextCursor cursor = Cursor();
    openStep_ = TUndoStep{{}, command, cursor.anchor(), cursor.position(), cursor.position()};
}

void TSyntaxEdit::EndEdit()
{
    if (--editDepth_ > 0)
        return;
    if (openStep_ && !openStep_->Changes.empty() && !replaying_) {
        openStep_->CaretAfter = Cursor().position();
        undo_->Add(std::move(*openStep_), options_.testFlag(eoGroupUndo));
    }
    openStep_.reset();
    if (userChanged_) {
        userChanged_ = false;
        modified_ = true;
        emit OnChange(this);
    }
    if (caretPending_) {
        caretPending_ = false;
        EmitCaret();
    }
}

// Keeps the undo store's copy of the text in step and records what a user edit changed. The
// engine also reports mere format changes (colouring) this way; they change no character and
// are dropped. The reported range may run over the end of the text; it is cut back first.
void TSyntaxEdit::DocumentChanged(int position, int removed, int added)
{
    if (undo_->Limit() == 0)
        return;
    const int length = Document()->characterCount() - 1;
    if (position + added > length) {
        const int over = position + added - length;
        added -= over;
        removed -= over;
    }
    removed = std::clamp(removed, 0, static_cast<int>(shadow_.size()) - position);
    if (position < 0 || added < 0 || position > shadow_.size()) {
        ResetUndo();  // a report that does not fit the copy: start the history afresh
        return;
    }
    const QString removedText = shadow_.mid(position, removed);
    QTextCursor range(Document());
    range.setPosition(position);
    range.setPosition(position + added, QTextCursor::KeepAnchor);
    const QString addedText = range.selectedText();
    if (removedText == addedText)
        return;
    shadow_.replace(position, removed, addedText);
    if (programmatic_ || replaying_)
        return;
    TTextChange change{position, removedText, addedText};
    if (openStep_) {
        openStep_->Changes.push_back(std::move(change));
        return;
    }
    // A change made outside any command of the control: a step of its own.
    const int caret = Cursor().position();
    undo_->Add(TUndoStep{{std::move(change)}, ecNone, caret, caret, caret}, false);
}

void TSyntaxEdit::ContentsChanged()
{
    if (programmatic_)
        return;
    zeroLines_ = false;
    if (editDepth_ > 0) {
        userChanged_ = true;
        return;
    }
    modified_ = true;
    emit OnChange(this);
}

void TSyntaxEdit::CaretMoved()
{
    if (editDepth_ > 0)
        caretPending_ = true;
    else
        EmitCaret();
}

void TSyntaxEdit::EmitCaret()
{
    const TBufferCoord caret = CaretXY();
    emit OnCaretChange(this, caret.Column, caret.Line);
}

// ---------------------------------------------------------------------------------------------
// Bookmarks: a line's bookmarks live in its text block, so that they move with the line.

namespace {

class TBookMarks final : public QTextBlockUserData {
public:
    explicit TBookMarks(unsigned marks) : Marks(marks) {}
    unsigned Marks;
};

}  // namespace

unsigned TSyntaxEdit::BlockMarks(const QTextBlock& block)
{
    const auto* data = static_cast<const TBookMarks*>(block.userData());
    return data ? data->Marks : 0;
}

void TSyntaxEdit::SetBlockMarks(QTextBlock block, unsigned marks)
{
    if (!block.isValid() || marks == BlockMarks(block))
        return;
    block.setUserData(marks ? new TBookMarks(marks) : nullptr);
}

int TSyntaxEdit::BookMarkLine(int number) const
{
    if (number < 0 || number > 9)
        return -1;
    for (QTextBlock block = Document()->begin(); block.isValid(); block = block.next()) {
        if (BlockMarks(block) & (1u << number))
            return block.blockNumber();
    }
    return -1;
}

void TSyntaxEdit::ClearBookMark(int number)
{
    const int line = BookMarkLine(number);
    if (line < 0)
        return;
    const QTextBlock block = Document()->findBlockByNumber(line);
    SetBlockMarks(block, BlockMarks(block) & ~(1u << number));
    gutter_->update();
}

void TSyntaxEdit::SetBookMark(int number, int line)
{
    if (number < 0 || number > 9 || line < 0 || line >= Document()->blockCount())
        return;
    ClearBookMark(number);
    const QTextBlock block = Document()->findBlockByNumber(line);
    SetBlockMarks(block, BlockMarks(block) | (1u << number));
    gutter_->update();
}

void TSyntaxEdit::ToggleBookMark(int number)
{
    const int line = CaretXY().Line;
    if (BookMarkLine(number) == line)
        ClearBookMark(number);
    else
        SetBookMark(number, line);
}

void TSyntaxEdit::GotoBookMark(int number)
{
    const int line = BookMarkLine(number);
    if (line < 0)
        return;
    SetCaretXY({0, line});
    EnsureCaretVisible();
}

// ---------------------------------------------------------------------------------------------
// The two edits everything else is made of. Both keep the bookmarks with their lines.

// Inserts at the caret, replacing the selection. When the insertion opens new lines at the very
// start of a line, that line's text, and its bookmarks, move down.
void TSyntaxEdit::InsertAtCaret(const QString& text, bool keepCaret)
{
    TEditScope scope(*this, ecNone);
    QTextCursor cursor = Cursor();
    if (cursor.hasSelection()) {
        DeleteRange(cursor.selectionStart(), cursor.selectionEnd());
        cursor = Cursor();
    }
    const int caret = cursor.position();
    const QTextBlock block = cursor.block();
    const int line = block.blockNumber();
    const unsigned marks = BlockMarks(block);
    const int breaks = static_cast<int>(text.count(u'\n'));
    SetBlockMarks(block, 0);
    cursor.insertText(text);
    const bool atLineStart = caret == block.position();
    const int markedLine = atLineStart ? line + breaks : line;
    SetBlockMarks(Document()->findBlockByNumber(markedLine), marks);
    if (keepCaret)
        cursor.setPosition(caret);
    SetCursor(cursor);
}

// Deletes the text between two positions. When it joins lines, the joined line keeps the
// bookmarks of the first line if that line's start survives, else those of the last line.
void TSyntaxEdit::DeleteRange(int from, int to)
{
    if (from > to)
        std::swap(from, to);
    if (from == to)
        return;
    TEditScope scope(*this, ecNone);
    const QTextBlock first = Document()->findBlock(from);
    const QTextBlock last = Document()->findBlock(to);
    const unsigned marks = from > first.position() ? BlockMarks(first) : BlockMarks(last);
    SetBlockMarks(first, 0);
    SetBlockMarks(last, 0);
    QTextCursor cursor = Cursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    SetBlockMarks(cursor.block(), marks);
    SetCursor(cursor);
}

}  // namespace kalmira
