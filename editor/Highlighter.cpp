#include "editor/Highlighter.h"

#include "editor/Unicode.h"

#include <QGuiApplication>

#include <array>

namespace kalmira {

namespace {

// The palette role standing for each system colour index, 0 to 24.
constexpr std::array<QPalette::ColorRole, 25> SystemColorRoles{
    QPalette::Mid,              //  0 scroll bar
    QPalette::Window,           //  1 desktop
    QPalette::Highlight,        //  2 active caption
    QPalette::Mid,              //  3 inactive caption
    QPalette::Window,           //  4 menu
    QPalette::Base,             //  5 window (the background of text windows)
    QPalette::Shadow,           //  6 window frame
    QPalette::WindowText,       //  7 menu text
    QPalette::Text,             //  8 window text
    QPalette::HighlightedText,  //  9 caption text
    QPalette::Window,           // 10 active border
    QPalette::Window,           // 11 inactive border
    QPalette::Mid,              // 12 application workspace
    QPalette::Highlight,        // 13 highlight
    QPalette::HighlightedText,  // 14 highlighted text
    QPalette::Button,           // 15 button face
    QPalette::Dark,             // 16 button shadow
    QPalette::PlaceholderText,  // 17 grey text
    QPalette::ButtonText,       // 18 button text
    QPalette::WindowText,       // 19 inactive caption text
    QPalette::Light,            // 20 button highlight
    QPalette::Shadow,           // 21 dark shadow
    QPalette::Midlight,         // 22 light
    QPalette::ToolTipText,      // 23 tool tip text
    QPalette::ToolTipBase,      // 24 tool tip background
};

QPalette ApplicationPalette()
{
    return qGuiApp ? QGuiApplication::palette() : QPalette(Qt::black, Qt::white);
}

}  // namespace

TColor ResolveColor(TColor c)
{
    if (!IsSystemColor(c))
        return c;
    const unsigned index = c & 0xFF;
    const QPalette::ColorRole role = index < SystemColorRoles.size() ? SystemColorRoles[index] : QPalette::Window;
    return FromQColor(ApplicationPalette().color(QPalette::Active, role));
}

bool IsValidColor(TColor c)
{
    if (IsSystemColor(c))
        return (c & ~(clSystemColor | 0xFF)) == 0 && (c & 0xFF) < SystemColorRoles.size();
    return c <= 0xFFFFFF || c == clDefault;
}

QColor ToQColor(TColor c, const QColor& fallback)
{
    c = ResolveColor(c);
    if (c > 0xFFFFFF)
        return fallback;
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>(c >> 8 & 0xFF), static_cast<int>(c >> 16 & 0xFF));
}

TColor FromQColor(const QColor& c)
{
    return Rgb(c.red(), c.green(), c.blue());
}

// ---------------------------------------------------------------------------------------------
// THighlightAttributes

THighlightAttributes::THighlightAttributes(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name))
{
}

void THighlightAttributes::SetBackground(TColor c)
{
    SetAll(c, foreground_, style_);
}

void THighlightAttributes::SetForeground(TColor c)
{
    SetAll(background_, c, style_);
}

void THighlightAttributes::SetStyle(TFontStyles style)
{
    SetAll(background_, foreground_, style);
}

void THighlightAttributes::SetAll(TColor background, TColor foreground, TFontStyles style)
{
    if (background == background_ && foreground == foreground_ && style == style_)
        return;
    background_ = background;
    foreground_ = foreground;
    style_ = style;
    emit OnChange(this);
}

// ---------------------------------------------------------------------------------------------
// TSyntaxHighlighter

TSyntaxHighlighter::TSyntaxHighlighter(QObject* parent) : QObject(parent) {}

TSyntaxHighlighter::~TSyntaxHighlighter() = default;

void TSyntaxHighlighter::SetRange(int) {}

bool TSyntaxHighlighter::IsWordChar(QChar c) const
{
    return DefaultIsWordChar(c);
}

void TSyntaxHighlighter::BeginUpdate()
{
    ++updateDepth_;
}

void TSyntaxHighlighter::EndUpdate()
{
    if (updateDepth_ > 0 && --updateDepth_ == 0 && changePending_) {
        changePending_ = false;
        emit OnAttributeChange(this);
    }
}

void TSyntaxHighlighter::DefHighlightChange()
{
    if (updateDepth_ > 0) {
        changePending_ = true;
        return;
    }
    emit OnAttributeChange(this);
}

}  // namespace kalmira
