// The interface through which the editor colours its text: a highlighter splits one line at a
// time into tokens and says how each is drawn. Attribute objects hold the colours and style of a
// token class and tell the highlighter when they change, so that its editors repaint.
#pragma once

#include <QColor>
#include <QFlags>
#include <QObject>
#include <QPalette>
#include <QString>
#include <QStringView>

#include <cstdint>

namespace kalmira {

// A colour as the settings store keeps it: red in the low byte, then green, then blue. Two kinds
// of symbolic value stand beside the plain colours: the editor's default text colour, and the
// system colours, which carry the system's colour index in the low byte and the highest bit set.
using TColor = std::uint32_t;

inline constexpr TColor clDefault = 0x20000000;  // the editor's own text (or background) colour
inline constexpr TColor clSystemColor = 0x80000000;
inline constexpr TColor clWindow = clSystemColor | 5;      // the background of text windows
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clHighlight = clSystemColor | 13;
inline constexpr TColor clHighlightText = clSystemColor | 14;
inline constexpr TColor clBtnFace = clSystemColor | 15;

constexpr TColor Rgb(int red, int green, int blue)
{
    return static_cast<TColor>(red & 0xFF) | static_cast<TColor>(green & 0xFF) << 8 |
           static_cast<TColor>(blue & 0xFF) << 16;
}
constexpr bool IsSystemColor(TColor c) { return (c & clSystemColor) != 0; }
// A plain colour, clDefault, or a system colour of a known index: the values a colour can take.
bool IsValidColor(TColor c);

// A system colour as a plain colour, from the application's palette; a plain colour unchanged;
// clDefault stays clDefault, since only the editor knows its own colour.
TColor ResolveColor(TColor c);
// A plain colour for painting; clDefault (or any other symbolic value the palette lacks) gives
// `fallback`.
QColor ToQColor(TColor c, const QColor& fallback);
TColor FromQColor(const QColor& c);

// Font styles of a token class.
enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)

// The colours and style of one token class, named for the user and for the settings store.
class THighlightAttributes final : public QObject {
    Q_OBJECT
public:
    explicit THighlightAttributes(QString name, QObject* parent = nullptr);

    const QString& Name() const { return name_; }
    TColor Background() const { return background_; }
    TColor Foreground() const { return foreground_; }
    TFontStyles Style() const { return style_; }

    // Each setter raises OnChange when the value really changes.
    void SetBackground(TColor c);
    void SetForeground(TColor c);
    void SetStyle(TFontStyles style);
    void SetAll(TColor background, TColor foreground, TFontStyles style);

signals:
    void OnChange(kalmira::THighlightAttributes* sender);

private:
    QString name_;
    TColor background_ = clDefault;
    TColor foreground_ = clDefault;
    TFontStyles style_;
};

// What the editor needs to draw one token.
struct TTokenInfo {
    const QChar* Text = nullptr;  // the token's first character, inside the current line
    int Kind = 0;
    int Start = 0;
    int Length = 0;
    TColor Background = clDefault;  // system colours resolved; clDefault means the editor's own
    TColor Foreground = clDefault;
    TFontStyles Style;
};

// Capability flags of a highlighter.
enum THighlighterCapability : unsigned {
    hcUserSettings = 1,  // the highlighter keeps its colours in the per-user settings store
};

// The base of every highlighter. The editor calls SetLine, then reads tokens with GetTokenInfo
// and Next until GetEol; the scanning state is valid only until the next SetLine.
class TSyntaxHighlighter : public QObject {
    Q_OBJECT
public:
    explicit TSyntaxHighlighter(QObject* parent = nullptr);
    ~TSyntaxHighlighter() override;

    virtual QString LanguageName() const = 0;
    virtual int AttributeCount() const = 0;
    virtual THighlightAttributes* Attribute(int index) const = 0;
    virtual unsigned Capabilities() const { return 0; }

    // Starts scanning a line and reads its first token. The line must outlive the scan.
    virtual void SetLine(QStringView line, int lineNumber) = 0;
    virtual void Next() = 0;
    virtual bool GetEol() const = 0;
    virtual QString GetToken() const = 0;
    virtual int GetTokenKind() const = 0;
    virtual int GetTokenPos() const = 0;
    virtual TTokenInfo GetTokenInfo() const = 0;

    // The state carried from one line to the next; this base carries none.
    virtual int GetRange() const { return 0; }
    virtual void SetRange(int range);
    virtual void ResetRange() {}

    virtual bool IsWordChar(QChar c) const;

    const QString& DefaultFilter() const { return defaultFilter_; }
    void SetDefaultFilter(const QString& filter) { defaultFilter_ = filter; }

    // Bulk changes: notifications wait until the outermost EndUpdate, which sends one if any
    // attribute changed in between.
    void BeginUpdate();
    void EndUpdate();

signals:
    // Some attribute changed; the editors using this highlighter recolour and repaint.
    void OnAttributeChange(kalmira::TSyntaxHighlighter* sender);

protected:
    // The change notification every attribute is connected to.
    void DefHighlightChange();

private:
    QString defaultFilter_;
    int updateDepth_ = 0;
    bool changePending_ = false;
};

}  // namespace kalmira

Q_DECLARE_OPERATORS_FOR_FLAGS(kalmira::TFontStyles)
