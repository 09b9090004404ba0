// The widget side of TSyntaxEdit: the private text view, the gutter, colouring through the
// highlighter, painting and the look properties.
#include "editor/SyntaxEditor.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCursor>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRawFont>
#include <QScrollBar>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolTip>

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace kalmira {

// ---------------------------------------------------------------------------------------------
// Fonts

namespace {

// Greek letters with tonos and dialytika, and the language's arrow and comparison symbols.
constexpr char16_t GreekSample[] = u"άέήίόύώΐΰϊϋΆΈΉΊΌΎΏΪΫ←≠≤≥";

bool ShowsGreekAtFixedPitch(const QFont& font)
{
    if (!QFontInfo(font).fixedPitch())
        return false;
    const QRawFont raw = QRawFont::fromFont(font, QFontDatabase::Greek);
    if (!raw.isValid())
        return false;
    return std::all_of(std::begin(GreekSample), std::end(GreekSample) - 1,
                       [&](char16_t c) { return raw.supportsCharacter(QChar(c)); });
}

}  // namespace

QFont FixedPitchFontFor(const QFont& asked)
{
    QFont font(asked);
    font.setStyleHint(QFont::TypeWriter);
    if (ShowsGreekAtFixedPitch(font))
        return font;
    const QStringList fallbacks{QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono"),
                                QFontDatabase::systemFont(QFontDatabase::FixedFont).family()};
    for (const QString& family : fallbacks) {
        QFont candidate(font);
        candidate.setFamilies({family});
        if (ShowsGreekAtFixedPitch(candidate))
            return candidate;
    }
    return font;
}

// ---------------------------------------------------------------------------------------------
// TUndoStore

void TUndoStore::SetLimit(int steps)
{
    limit_ = std::max(0, steps);
    Trim();
    if (limit_ == 0)
        redo_.clear();
}

void TUndoStore::Add(TUndoStep step, bool group)
{
    redo_.clear();
    if (limit_ == 0 || step.Changes.empty())
        return;
    if (group && !undo_.empty() && Join(undo_.back(), step))
        return;
    undo_.push_back(std::move(step));
    Trim();
}

std::optional<TUndoStep> TUndoStore::TakeUndo()
{
    if (undo_.empty())
        return std::nullopt;
    TUndoStep step = std::move(undo_.back());
    undo_.pop_back();
    return step;
}

std::optional<TUndoStep> TUndoStore::TakeRedo()
{
    if (redo_.empty())
        return std::nullopt;
    TUndoStep step = std::move(redo_.back());
    redo_.pop_back();
    return step;
}

void TUndoStore::PushUndo(TUndoStep step)
{
    undo_.push_back(std::move(step));
    Trim();
}

void TUndoStore::PushRedo(TUndoStep step)
{
    redo_.push_back(std::move(step));
}

void TUndoStore::Clear()
{
    undo_.clear();
    redo_.clear();
}

void TUndoStore::Trim()
{
    while (static_cast<int>(undo_.size()) > limit_)
        undo_.pop_front();
}

bool TUndoStore::Join(TUndoStep& last, const TUndoStep& next)
{
    const bool groupable = next.Command == ecChar || next.Command == ecDeleteLastChar || next.Command == ecDeleteChar;
    if (!groupable || next.Command != last.Command || last.Changes.size() != 1 || next.Changes.size() != 1)
        return false;
    // A caret moved in between, or a selection replaced, starts a new step.
    if (next.CaretBefore != last.CaretAfter || next.AnchorBefore != next.CaretBefore)
        return false;
    TTextChange& a = last.Changes.front();
    const TTextChange& b = next.Changes.front();
    if (b.Position == a.Position + a.Added.size()) {
        // Typing on, or deleting forwards: b works on the text just after a's.
        a.Removed += b.Removed;
        a.Added += b.Added;
    } else if (a.Added.isEmpty() && b.Added.isEmpty() && b.Position + b.Removed.size() == a.Position) {
        // Deleting backwards.
        a.Position = b.Position;
        a.Removed = b.Removed + a.Removed;
    } else {
        return false;
    }
    last.CaretAfter = next.CaretAfter;
    return true;
}

// ---------------------------------------------------------------------------------------------
// TColourer: runs the highlighter over each changed line and keeps the result as the line's
// formats, so that painting needs no scanning and only edited lines are scanned again.

class TColourer final : public QSyntaxHighlighter {
public:
    TColourer(TSyntaxHighlighter& highlighter, QTextDocument* document)
        : QSyntaxHighlighter(static_cast<QObject*>(nullptr)), highlighter_(highlighter)
    {
        setDocument(document);
    }

    void Recolour()
    {
        formats_.clear();
        rehighlight();
    }

protected:
    void highlightBlock(const QString& text) override
    {
        const int previous = previousBlockState();
        if (previous >= 0)
            highlighter_.SetRange(previous);
        else
            highlighter_.ResetRange();
        highlighter_.SetLine(text, currentBlock().blockNumber());
        while (!highlighter_.GetEol()) {
            const TTokenInfo token = highlighter_.GetTokenInfo();
            if (token.Length > 0)
                setFormat(token.Start, token.Length, FormatFor(token));
            highlighter_.Next();
        }
        setCurrentBlockState(highlighter_.GetRange());
    }

private:
    const QTextCharFormat& FormatFor(const TTokenInfo& token)
    {
        auto found = formats_.find(token.Kind);
        if (found != formats_.end())
            return found->second;
        QTextCharFormat format;
        if (token.Foreground <= 0xFFFFFF)
            format.setForeground(ToQColor(token.Foreground, {}));
        if (token.Background <= 0xFFFFFF)
            format.setBackground(ToQColor(token.Background, {}));
        if (token.Style & fsBold)
            format.setFontWeight(QFont::Bold);
        format.setFontItalic(token.Style.testFlag(fsItalic));
        format.setFontUnderline(token.Style.testFlag(fsUnderline));
        format.setFontStrikeOut(token.Style.testFlag(fsStrikeOut));
        return formats_.emplace(token.Kind, format).first->second;
    }

    TSyntaxHighlighter& highlighter_;
    std::unordered_map<int, QTextCharFormat> formats_;  // by token kind, until the colours change
};

// ---------------------------------------------------------------------------------------------
// TTextView: the text engine. It paints the text itself, so that the marked line, the selection
// colours and the hidden selection are the control's, and passes every key to the control.

class TTextView final : public QPlainTextEdit {
public:
    explicit TTextView(TSyntaxEdit& edit) : QPlainTextEdit(&edit), edit_(edit) {}

    using QPlainTextEdit::blockBoundingGeometry;
    using QPlainTextEdit::blockBoundingRect;
    using QPlainTextEdit::contentOffset;
    using QPlainTextEdit::firstVisibleBlock;
    using QPlainTextEdit::setViewportMargins;
    using QPlainTextEdit::viewportMargins;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void dropEvent(QDropEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    QList<QTextLayout::FormatRange> Overlays(const QTextBlock& block, int cursorPosition) const;
    void PaintRightMargin(QPainter& painter) const;

    TSyntaxEdit& edit_;
    QElapsedTimer sinceDoubleClick_;
    QPoint doubleClickAt_;
};

bool TTextView::event(QEvent* event)
{
    // Shortcuts of the window win over the editor's own keys, except for plain typing.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        event->setAccepted(IsTypedText(key->text(), key->modifiers()));
        return true;
    }
    return QPlainTextEdit::event(event);
}

void TTextView::keyPressEvent(QKeyEvent* event)
{
    event->setAccepted(edit_.HandleKey(event));
}

QList<QTextLayout::FormatRange> TTextView::Overlays(const QTextBlock& block, int cursorPosition) const
{
    QList<QTextLayout::FormatRange> overlays;
    const int blockStart = block.position();
    const int blockLength = block.length();
    if (block.blockNumber() == edit_.markLine_) {
        QTextLayout::FormatRange mark;
        mark.start = 0;
        mark.length = blockLength;
        mark.format.setBackground(edit_.markColor_.Background);
        mark.format.setForeground(edit_.markColor_.Foreground);
        mark.format.setProperty(QTextFormat::FullWidthSelection, true);
        overlays.append(mark);
    }
    const QTextCursor cursor = textCursor();
    if (cursor.hasSelection() && edit_.SelectionShown()) {
        const int start = std::max(cursor.selectionStart() - blockStart, 0);
        const int end = std::min(cursor.selectionEnd() - blockStart, blockLength);
        if (start < end) {
            QTextLayout::FormatRange selection;
            selection.start = start;
            selection.length = end - start;
            selection.format.setBackground(edit_.selectedColor_.Background);
            selection.format.setForeground(edit_.selectedColor_.Foreground);
            overlays.append(selection);
        }
    }
    // In overwrite mode the caret is a block over the character it will replace.
    if (overwriteMode() && cursorPosition >= blockStart && cursorPosition < blockStart + blockLength - 1) {
        QTextLayout::FormatRange caret;
        caret.start = cursorPosition - blockStart;
        caret.length = 1;
        caret.format.setForeground(palette().base());
        caret.format.setBackground(palette().text());
        overlays.append(caret);
    }
    return overlays;
}

void TTextView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QRect area = event->rect();
    const int cursorPosition = getPaintContext().cursorPosition;
    QPointF offset = contentOffset();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF r = blockBoundingRect(block).translated(offset);
        if (r.top() > area.bottom())
            break;
        if (block.isVisible() && r.bottom() >= area.top()) {
            QTextLayout* layout = block.layout();
            layout->draw(&painter, offset, Overlays(block, cursorPosition), area);
            const int blockStart = block.position();
            const bool caretHere = cursorPosition >= blockStart && cursorPosition < blockStart + block.length();
            const bool caretIsBlock = overwriteMode() && cursorPosition < blockStart + block.length() - 1;
            if (caretHere && !caretIsBlock)
                layout->drawCursor(&painter, offset, cursorPosition - blockStart, cursorWidth());
        }
        offset.ry() += r.height();
    }
    PaintRightMargin(painter);
}

