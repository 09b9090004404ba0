// TSyntaxEdit: the multi-line Unicode text editor of the workbench, with a gutter for line numbers
// and bookmarks, one marked line, its own bounded undo store, a keystroke table and colouring by
// a TSyntaxHighlighter. The window drives it only through the properties, operations and events
// below; the text engine inside is a private QPlainTextEdit.
#pragma once

#include <QColor>
#include <QFlags>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "editor/EditorKeyCommands.h"
#include "editor/Highlighter.h"
#include "editor/Unicode.h"

class QPlainTextEdit;
class QTextBlock;
class QTextCursor;
class QTextDocument;

namespace kalmira {

enum TEditorOption : unsigned {
    eoAutoIndent = 1u << 0,               // a new line starts with the blanks of the line above
    eoAutoUnindent = 1u << 1,             // Backspace in the leading blanks goes back one indent level
    eoCursorThroughTabs = 1u << 2,        // Up and Down keep the shown column, tabs expanded
    eoGroupUndo = 1u << 3,                // a run of typing or deleting undoes as one step
    eoHideSelection = 1u << 4,            // the selection is not shown while the editor is unfocused
    eoInserting = 1u << 5,                // insert mode rather than overwrite mode
    eoLineNumbers = 1u << 6,              // the gutter shows line numbers
    eoReadOnly = 1u << 7,
    eoReadOnlySelection = 1u << 8,        // read-only text can still be selected with the mouse
    eoScrollPastEOL = 1u << 9,            // the view scrolls right up to MaxRightChar columns
    eoShowCursorWhileReadOnly = 1u << 10,
    eoShowScrollHint = 1u << 11,          // dragging the scroll bar shows the top line's number
    eoSmartTabs = 1u << 12,               // Tab goes to the next word start of the line above
    eoTripleClicks = 1u << 13,            // a triple click selects the line
    eoUseSyntaxHighlighting = 1u << 14,
    eoWantTabs = 1u << 15,                // the Tab key types a tab instead of moving the focus
};
Q_DECLARE_FLAGS(TEditorOptions, TEditorOption)

// A background and a foreground colour, for the marked line and the selection.
struct TColorPair {
    QColor Background;
    QColor Foreground;
    friend bool operator==(const TColorPair&, const TColorPair&) = default;
};

struct TBookMarkOptions {
    bool EnableKeys = true;     // Ctrl+digit and Shift+Ctrl+digit work
    bool GlyphsVisible = true;  // the gutter shows the bookmarks
};

// What a prompt handler tells a replacement to do.
enum TReplaceAction : int { raReplace, raSkip, raReplaceAll, raCancel };

// A font with these properties, or the nearest installed fixed-pitch font that shows Greek with
// tonos and dialytika and the symbols ← ≠ ≤ ≥.
QFont FixedPitchFontFor(const QFont& asked);

// One change of the text: at Position, Removed gave way to Added. Positions and texts count a
// line break as one character (U+2029), as the text engine does.
struct TTextChange {
    int Position = 0;
    QString Removed;
    QString Added;
};

// The changes of one command, undone together, and where the caret was before and after.
struct TUndoStep {
    std::vector<TTextChange> Changes;
    int Command = ecNone;
    int AnchorBefore = 0;
    int CaretBefore = 0;
    int CaretAfter = 0;
};

// The bounded undo store. It keeps at most Limit steps, forgetting the oldest; a new step clears
// the redo steps. With grouping, a step of typing or deleting that goes on where the previous
// step of the same command stopped joins it, so that a typed word undoes at once.
class TUndoStore final {
public:
    int Limit() const { return limit_; }
    void SetLimit(int steps);
    void Add(TUndoStep step, bool group);
    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    int UndoCount() const { return static_cast<int>(undo_.size()); }
    std::optional<TUndoStep> TakeUndo();
    std::optional<TUndoStep> TakeRedo();
    void PushUndo(TUndoStep step);  // an undone step that was redone; the redo steps stay
    void PushRedo(TUndoStep step);
    void Clear();

private:
    static bool Join(TUndoStep& last, const TUndoStep& next);
    void Trim();

    int limit_ = 10;
    std::deque<TUndoStep> undo_;
    std::vector<TUndoStep> redo_;
};

class TColourer;

class TSyntaxEdit final : public QWidget {
    Q_OBJECT
public:
    explicit TSyntaxEdit(QWidget* parent = nullptr);
    ~TSyntaxEdit() override;

