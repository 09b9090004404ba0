#include "settings/uEpiloges.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRawFont>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace kalmira {

namespace {

bool EgeiXarakthres(const QFont& font, const QString& keimevo)
{
    const QRawFont raw = QRawFont::fromFont(font);
    return raw.isValid() &&
           std::all_of(keimevo.begin(), keimevo.end(), [&](QChar c) { return c.isSpace() || raw.supportsCharacter(c); });
}

}  // namespace

QFont GrammatoseiraMeXarakthres(const QFont& dialogou, const QString& keimevo, int megethos)
{
    QFont font(dialogou);
    font.setPointSize(megethos);
    if (EgeiXarakthres(font, keimevo))
        return font;
    for (const QString& family : {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans Math"),
                                  QStringLiteral("Segoe UI Symbol"), QStringLiteral("Cambria Math"),
                                  QStringLiteral("FreeSerif"), QStringLiteral("Symbola")}) {
        QFont candidate(font);
        candidate.setFamilies({family});
        if (QFontInfo(candidate).family() == family && EgeiXarakthres(candidate, keimevo))
            return candidate;
    }
    return font;
}

TfmEpiloges::TfmEpiloges(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Καλμίρα - Επιλογές"));

    auto* grbGevika = new QGroupBox(QStringLiteral(" Γενικά "), this);
    auto* lblDe3iPeri8wrio = new QLabel(QStringLiteral("Δεξιό περιθώριο στον χαρακτήρα:"), grbGevika);
    speDe3iPeri8wrio_ = new QSpinBox(grbGevika);
    speDe3iPeri8wrio_->setObjectName(QStringLiteral("speDe3iPeri8wrio"));
    speDe3iPeri8wrio_->setRange(ElaxistoPeri8wrio, MegistoPeri8wrio);
    speDe3iPeri8wrio_->setValue(epiloges_.De3iPeri8wrio);
    lblDe3iPeri8wrio->setBuddy(speDe3iPeri8wrio_);
    chbElegxosEisodou_ = new QCheckBox(QStringLiteral("Έλεγχος δεδομένων κατά την είσοδο"), grbGevika);
    chbElegxosEisodou_->setObjectName(QStringLiteral("chbElegxosEisodou"));
    chbElegxosEisodou_->setChecked(epiloges_.ElegxosEisodou);
    chbPlnrnsApotimnsnSuv8nkwv_ =
        new QCheckBox(QStringLiteral("Να γίνεται πλήρης αποτίμηση των λογικών εκφράσεων"), grbGevika);
    chbPlnrnsApotimnsnSuv8nkwv_->setObjectName(QStringLiteral("chbPlnrnsApotimnsnSuv8nkwv"));
    chbPlnrnsApotimnsnSuv8nkwv_->setChecked(epiloges_.PlnrnsApotimnsn);

    auto* gevika = new QGridLayout(grbGevika);
    gevika->addWidget(lblDe3iPeri8wrio, 0, 0);
    gevika->addWidget(speDe3iPeri8wrio_, 0, 1);
    gevika->setColumnStretch(2, 1);
    gevika->addWidget(chbElegxosEisodou_, 1, 0, 1, 3);
    gevika->addWidget(chbPlnrnsApotimnsnSuv8nkwv_, 2, 0, 1, 3);

    // Always ticked and disabled: they only show which symbols the program writes.
    auto* grbXrnsnUnicode = new QGroupBox(QStringLiteral(" Χρήση Unicode τελεστών "), this);
    auto* unicode = new QVBoxLayout(grbXrnsnUnicode);
    const auto unicodeBox = [&](const QString& keimevo, const char* ovoma) {
        auto* chb = new QCheckBox(keimevo, grbXrnsnUnicode);
        chb->setObjectName(QString::fromLatin1(ovoma));
        chb->setFont(GrammatoseiraMeXarakthres(font(), keimevo, 10));
        chb->setChecked(true);
        chb->setEnabled(false);
        unicode->addWidget(chb);
        return chb;
    };
    chbUnicodeAva8esnTimns_ = unicodeBox(QStringLiteral("← αντι για <--"), "chbUnicodeAva8esnTimns");
    chbUnicodeSxesiakoiTelestes_ =
        unicodeBox(QStringLiteral("≤, ≥, ≠ αντι για <=, >=, <>"), "chbUnicodeSxesiakoiTelestes");
    unicodeBox(QStringLiteral("∩∪⊗⊕∅∧∨÷×⊥ αντι για ....."), "chbUnicodeLogikoiTelestes");

    auto* btnApodoxn = new QPushButton(QStringLiteral("Αποδοχή"), this);
    btnApodoxn->setObjectName(QStringLiteral("btnApodoxn"));
    btnApodoxn->setDefault(true);
    connect(btnApodoxn, &QPushButton::clicked, this, &QDialog::accept);
    auto* btnAkurwsn = new QPushButton(QStringLiteral("Ακύρωση"), this);
    btnAkurwsn->setObjectName(QStringLiteral("btnAkurwsn"));
    connect(btnAkurwsn, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnApodoxn);
    buttons->addWidget(btnAkurwsn);

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(24, 16, 24, 16);
    main->setSpacing(16);
    main->addWidget(grbGevika);
    main->addWidget(grbXrnsnUnicode);
    main->addLayout(buttons);
    main->setSizeConstraint(QLayout::SetFixedSize);
    grbGevika->setMinimumWidth(377);
}

bool TfmEpiloges::EvtolnEpilogwv()
{
    if (exec() != QDialog::Accepted)
        return false;
    // A number still being typed counts as entered, or falls back to the last valid value.
    speDe3iPeri8wrio_->interpretText();
    epiloges_.De3iPeri8wrio = speDe3iPeri8wrio_->value();
    epiloges_.ElegxosEisodou = chbElegxosEisodou_->isChecked();
    epiloges_.PlnrnsApotimnsn = chbPlnrnsApotimnsnSuv8nkwv_->isChecked();
    epiloges_.UnicodeAva8esnTimns = chbUnicodeAva8esnTimns_->isChecked();
    epiloges_.UnicodeSxesiakoiTelestes = chbUnicodeSxesiakoiTelestes_->isChecked();
    return true;
}

}  // namespace kalmira
