#include "workbench/uEuresn.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "editor/SyntaxEditor.h"

namespace kalmira {

TSearchOptions EpilogesAvazntnsns(const TEpilogesEuresns& epiloges, TEvergeiaEuresns evergeia)
{
    TSearchOptions apotelesma;
    if (!epiloges.ProsTaKatw)
        apotelesma |= ssoBackwards;
    if (epiloges.TairiasmaPezwvKefalaiwv)
        apotelesma |= ssoMatchCase;
    if (epiloges.OlokliresLe3eis)
        apotelesma |= ssoWholeWord;
    if (evergeia == eeAvtikatastasn)
        apotelesma |= ssoReplace;
    else if (evergeia == eeAvtikatastasnOlwv)
        apotelesma |= ssoReplaceAll;
    return apotelesma;
}

// ---------------------------------------------------------------------------------------------
// What both dialogs share

static const QString Akuro = QStringLiteral("Άκυρο");

TfmAvazntnsn::TfmAvazntnsn(QWidget* parent) : QDialog(parent)
{
    setModal(false);
    setFont(QApplication::font("QDialog"));
    leKeimevo = new QLineEdit(this);
    leKeimevo->setObjectName(QStringLiteral("leKeimevo"));
    leKeimevo->setMinimumWidth(220);
    chbOlokliresLe3eis = new QCheckBox(QStringLiteral("Μόνο ολόκληρες λέ&ξεις"), this);
    chbOlokliresLe3eis->setObjectName(QStringLiteral("chbOlokliresLe3eis"));
    chbTairiasmaPezwvKefalaiwv = new QCheckBox(QStringLiteral("&Ταίριασμα πεζών/κεφαλαίων"), this);
    chbTairiasmaPezwvKefalaiwv->setObjectName(QStringLiteral("chbTairiasmaPezwvKefalaiwv"));
    btEuresnEpomevou = new QPushButton(QStringLiteral("Εύρεση επ&ομένου"), this);
    btEuresnEpomevou->setObjectName(QStringLiteral("btEuresnEpomevou"));
    btEuresnEpomevou->setDefault(true);
    btAkuro = new QPushButton(Akuro, this);
    btAkuro->setObjectName(QStringLiteral("btAkuro"));
    connect(btEuresnEpomevou, &QPushButton::clicked, this, [this] {
        emit Euresn(Aitnsn(eeEuresnEpomevou));
        Egine();
    });
    connect(btAkuro, &QPushButton::clicked, this, &QDialog::reject);
    connect(leKeimevo, &QLineEdit::textChanged, this, [this](const QString& keimevo) {
        for (QPushButton* koumpi : koumpiaKeimevou_)
            koumpi->setEnabled(!keimevo.isEmpty());
    });
}

void TfmAvazntnsn::Diata3n(const QList<QPair<QLabel*, QLineEdit*>>& pedia, QWidget* kato, const QList<QPushButton*>& koumpia)
{
    auto* grammes = new QGridLayout;
    for (int i = 0; i < pedia.size(); ++i) {
        pedia[i].first->setBuddy(pedia[i].second);
        grammes->addWidget(pedia[i].first, i, 0);
        grammes->addWidget(pedia[i].second, i, 1);
    }
    auto* epiloges = new QVBoxLayout;
    epiloges->addStretch(1);
    epiloges->addWidget(chbOlokliresLe3eis);
    epiloges->addWidget(chbTairiasmaPezwvKefalaiwv);
    auto* kato8en = new QHBoxLayout;
    kato8en->addLayout(epiloges);
    if (kato)
        kato8en->addWidget(kato, 0, Qt::AlignBottom);
    auto* aristera = new QVBoxLayout;
    aristera->addLayout(grammes);
    aristera->addStretch(1);
    aristera->addSpacing(12);
    aristera->addLayout(kato8en);

    auto* de3ia = new QVBoxLayout;
    for (QPushButton* koumpi : koumpia)
        de3ia->addWidget(koumpi);
    de3ia->addWidget(btAkuro);
    de3ia->addStretch(1);

    auto* olo = new QHBoxLayout(this);
    olo->setSpacing(12);
    olo->addLayout(aristera, 1);
    olo->addLayout(de3ia);
    olo->setSizeConstraint(QLayout::SetFixedSize);

    koumpiaKeimevou_ = koumpia;
    for (QPushButton* koumpi : koumpia)
        koumpi->setEnabled(!leKeimevo->text().isEmpty());
}

QString TfmAvazntnsn::Keimevo() const
{
    return leKeimevo->text();
}

void TfmAvazntnsn::SetKeimevo(const QString& keimevo)
{
    leKeimevo->setText(keimevo);
}

TEpilogesEuresns TfmAvazntnsn::Epiloges() const
{
    TEpilogesEuresns epiloges;
    epiloges.OlokliresLe3eis = chbOlokliresLe3eis->isChecked();
    epiloges.TairiasmaPezwvKefalaiwv = chbTairiasmaPezwvKefalaiwv->isChecked();
    return epiloges;
}

TAitnsnEuresns TfmAvazntnsn::Aitnsn(TEvergeiaEuresns evergeia) const
{
    return {Keimevo(), KeimevoAvtikatastasns(), EpilogesAvazntnsns(Epiloges(), evergeia)};
}

void TfmAvazntnsn::Egine()
{
    // Once the text has changed or a match has been selected there is nothing left to cancel.
    btAkuro->setText(QStringLiteral("Κλείσιμο"));
}

void TfmAvazntnsn::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    btAkuro->setText(Akuro);
    emit Emfanisn();
}