void TTextView::PaintRightMargin(QPainter& painter) const
{
    if (edit_.rightMargin_ <= 0)
        return;
    const qreal x = contentOffset().x() + document()->documentMargin() +
                    edit_.rightMargin_ * QFontMetricsF(font()).horizontalAdvance(QLatin1Char('M'));
    if (x < 0 || x > viewport()->width())
        return;
    painter.setPen(edit_.marginColor_);
    painter.drawLine(QPointF(x, 0), QPointF(x, viewport()->height()));
}

void TTextView::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    const QRect r = contentsRect();
    edit_.gutter_->setGeometry(QRect(r.left(), r.top(), edit_.EffectiveGutterWidth(), r.height()));
    edit_.UpdateHorizontalRange();
}

void TTextView::focusInEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusInEvent(event);
    viewport()->update();
    emit edit_.OnEnter(&edit_);
}

void TTextView::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    viewport()->update();
    emit edit_.OnExit(&edit_);
}

void TTextView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseDoubleClickEvent(event);
    sinceDoubleClick_.start();
    doubleClickAt_ = event->position().toPoint();
}

void TTextView::mousePressEvent(QMouseEvent* event)
{
    const bool tripleClick = event->button() == Qt::LeftButton && sinceDoubleClick_.isValid() &&
                             sinceDoubleClick_.elapsed() < QApplication::doubleClickInterval() &&
                             (event->position().toPoint() - doubleClickAt_).manhattanLength() <
                                 QApplication::startDragDistance();
    if (!tripleClick) {
        QPlainTextEdit::mousePressEvent(event);
        return;
    }
    // The third click: the whole line, or, without the option, a plain click.
    sinceDoubleClick_.invalidate();
    QTextCursor cursor = cursorForPosition(event->position().toPoint());
    if (edit_.options_ & eoTripleClicks) {
        cursor.movePosition(QTextCursor::StartOfBlock);
        if (!cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor))
            cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    }
    setTextCursor(cursor);
    event->accept();
}