    // The text. Text() is every line followed by CR LF. Setting the text or the lines, or
    // appending a line, is not a user edit: it raises no OnChange, clears the undo history and
    // leaves the modified flag as it was.
    QString Text() const;
    void SetText(const QString& text);
    QStringList Lines() const;
    void SetLines(const QStringList& lines);
    int LineCount() const;
    QString Line(int index) const;
    void AppendLine(const QString& line);
    void AppendLines(const QStringList& lines);  // one layout and repaint for the whole batch
    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    // Look.
    QFont Font() const;
    void SetFont(const QFont& font);
    QColor FontColor() const;
    void SetFontColor(const QColor& color);
    QColor Color() const;
    void SetColor(const QColor& color);
    QFont LineNumberFont() const { return lineNumberFont_; }
    void SetLineNumberFont(const QFont& font);
    QColor LineNumberColor() const { return lineNumberColor_; }
    void SetLineNumberColor(const QColor& color);
    QColor GutterColor() const { return gutterColor_; }
    void SetGutterColor(const QColor& color);
    int GutterWidth() const { return gutterWidth_; }
    void SetGutterWidth(int width);
    int CharWidth() const;
    int RightMargin() const { return rightMargin_; }
    void SetRightMargin(int column);
    QColor MarginColor() const { return marginColor_; }
    void SetMarginColor(const QColor& color);
    int MaxRightChar() const { return maxRightChar_; }
    void SetMaxRightChar(int columns);
    int MaxUndo() const;
    void SetMaxUndo(int steps);
    TEditorOptions Options() const { return options_; }
    void SetOptions(TEditorOptions options);
    // The highlighter is linked, not owned; it may be shared by several editors.
    TSyntaxHighlighter* HighLighter() const { return highlighter_; }
    void SetHighLighter(TSyntaxHighlighter* highlighter);
    int MarkLine() const { return markLine_; }
    void SetMarkLine(int line);
    TColorPair MarkColor() const { return markColor_; }
    void SetMarkColor(const TColorPair& colors);
    TColorPair SelectedColor() const { return selectedColor_; }
    void SetSelectedColor(const TColorPair& colors);
    TBookMarkOptions BookMarkOptions() const { return bookMarkOptions_; }
    void SetBookMarkOptions(const TBookMarkOptions& options);
    const TKeystrokes& Keystrokes() const { return keystrokes_; }
    void SetKeystrokes(const TKeystrokes& keystrokes) { keystrokes_ = keystrokes; }
    bool InsertMode() const { return (options_ & eoInserting) != 0; }
    void SetInsertMode(bool inserting);

    // Bookmarks 0 to 9; each sits on one line and moves with it.
    int BookMarkLine(int number) const;  // -1 when not set
    void SetBookMark(int number, int line);
    void ClearBookMark(int number);

    // The caret, 0-based, and character offsets into Text() (a line break counts two).
    TBufferCoord CaretXY() const;
    void SetCaretXY(TBufferCoord caret);
    TBufferCoord OffsetToCaret(int offset) const;
    int CaretToOffset(TBufferCoord caret) const;
    void EnsureCaretVisible();

    // The selection, by offsets into Text().
    bool SelAvail() const;
    int SelStart() const;
    int SelEnd() const;
    void SetSelection(int start, int end);  // the caret ends at `end`
    QString SelText() const;                // line breaks as CR LF
    void SetSelText(const QString& text);   // a user edit: replaces the selection at the caret
    void SelectAll();

    // User edits through operations; each raises OnChange when it changes the text.
    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();
    void Undo();
    void Redo();
    bool CanUndo() const;
    bool CanRedo() const;
    void ClearAll();
    // Carries out a command as a keystroke would: OnProcessCommand first, which may cancel it.
    // `ch` is the character of ecChar; `target` the place of ecGoto and ecSelGoto.
    void ExecuteCommand(int command, QChar ch = QChar(), TBufferCoord target = {});

    // Finds `search` and selects it; with ssoReplace or ssoReplaceAll also replaces. Returns the
    // number of matches found (without replacing) or replaced.
    int SearchReplace(const QString& search, const QString& replace, TSearchOptions options);

signals:
    // After a user edit (not after SetText, SetLines or AppendLine); the modified flag is set.
    void OnChange(kalmira::TSyntaxEdit* sender);
    void OnCaretChange(kalmira::TSyntaxEdit* sender, int column, int line);
    // Before a command is carried out; setting `command` to ecNone cancels it.
    void OnProcessCommand(kalmira::TSyntaxEdit* sender, int& command, QChar& ch);
    // With ssoPrompt, before each replacement; `action` is a TReplaceAction, raReplace at first.
    void OnReplaceText(kalmira::TSyntaxEdit* sender, const QString& search, const QString& replace, int line,
                       int column, int& action);
    void OnEnter(kalmira::TSyntaxEdit* sender);
    void OnExit(kalmira::TSyntaxEdit* sender);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class TTextView;
    friend class TGutter;