void TfmAvazntnsn::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        emit Kleisimo();
}

// ---------------------------------------------------------------------------------------------
// The find dialog

TfmEuresn::TfmEuresn(QWidget* parent) : TfmAvazntnsn(parent)
{
    setWindowTitle(QStringLiteral("Εύρεση"));
    setObjectName(QStringLiteral("fndDialogosEuresns"));
    auto* etiketa = new QLabel(QStringLiteral("&Εύρεση:"), this);
    auto* kateu8uvsn = new QGroupBox(QStringLiteral("Κατεύθυνση"), this);
    rbPanw = new QRadioButton(QStringLiteral("&Πάνω"), kateu8uvsn);
    rbPanw->setObjectName(QStringLiteral("rbPanw"));
    rbKatw = new QRadioButton(QStringLiteral("&Κάτω"), kateu8uvsn);
    rbKatw->setObjectName(QStringLiteral("rbKatw"));
    rbKatw->setChecked(true);
    auto* kateu8uvsnDiata3n = new QHBoxLayout(kateu8uvsn);
    kateu8uvsnDiata3n->addWidget(rbPanw);
    kateu8uvsnDiata3n->addWidget(rbKatw);
    Diata3n({{etiketa, leKeimevo}}, kateu8uvsn, {btEuresnEpomevou});
}

TEpilogesEuresns TfmEuresn::Epiloges() const
{
    TEpilogesEuresns epiloges = TfmAvazntnsn::Epiloges();
    epiloges.ProsTaKatw = rbKatw->isChecked();
    return epiloges;
}

// ---------------------------------------------------------------------------------------------
// The replace dialog

TfmAvtikatastasn::TfmAvtikatastasn(QWidget* parent) : TfmAvazntnsn(parent)
{
    setWindowTitle(QStringLiteral("Αντικατάσταση"));
    setObjectName(QStringLiteral("rpdDialogosAvtikatastasns"));
    auto* etiketaEuresns = new QLabel(QStringLiteral("&Εύρεση:"), this);
    auto* etiketaAvtikatastasns = new QLabel(QStringLiteral("Αντικατάσταση &με:"), this);
    leAvtikatastasn = new QLineEdit(this);
    leAvtikatastasn->setObjectName(QStringLiteral("leAvtikatastasn"));
    btAvtikatastasn = new QPushButton(QStringLiteral("&Αντικατάσταση"), this);
    btAvtikatastasn->setObjectName(QStringLiteral("btAvtikatastasn"));
    btAvtikatastasnOlwv = new QPushButton(QStringLiteral("Αντικατάσταση ό&λων"), this);
    btAvtikatastasnOlwv->setObjectName(QStringLiteral("btAvtikatastasnOlwv"));
    connect(btAvtikatastasn, &QPushButton::clicked, this, [this] {
        emit Avtikatastasn(Aitnsn(eeAvtikatastasn));
        Egine();
    });
    connect(btAvtikatastasnOlwv, &QPushButton::clicked, this, [this] {
        emit AvtikatastasnOlwv(Aitnsn(eeAvtikatastasnOlwv));
        Egine();
    });
    Diata3n({{etiketaEuresns, leKeimevo}, {etiketaAvtikatastasns, leAvtikatastasn}}, nullptr,
            {btEuresnEpomevou, btAvtikatastasn, btAvtikatastasnOlwv});
}

QString TfmAvtikatastasn::KeimevoAvtikatastasns() const
{
    return leAvtikatastasn->text();
}

void TfmAvtikatastasn::SetKeimevoAvtikatastasns(const QString& keimevo)
{
    leAvtikatastasn->setText(keimevo);
}

// ---------------------------------------------------------------------------------------------
// Running the searches