void TTextView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    const bool editable = edit_.CanEdit();
    const bool selection = edit_.SelAvail();
    const auto add = [&](const QString& caption, int command, bool enabled) {
        QAction* action = menu.addAction(caption, [this, command] { edit_.ExecuteCommand(command); });
        action->setEnabled(enabled);
    };
    add(QStringLiteral("Αναίρεσ&η"), ecUndo, editable && edit_.CanUndo());
    menu.addSeparator();
    add(QStringLiteral("Αποκο&πή"), ecCut, editable && selection);
    add(QStringLiteral("Αντι&γραφή"), ecCopy, selection);
    add(QStringLiteral("&Επικόλληση"), ecPaste, editable && !QGuiApplication::clipboard()->text().isEmpty());
    add(QStringLiteral("&Διαγραφή"), ecDeleteChar, editable && selection);
    menu.addSeparator();
    add(QStringLiteral("Επιλογή ό&λων"), ecSelectAll, true);
    menu.exec(event->globalPos());
}

void TTextView::insertFromMimeData(const QMimeData* source)
{
    if (edit_.CanEdit() && source->hasText())
        edit_.InsertAtCaret(NormaliseLineBreaks(source->text()));
}

void TTextView::dropEvent(QDropEvent* event)
{
    TSyntaxEdit::TEditScope scope(edit_, ecPaste);
    QPlainTextEdit::dropEvent(event);
}

