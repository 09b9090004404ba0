// TKalmiraHighlighter: colours Καλμίρα source in the editor by ten token classes that follow the
// language's lexical rules closely but not exactly, and keeps the user's colours for them in the
// per-user settings store.
#pragma once

#include <QSettings>
#include <QString>
#include <QStringView>

#include <array>
#include <memory>

#include "editor/Highlighter.h"

namespace kalmira {

// The token classes. Their numbers are the classes' identity towards the editor and are fixed.
enum TKlasnLe3ns : int {
    klKevo = 257,           // blanks and control characters
    klSxolio,               // from "!" to the end of the line
    klDesmevmevnLe3n,       // a keyword, Αληθής and Ψευδής included
    klAvagvwristiko,        // a word that starts with a Greek letter and is no keyword
    klAgglika,              // a word that starts with a Latin letter, whatever it is
    klAkeraiaSta8era,
    klPragmatiknSta8era,
    klAlfari8mntiko,
    klSumbolo,
    klAkurosXarakthras,     // a character that starts no token of the language
};

inline constexpr int ProtnKlasn = klKevo;
inline constexpr int Plnr8osKlasewv = 10;

class TKalmiraHighlighter final : public TSyntaxHighlighter {
    Q_OBJECT
    Q_PROPERTY(kalmira::THighlightAttributes* MorfnKevwv READ MorfnKevwv CONSTANT)
    Q_PROPERTY(kalmira::THighlightAttributes* MorfnSxoliwv READ MorfnSxoliwv CONSTANT)
    Q_PROPERTY(kalmira::THighlightAttributes* MorfnDesmeumevwvLe3ewv READ MorfnDesmeumevwvLe3ewv CONSTANT)
    Q_PROPERTY(kalmira::THighlightAttributes* MorfnAvagvwristikwv READ MorfnAvagvwristikwv CONSTANT)
    Q_PROPERTY(kalmira::THighlightAttributes* MorfnAgglikwv READ MorfnAgglikwv CONSTANT)
    Q_PROPERTY(kalmira::THighlightAttributes* MorfnAkeraiwv READ MorfnAkeraiwv CONSTANT)
    Q_PROPERTY(kalmira::THighlightAttributes* MorfnPragmatikwv READ MorfnPragmatikwv CONSTANT)
    Q_PROPERTY(kalmira::THighlightAttributes* MorfnAlfari8mntikwv READ MorfnAlfari8mntikwv CONSTANT)
    Q_PROPERTY(kalmira::THighlightAttributes* MorfnSumbolwv READ MorfnSumbolwv CONSTANT)
    Q_PROPERTY(kalmira::THighlightAttributes* MorfnAkurwv READ MorfnAkurwv CONSTANT)
public:
    explicit TKalmiraHighlighter(QObject* parent = nullptr);
    ~TKalmiraHighlighter() override;

    // The attribute of a token class (257 to 266), or none.
    THighlightAttributes* Morfn(int klasn) const;
    THighlightAttributes* MorfnKevwv() const { return Morfn(klKevo); }
    THighlightAttributes* MorfnSxoliwv() const { return Morfn(klSxolio); }
    THighlightAttributes* MorfnDesmeumevwvLe3ewv() const { return Morfn(klDesmevmevnLe3n); }
    THighlightAttributes* MorfnAvagvwristikwv() const { return Morfn(klAvagvwristiko); }
    THighlightAttributes* MorfnAgglikwv() const { return Morfn(klAgglika); }
    THighlightAttributes* MorfnAkeraiwv() const { return Morfn(klAkeraiaSta8era); }
    THighlightAttributes* MorfnPragmatikwv() const { return Morfn(klPragmatiknSta8era); }
    THighlightAttributes* MorfnAlfari8mntikwv() const { return Morfn(klAlfari8mntiko); }
    THighlightAttributes* MorfnSumbolwv() const { return Morfn(klSumbolo); }
    THighlightAttributes* MorfnAkurwv() const { return Morfn(klAkurosXarakthras); }

    QString LanguageName() const override;
    int AttributeCount() const override { return Plnr8osKlasewv; }
    THighlightAttributes* Attribute(int index) const override;
    unsigned Capabilities() const override;

    void SetLine(QStringView line, int lineNumber) override;
    void Next() override;
    bool GetEol() const override { return atEnd_; }
    QString GetToken() const override;
    int GetTokenKind() const override { return klasn_; }
    int GetTokenPos() const override { return tokenStart_; }
    TTokenInfo GetTokenInfo() const override;
    // No state passes from one line to the next: no token of the language spans lines.
    int GetRange() const override { return 0; }
    bool IsWordChar(QChar c) const override;

    // The colours of the default table, for all ten classes.
    void EpavaforaProepilogwv();
    // Reads the ten classes from the user's settings store; a missing or damaged key or value
    // leaves that part of the class as it was, and so do colours that would hide the text.
    void FortwseXrwmata();
    void FortwseXrwmata(QSettings& apo8nkn);
    // Writes all ten classes with all six values; false if the store could not be written.
    bool Apo8nkeuseXrwmata();
    bool Apo8nkeuseXrwmata(QSettings& apo8nkn);

private:
    char16_t Xarakthras(int thesn) const { return thesn < line_.size() ? line_[thesn].unicode() : u'\0'; }
    void Kevo();
    void Sxolio();
    void Alfari8mntiko(char16_t eisagwgiko);
    void Ari8mos();
    void EllnvikhLe3n();
    void LatinikhLe3n();

    std::array<std::unique_ptr<THighlightAttributes>, Plnr8osKlasewv> morfes_;
    QStringView line_;
    int run_ = 0;
    int tokenStart_ = 0;
    int klasn_ = klKevo;
    bool atEnd_ = true;
};

// Who owns a highlighter: the main window's and the colours dialog's start from different colours.
enum TKatoxosXrwmatwv { kxKurioPara8uro, kxDialogosXrwmatwv };

// The colours a window gives its highlighter before any stored setting: the default table on the
// system's window colour, with invalid characters black on red in the main window and yellow on
// red in the colours dialog.
void XrwmataPara8urou(TKalmiraHighlighter& highlighter, TKatoxosXrwmatwv katoxos = kxKurioPara8uro);

// The user's settings store of the colours: organisation "Merovan", application "Καλμίρα".
std::unique_ptr<QSettings> Apo8nknXrwmatwv();

}  // namespace kalmira
