// Lists of UTF-16 lines and the searches the editor runs over them. Plain functions, so that the
// line arithmetic and the search rules can be checked without a widget.
#pragma once

#include <QFlags>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

namespace kalmira {

// A caret position: 0-based column (a character index into the line) and 0-based line.
struct TBufferCoord {
    int Column = 0;
    int Line = 0;
    friend bool operator==(const TBufferCoord&, const TBufferCoord&) = default;
};

// Splits a text into lines at CR LF, a lone CR or a lone LF. A line break at the very end closes
// the last line instead of opening an empty one, so "α\r\nβ\r\n" is two lines and "" is none.
QStringList SplitLines(QStringView text);
// Every line followed by CR LF.
QString JoinLines(const QStringList& lines);
// The text with CR LF and lone CR turned into LF, the one line break the text engine takes.
QString NormaliseLineBreaks(QStringView text);

// The length of a line, by index; lets the offset arithmetic run over any line store.
using TLineLength = std::function<int(int line)>;

// A 0-based character offset into a text whose every line ends with CR LF, as (column, line).
// An offset on the CR or the LF of a line gives the end of that line; offsets out of range are
// clamped to the start of the first or the end of the last line.
TBufferCoord OffsetToCoord(int offset, int lineCount, const TLineLength& lineLength);
// The reverse; the column and line are clamped to the text first.
int CoordToOffset(TBufferCoord coord, int lineCount, const TLineLength& lineLength);
TBufferCoord OffsetToCoord(int offset, const QStringList& lines);
int CoordToOffset(TBufferCoord coord, const QStringList& lines);

// Tells whether a character belongs to a word, for whole-word search and word-wise movement.
using TIsWordChar = std::function<bool(QChar)>;
// Letters, digits and "_": what a word is when no highlighter says otherwise.
bool DefaultIsWordChar(QChar c);

// The search options. Their values are part of the control's interface.
enum TSearchOption : unsigned {
    ssoBackwards = 1,       // search towards the start of the text
    ssoEntireScope = 2,     // search the whole scope rather than from the caret
    ssoMatchCase = 8,
    ssoPrompt = 16,         // ask before each replacement
    ssoReplace = 64,        // replace the first match found
    ssoReplaceAll = 128,    // replace every match from the start point on
    ssoSelectedOnly = 256,  // the scope is the selection rather than the whole text
    ssoWholeWord = 1024,
};
Q_DECLARE_FLAGS(TSearchOptions, TSearchOption)

// Where to look: matches lie inside [ScopeStart, ScopeEnd). Forwards, the first match that starts
// at or after From; backwards, the last match that ends at or before From.
struct TSearchRange {
    qsizetype From = 0;
    qsizetype ScopeStart = 0;
    qsizetype ScopeEnd = 0;
};

// The start of the match, or -1. Only ssoBackwards, ssoMatchCase and ssoWholeWord matter here.
qsizetype FindText(QStringView text, QStringView pattern, TSearchRange range, TSearchOptions options,
                   const TIsWordChar& isWordChar = DefaultIsWordChar);

// Word-wise movement inside one line: the start of the next word after the column (the line's
// length when there is none), and the start of the word before it (0 when there is none).
int NextWordStart(QStringView line, int column, const TIsWordChar& isWordChar = DefaultIsWordChar);
int PreviousWordStart(QStringView line, int column, const TIsWordChar& isWordChar = DefaultIsWordChar);

// The leading blanks of a line.
QStringView LeadingBlanks(QStringView line);

}  // namespace kalmira

Q_DECLARE_OPERATORS_FOR_FLAGS(kalmira::TSearchOptions)