void TTextView::inputMethodEvent(QInputMethodEvent* event)
{
    TSyntaxEdit::TEditScope scope(edit_, ecChar);
    QPlainTextEdit::inputMethodEvent(event);
}

// ---------------------------------------------------------------------------------------------
// TGutter: line numbers and bookmark glyphs, painted beside the text.

class TGutter final : public QWidget {
public:
    TGutter(TSyntaxEdit& edit, TTextView& view) : QWidget(&view), edit_(edit), view_(view) {}

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintBookMarks(QPainter& painter, unsigned marks, const QRectF& line) const;

    TSyntaxEdit& edit_;
    TTextView& view_;
};

namespace {

constexpr int GutterPadding = 4;

int GlyphSize(const QFontMetrics& text)
{
    return std::max(9, text.height() - 3);
}

}  // namespace

void TGutter::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), edit_.gutterColor_);
    const bool numbers = edit_.options_ & eoLineNumbers;
    const bool glyphs = edit_.bookMarkOptions_.GlyphsVisible;
    if (!numbers && !glyphs)
        return;
    painter.setFont(edit_.lineNumberFont_);
    painter.setPen(edit_.lineNumberColor_);
    const QFontMetrics numberMetrics(edit_.lineNumberFont_);
    QTextBlock block = view_.firstVisibleBlock();
    qreal top = view_.blockBoundingGeometry(block).translated(view_.contentOffset()).top();
    for (; block.isValid() && top <= event->rect().bottom(); block = block.next()) {
        const qreal height = view_.blockBoundingRect(block).height();
        if (block.isVisible() && top + height >= event->rect().top()) {
            const QRectF line(0, top, width(), height);
            const QTextLayout* layout = block.layout();
            if (numbers && layout->lineCount() > 0) {
                // Right-aligned, on the baseline of the line's text.
                const QTextLine first = layout->lineAt(0);
                const qreal baseline = top + layout->position().y() + first.y() + first.ascent();
                const QString number = QString::number(block.blockNumber() + 1);
                const int x = width() - GutterPadding - numberMetrics.horizontalAdvance(number);
                painter.drawText(QPointF(x, baseline), number);
            }
            if (glyphs)
                PaintBookMarks(painter, TSyntaxEdit::BlockMarks(block), line);
        }
        top += height;
    }
}

