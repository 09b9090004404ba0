#include "editor/Unicode.h"

#include <algorithm>

namespace kalmira {

QStringList SplitLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start).toString());
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start).toString());
    return lines;
}

QString JoinLines(const QStringList& lines)
{
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    QString text;
    text.reserve(size);
    for (const QString& line : lines) {
        text += line;
        text += u"\r\n";
    }
    return text;
}

QString NormaliseLineBreaks(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r') {
            result += text[i];
            continue;
        }
        result += u'\n';
        if (i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
    }
    return result;
}

TBufferCoord OffsetToCoord(int offset, int lineCount, const TLineLength& lineLength)
{
    if (lineCount <= 0 || offset <= 0)
        return {};
    int lineStart = 0;
    for (int line = 0; line < lineCount; ++line) {
        const int length = lineLength(line);
        // The CR and the LF of a line still belong to it.
        if (offset <= lineStart + length + 1)
            return {std::min(offset - lineStart, length), line};
        lineStart += length + 2;
    }
    return {lineLength(lineCount - 1), lineCount - 1};
}

int CoordToOffset(TBufferCoord coord, int lineCount, const TLineLength& lineLength)
{
    if (lineCount <= 0)
        return 0;
    const int line = std::clamp(coord.Line, 0, lineCount - 1);
    int offset = 0;
    for (int i = 0; i < line; ++i)
        offset += lineLength(i) + 2;
    return offset + std::clamp(coord.Column, 0, lineLength(line));
}

TBufferCoord OffsetToCoord(int offset, const QStringList& lines)
{
    return OffsetToCoord(offset, static_cast<int>(lines.size()),
                         [&](int i) { return static_cast<int>(lines[i].size()); });
}

int CoordToOffset(TBufferCoord coord, const QStringList& lines)
{
    return CoordToOffset(coord, static_cast<int>(lines.size()),
                         [&](int i) { return static_cast<int>(lines[i].size()); });
}

bool DefaultIsWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

namespace {

bool IsWholeWord(QStringView text, qsizetype start, qsizetype length, const TIsWordChar& isWordChar)
{
    const bool wordBefore = start > 0 && isWordChar(text[start - 1]);
    const bool wordAfter = start + length < text.size() && isWordChar(text[start + length]);
    return !wordBefore && !wordAfter;
}

}  // namespace

qsizetype FindText(QStringView text, QStringView pattern, TSearchRange range, TSearchOptions options,
                   const TIsWordChar& isWordChar)
{
    const qsizetype length = pattern.size();
    const qsizetype scopeStart = std::clamp<qsizetype>(range.ScopeStart, 0, text.size());
    const qsizetype scopeEnd = std::clamp<qsizetype>(range.ScopeEnd, scopeStart, text.size());
    if (length == 0 || length > scopeEnd - scopeStart)
        return -1;
    const Qt::CaseSensitivity cs = (options & ssoMatchCase) ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const QStringView scope = text.mid(scopeStart, scopeEnd - scopeStart);
    const qsizetype from = std::clamp<qsizetype>(range.From, scopeStart, scopeEnd) - scopeStart;
    const bool wholeWord = (options & ssoWholeWord) != 0;

    if (options & ssoBackwards) {
        // The last start from which the match still ends at or before `from`.
        qsizetype at = from - length;
        while (at >= 0) {
            at = scope.lastIndexOf(pattern, at, cs);
            if (at < 0 || !wholeWord || IsWholeWord(text, scopeStart + at, length, isWordChar))
                break;
            --at;
        }
        return at < 0 ? -1 : scopeStart + at;
    }
    qsizetype at = from;
    while (at <= scope.size() - length) {
        at = scope.indexOf(pattern, at, cs);
        if (at < 0 || !wholeWord || IsWholeWord(text, scopeStart + at, length, isWordChar))
            break;
        ++at;
    }
    return (at < 0 || at > scope.size() - length) ? -1 : scopeStart + at;
}

int NextWordStart(QStringView line, int column, const TIsWordChar& isWordChar)
{
    const int n = static_cast<int>(line.size());
    int i = std::clamp(column, 0, n);
    while (i < n && isWordChar(line[i]))
        ++i;
    while (i < n && !isWordChar(line[i]))
        ++i;
    return i;
}

int PreviousWordStart(QStringView line, int column, const TIsWordChar& isWordChar)
{
    int i = std::clamp(column, 0, static_cast<int>(line.size()));
    while (i > 0 && !isWordChar(line[i - 1]))
        --i;
    while (i > 0 && isWordChar(line[i - 1]))
        --i;
    return i;
}

QStringView LeadingBlanks(QStringView line)
{
    qsizetype n = 0;
    while (n < line.size() && (line[n] == u' ' || line[n] == u'\t'))
        ++n;
    return line.first(n);
}

}  // namespace kalmira
