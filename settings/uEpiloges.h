// TfmEpiloges: the options dialog. It holds the right margin of the source editor, key checking in
// the input dialog and full evaluation of logical expressions, and shows, unchangeable, that the
// Unicode operator symbols are used. The window applies the accepted values; nothing is stored.
#pragma once

#include <QDialog>
#include <QFont>

class QCheckBox;
class QSpinBox;

namespace kalmira {

// The options, with their values at program start.
struct TEpiloges {
    int De3iPeri8wrio = 64;         // the source editor's right margin, and the column of trailing comments
    bool ElegxosEisodou = true;     // the input dialog refuses keys that do not fit the variable's type
    bool PlnrnsApotimnsn = false;   // "ή" and "και" evaluate both operands
    bool UnicodeAva8esnTimns = true;       // read by nothing: the operators are always normalized
    bool UnicodeSxesiakoiTelestes = true;  // likewise
};

// A font of the dialog's family and the given size that has every character of `keimevo`, or the
// nearest installed one that does.
QFont GrammatoseiraMeXarakthres(const QFont& dialogou, const QString& keimevo, int megethos);

class TfmEpiloges final : public QDialog {
    Q_OBJECT
public:
    static constexpr int ElaxistoPeri8wrio = 50;
    static constexpr int MegistoPeri8wrio = 200;

    explicit TfmEpiloges(QWidget* parent = nullptr);

    // The "Επιλογές..." command: shows the dialog modally with its controls as they were left.
    // When it is accepted the controls become the options and the result is true; when it is
    // cancelled the options stay, while the controls keep what the user entered.
    bool EvtolnEpilogwv();

    // The options accepted last; the start values until the dialog is first accepted.
    const TEpiloges& Epiloges() const { return epiloges_; }

private:
    TEpiloges epiloges_;
    QSpinBox* speDe3iPeri8wrio_ = nullptr;
    QCheckBox* chbElegxosEisodou_ = nullptr;
    QCheckBox* chbPlnrnsApotimnsnSuv8nkwv_ = nullptr;
    QCheckBox* chbUnicodeAva8esnTimns_ = nullptr;
    QCheckBox* chbUnicodeSxesiakoiTelestes_ = nullptr;
};

}  // namespace kalmira