void TGutter::PaintBookMarks(QPainter& painter, unsigned marks, const QRectF& line) const
{
    if (marks == 0)
        return;
    const int size = GlyphSize(view_.fontMetrics());
    QFont digitFont = painter.font();
    digitFont.setBold(true);
    digitFont.setPixelSize(std::max(7, size - 3));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    qreal x = 2;
    for (int n = 0; n <= 9; ++n) {
        if (!(marks & (1u << n)))
            continue;
        const QRectF glyph(x, line.top() + (line.height() - size) / 2, size, size);
        painter.setPen(QColor(0x00, 0x50, 0x50));
        painter.setBrush(QColor(0x00, 0x80, 0x80));
        painter.drawRoundedRect(glyph, 2, 2);
        painter.setPen(Qt::white);
        painter.setFont(digitFont);
        painter.drawText(glyph, Qt::AlignCenter, QString::number(n));
        x += 3;  // further bookmarks on the same line peek out from under the first
    }
    painter.restore();
}

// ---------------------------------------------------------------------------------------------
// TSyntaxEdit: construction and look

TSyntaxEdit::TSyntaxEdit(QWidget* parent)
    : QWidget(parent), undo_(std::make_unique<TUndoStore>()), keystrokes_(DefaultKeystrokes())
{
    auto* view = new TTextView(*this);
    view_ = view;
    gutter_ = new TGutter(*this, *view);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setFocusProxy(view_);

    QTextDocument* document = view_->document();
    document->setUndoRedoEnabled(false);
    view_->setLineWrapMode(QPlainTextEdit::NoWrap);
    view_->setContextMenuPolicy(Qt::DefaultContextMenu);
    // These connections come before any colourer's, so that a change is recorded before the
    // colourer reacts to it.
    connect(document, &QTextDocument::contentsChange, this, &TSyntaxEdit::DocumentChanged);
    connect(document, &QTextDocument::contentsChanged, this, &TSyntaxEdit::ContentsChanged);
    connect(view_, &QPlainTextEdit::cursorPositionChanged, this, &TSyntaxEdit::CaretMoved);
    connect(view_, &QPlainTextEdit::blockCountChanged, this, &TSyntaxEdit::UpdateGutterWidth);
    connect(view_, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
        if (dy != 0)
            gutter_->scroll(0, dy);
        else
            gutter_->update(0, rect.y(), gutter_->width(), rect.height());
    });
    connect(view_->horizontalScrollBar(), &QScrollBar::rangeChanged, this, &TSyntaxEdit::UpdateHorizontalRange);
    connect(view_->verticalScrollBar(), &QScrollBar::sliderMoved, this, [this](int value) {
        if (options_ & eoShowScrollHint)
            QToolTip::showText(QCursor::pos(), QStringLiteral("Γραμμή %1").arg(value + 1), view_);
    });

    const QPalette palette = view_->palette();
    gutterColor_ = palette.color(QPalette::Button);
    selectedColor_ = {palette.color(QPalette::Highlight), palette.color(QPalette::HighlightedText)};
    lineNumberFont_ = FixedPitchFontFor(QFont(QStringLiteral("Courier New"), 10));
    SetFont(QFont(QStringLiteral("Courier New"), 10));
    SetOptions(eoAutoIndent | eoGroupUndo | eoInserting | eoLineNumbers | eoUseSyntaxHighlighting | eoWantTabs |
               eoTripleClicks | eoSmartTabs);
    ResetUndo();
}

TSyntaxEdit::~TSyntaxEdit()
{
    // The colourer goes first, while the document it works on still exists.
    colourer_.reset();
}

QFont TSyntaxEdit::Font() const
{
    return view_->font();
}