TEuresn::TEuresn(TSyntaxEdit& sxeKwdikas, QWidget* goneas)
    : sxeKwdikas_(sxeKwdikas),
      fndDialogosEuresns_(std::make_unique<TfmEuresn>(goneas)),
      rpdDialogosAvtikatastasns_(std::make_unique<TfmAvtikatastasn>(goneas))
{
    const auto ektelese = [this](const TAitnsnEuresns& aitnsn) { Ektelese(aitnsn); };
    connect(fndDialogosEuresns_.get(), &TfmAvazntnsn::Euresn, this, ektelese);
    connect(rpdDialogosAvtikatastasns_.get(), &TfmAvazntnsn::Euresn, this, ektelese);
    connect(rpdDialogosAvtikatastasns_.get(), &TfmAvtikatastasn::Avtikatastasn, this, ektelese);
    connect(rpdDialogosAvtikatastasns_.get(), &TfmAvtikatastasn::AvtikatastasnOlwv, this, ektelese);
    connect(fndDialogosEuresns_.get(), &TfmAvazntnsn::Emfanisn, this, [this] { DialogosAllakse(0, true); });
    connect(fndDialogosEuresns_.get(), &TfmAvazntnsn::Kleisimo, this, [this] { DialogosAllakse(0, false); });
    connect(rpdDialogosAvtikatastasns_.get(), &TfmAvazntnsn::Emfanisn, this, [this] { DialogosAllakse(1, true); });
    connect(rpdDialogosAvtikatastasns_.get(), &TfmAvazntnsn::Kleisimo, this, [this] { DialogosAllakse(1, false); });
}

TEuresn::~TEuresn()
{
    // Deleting a shown dialog hides it; the editor is left as it was found.
    fndDialogosEuresns_->disconnect(this);
    rpdDialogosAvtikatastasns_->disconnect(this);
}

void TEuresn::EmfaniseEuresn()
{
    Emfanise(0, *fndDialogosEuresns_, *rpdDialogosAvtikatastasns_);
}

void TEuresn::EmfaniseAvtikatastasn()
{
    Emfanise(1, *rpdDialogosAvtikatastasns_, *fndDialogosEuresns_);
}

void TEuresn::Emfanise(int ari8mos, TfmAvazntnsn& dialogos, TfmAvazntnsn& allos)
{
    // A selection within one line is what the user means to look for; otherwise the field keeps
    // its text, or takes the other dialog's.
    const QString epilogn = sxeKwdikas_.SelText();
    if (!epilogn.isEmpty() && !epilogn.contains(u'\r') && !epilogn.contains(u'\n') && epilogn.size() <= 256)
        dialogos.SetKeimevo(epilogn);
    else if (dialogos.Keimevo().isEmpty())
        dialogos.SetKeimevo(allos.Keimevo());

    // The first time, out of the way of the text: at the window's top right corner.
    QWidget* goneas = dialogos.parentWidget();
    if (!topo8etn8nke_[ari8mos] && goneas && goneas->isVisible()) {
        topo8etn8nke_[ari8mos] = true;
        dialogos.adjustSize();
        const QRect para8uro = goneas->geometry();
        dialogos.move(para8uro.right() - dialogos.width() - 32, para8uro.top() + 64);
    }
    dialogos.show();
    dialogos.raise();
    dialogos.activateWindow();
    dialogos.leKeimevo->selectAll();
    dialogos.leKeimevo->setFocus();
}

void TEuresn::DialogosAllakse(int dialogos, bool emfavns)
{
    const bool kavevas = !emfavns_[0] && !emfavns_[1];
    emfavns_[dialogos] = emfavns;
    const bool kavevasTwra = !emfavns_[0] && !emfavns_[1];
    const TEditorOptions epiloges = sxeKwdikas_.Options();
    if (kavevas && !kavevasTwra) {
        // A found text stays highlighted while a dialog has the focus.
        apokrupsnEpilogns_ = epiloges & eoHideSelection;
        sxeKwdikas_.SetOptions(epiloges & ~TEditorOptions(eoHideSelection));
    } else if (!kavevas && kavevasTwra && apokrupsnEpilogns_) {
        sxeKwdikas_.SetOptions(epiloges | eoHideSelection);
    }
}

void TEuresn::Epitrepse()
{
    if (epomevo_)
        return;
    epomevo_ = true;
    emit EpomevoEpitrepetaiAllakse(true);
}

int TEuresn::Ektelese(const TAitnsnEuresns& aitnsn)
{
    Epitrepse();
    const int vre8nkav = sxeKwdikas_.SearchReplace(aitnsn.Keimevo, aitnsn.Avtikatastasn, aitnsn.Epiloges);
    // As in every editor, Replace leaves the next match selected, for the next Replace.
    if (vre8nkav > 0 && (aitnsn.Epiloges & ssoReplace) && !(aitnsn.Epiloges & ssoReplaceAll))
        sxeKwdikas_.SearchReplace(aitnsn.Keimevo, QString(), aitnsn.Epiloges & ~TSearchOptions(ssoReplace));
    return vre8nkav;
}

bool TEuresn::EuresnEpomevou()
{
    if (!epomevo_)
        return false;
    const TfmAvazntnsn& apo = fndDialogosEuresns_->Keimevo().isEmpty() ? static_cast<const TfmAvazntnsn&>(*rpdDialogosAvtikatastasns_)
                                                                        : *fndDialogosEuresns_;
    return sxeKwdikas_.SearchReplace(apo.Keimevo(), QString(), EpilogesAvazntnsns(apo.Epiloges(), eeEuresnEpomevou)) > 0;
}

}  // namespace kalmira