    // Brackets one user edit: the changes made inside form one undo step, and OnChange and
    // OnCaretChange are raised once, when the outermost scope closes.
    class TEditScope {
    public:
        TEditScope(TSyntaxEdit& edit, int command) : edit_(edit) { edit_.BeginEdit(command); }
        ~TEditScope() { edit_.EndEdit(); }
        TEditScope(const TEditScope&) = delete;
        TEditScope& operator=(const TEditScope&) = delete;

    private:
        TSyntaxEdit& edit_;
    };

    // Text engine access.
    QTextDocument* Document() const;
    QTextCursor Cursor() const;
    void SetCursor(const QTextCursor& cursor);
    int DocPosition(int offset) const;
    int OffsetOfPosition(int position) const;
    QString RawText() const;
    bool IsWordChar(QChar c) const;

    // Recording edits.
    void BeginEdit(int command);
    void EndEdit();
    void DocumentChanged(int position, int removed, int added);
    void ContentsChanged();
    void CaretMoved();
    void EmitCaret();
    void ResetUndo();
    void ApplyUndoStep(bool redo);
    void SetProgrammaticText(const QStringList& lines);

    // Keys, commands and their parts (SyntaxEditor_Commands.cpp).
    bool HandleKey(QKeyEvent* event);
    void DoCommand(int command, QChar ch, TBufferCoord target);
    void MoveCaret(int command, TBufferCoord target);
    void MoveVertically(QTextCursor& cursor, int lines, bool select);
    void MoveByWord(QTextCursor& cursor, bool forwards, bool select) const;
    void TypeChar(QChar ch);
    QString SmartTab(const QTextCursor& cursor) const;
    void InsertAtCaret(const QString& text, bool keepCaret = false);
    void DeleteBackwards();
    void DeleteRange(int from, int to);
    void DeleteCommand(int command);
    void DeleteLine();
    void IndentBlock(bool indent);
    static unsigned BlockMarks(const QTextBlock& block);
    static void SetBlockMarks(QTextBlock block, unsigned marks);
    void ToggleBookMark(int number);
    void GotoBookMark(int number);
    int LinesPerPage() const;

    // Look (SyntaxEditor.cpp).
    int EffectiveGutterWidth() const;
    void UpdateGutterWidth();
    void UpdateHorizontalRange();
    void ApplyColours();
    void AttachColourer();
    void HighlighterChanged();
    void UpdateInteraction();
    bool SelectionShown() const;
    bool CanEdit() const { return !(options_ & eoReadOnly); }

    QPlainTextEdit* view_ = nullptr;  // owned by this widget as its child
    QWidget* gutter_ = nullptr;       // owned by the view as its child
    std::unique_ptr<TColourer> colourer_;
    std::unique_ptr<TUndoStore> undo_;
    TSyntaxHighlighter* highlighter_ = nullptr;

    QFont lineNumberFont_;
    QColor lineNumberColor_ = Qt::black;
    QColor gutterColor_;
    int gutterWidth_ = 30;
    int rightMargin_ = 80;
    QColor marginColor_ = QColor(0xC0, 0xC0, 0xC0);
    int maxRightChar_ = 1024;
    TEditorOptions options_;
    int markLine_ = -1;
    TColorPair markColor_{Qt::red, Qt::white};
    TColorPair selectedColor_;
    TBookMarkOptions bookMarkOptions_;
    TKeystrokes keystrokes_;

    QString shadow_;  // the text as the undo store last saw it, kept while undo is on
    std::optional<TUndoStep> openStep_;
    bool modified_ = false;
    bool zeroLines_ = true;       // the empty document holds no line at all, rather than one empty line
    int editDepth_ = 0;
    bool programmatic_ = false;   // the text is being set by the window, not edited by the user
    bool replaying_ = false;      // an undo or redo is being applied
    bool userChanged_ = false;    // the open edit changed the text
    bool caretPending_ = false;   // the caret moved during the open edit
    int stickyColumn_ = -1;       // the column Up and Down aim for...
    int stickyPosition_ = -1;     // ...as long as the caret is where the last of them left it
};

}  // namespace kalmira

Q_DECLARE_OPERATORS_FOR_FLAGS(kalmira::TEditorOptions)