void TSyntaxEdit::SetFont(const QFont& font)
{
    view_->setFont(FixedPitchFontFor(font));
    view_->setTabStopDistance(8 * QFontMetricsF(view_->font()).horizontalAdvance(QLatin1Char(' ')));
    UpdateGutterWidth();
    UpdateHorizontalRange();
}

QColor TSyntaxEdit::FontColor() const
{
    return view_->palette().color(QPalette::Text);
}

void TSyntaxEdit::SetFontColor(const QColor& color)
{
    QPalette palette = view_->palette();
    palette.setColor(QPalette::Text, color);
    view_->setPalette(palette);
}

QColor TSyntaxEdit::Color() const
{
    return view_->palette().color(QPalette::Base);
}

void TSyntaxEdit::SetColor(const QColor& color)
{
    QPalette palette = view_->palette();
    palette.setColor(QPalette::Base, color);
    view_->setPalette(palette);
}

void TSyntaxEdit::SetLineNumberFont(const QFont& font)
{
    lineNumberFont_ = FixedPitchFontFor(font);
    UpdateGutterWidth();
}

void TSyntaxEdit::SetLineNumberColor(const QColor& color)
{
    lineNumberColor_ = color;
    gutter_->update();
}

void TSyntaxEdit::SetGutterColor(const QColor& color)
{
    gutterColor_ = color;
    gutter_->update();
}

void TSyntaxEdit::SetGutterWidth(int width)
{
    gutterWidth_ = std::max(0, width);
    UpdateGutterWidth();
}

int TSyntaxEdit::CharWidth() const
{
    return qRound(QFontMetricsF(view_->font()).horizontalAdvance(QLatin1Char('M')));
}

void TSyntaxEdit::SetRightMargin(int column)
{
    rightMargin_ = std::max(0, column);
    view_->viewport()->update();
}

void TSyntaxEdit::SetMarginColor(const QColor& color)
{
    marginColor_ = color;
    view_->viewport()->update();
}

void TSyntaxEdit::SetMaxRightChar(int columns)
{
    maxRightChar_ = std::max(1, columns);
    UpdateHorizontalRange();
}

void TSyntaxEdit::SetOptions(TEditorOptions options)
{
    const TEditorOptions changed = options ^ options_;
    options_ = options;
    UpdateInteraction();
    if (changed & eoUseSyntaxHighlighting)
        AttachColourer();
    if (changed & eoLineNumbers)
        UpdateGutterWidth();
    if (changed & eoScrollPastEOL) {
        // Give the scroll bar back its natural range, then widen it if asked.
        const qreal natural = view_->document()->documentLayout()->documentSize().width();
        view_->horizontalScrollBar()->setRange(0, std::max(0, qRound(natural) - view_->viewport()->width()));
        UpdateHorizontalRange();
    }
    view_->viewport()->update();
}

void TSyntaxEdit::SetInsertMode(bool inserting)
{
    SetOptions(inserting ? options_ | eoInserting : options_ & ~TEditorOptions(eoInserting));
}

void TSyntaxEdit::UpdateInteraction()
{
    const bool readOnly = options_ & eoReadOnly;
    view_->setReadOnly(readOnly);
    Qt::TextInteractionFlags flags = Qt::TextEditorInteraction;
    if (readOnly) {
        flags = Qt::NoTextInteraction;
        if (options_ & eoReadOnlySelection)
            flags |= Qt::TextSelectableByMouse;
        if (options_ & eoShowCursorWhileReadOnly)
            flags |= Qt::TextSelectableByKeyboard;
    }
    view_->setTextInteractionFlags(flags);
    view_->setOverwriteMode(!(options_ & eoInserting));
    view_->setTabChangesFocus(!(options_ & eoWantTabs));
}

bool TSyntaxEdit::SelectionShown() const
{
    return view_->hasFocus() || !(options_ & eoHideSelection);
}

void TSyntaxEdit::SetHighLighter(TSyntaxHighlighter* highlighter)
{
    if (highlighter == highlighter_)
        return;
    if (highlighter_)
        disconnect(highlighter_, nullptr, this, nullptr);
    highlighter_ = highlighter;
    if (highlighter_) {
        connect(highlighter_, &TSyntaxHighlighter::OnAttributeChange, this, &TSyntaxEdit::HighlighterChanged);
        connect(highlighter_, &QObject::destroyed, this, [this] {
            // Forget a highlighter that goes away first, without calling it again.
            colourer_.reset();
            highlighter_ = nullptr;
        });
    }
    AttachColourer();
}

// Colouring changes formats only, but the text engine reports it as a change of the text: it
// runs as programmatic, so that it is no user edit. Colouring at once, rather than when the
// event loop next runs, keeps it inside that bracket.
void TSyntaxEdit::AttachColourer()
{
    const bool wasProgrammatic = std::exchange(programmatic_, true);
    colourer_.reset();
    if (highlighter_ && (options_ & eoUseSyntaxHighlighting)) {
        colourer_ = std::make_unique<TColourer>(*highlighter_, view_->document());
        colourer_->Recolour();
    }
    programmatic_ = wasProgrammatic;
}

void TSyntaxEdit::HighlighterChanged()
{
    if (!colourer_)
        return;
    const bool wasProgrammatic = std::exchange(programmatic_, true);
    colourer_->Recolour();
    programmatic_ = wasProgrammatic;
}

void TSyntaxEdit::SetMarkLine(int line)
{
    line = std::max(line, -1);
    if (line == markLine_)
        return;
    markLine_ = line;
    view_->viewport()->update();
}

void TSyntaxEdit::SetMarkColor(const TColorPair& colors)
{
    markColor_ = colors;
    view_->viewport()->update();
}

void TSyntaxEdit::SetSelectedColor(const TColorPair& colors)
{
    selectedColor_ = colors;
    QPalette palette = view_->palette();
    palette.setColor(QPalette::Highlight, colors.Background);
    palette.setColor(QPalette::HighlightedText, colors.Foreground);
    view_->setPalette(palette);
    view_->viewport()->update();
}

void TSyntaxEdit::SetBookMarkOptions(const TBookMarkOptions& options)
{
    bookMarkOptions_ = options;
    UpdateGutterWidth();
}

int TSyntaxEdit::EffectiveGutterWidth() const
{
    int needed = 0;
    if (bookMarkOptions_.GlyphsVisible)
        needed += GlyphSize(view_->fontMetrics()) + 3 + GutterPadding;
    if (options_ & eoLineNumbers) {
        const int digits = static_cast<int>(QString::number(std::max(1, view_->blockCount())).size());
        needed += QFontMetrics(lineNumberFont_).horizontalAdvance(QLatin1Char('9')) * digits + 2 * GutterPadding;
    }
    return std::max(gutterWidth_, needed);
}

void TSyntaxEdit::UpdateGutterWidth()
{
    // Changing the margins lays the view out again, so only when the width really changes.
    const int width = EffectiveGutterWidth();
    auto* view = static_cast<TTextView*>(view_);
    if (view->viewportMargins().left() != width)
        view->setViewportMargins(width, 0, 0, 0);
    const QRect r = view_->contentsRect();
    gutter_->setGeometry(QRect(r.left(), r.top(), width, r.height()));
    gutter_->update();
}

void TSyntaxEdit::UpdateHorizontalRange()
{
    if (!(options_ & eoScrollPastEOL))
        return;
    const int wanted = maxRightChar_ * CharWidth() + 2 * qRound(view_->document()->documentMargin()) +
                       view_->cursorWidth() - view_->viewport()->width();
    QScrollBar* bar = view_->horizontalScrollBar();
    if (bar->maximum() < wanted)
        bar->setRange(bar->minimum(), wanted);
}

int TSyntaxEdit::LinesPerPage() const
{
    return std::max(1, view_->viewport()->height() / std::max(1, view_->fontMetrics().lineSpacing()));
}

}  // namespace kalmira
