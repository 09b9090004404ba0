// The editing commands of the main window: undo, the clipboard, delete, select all, with the rule
// that enables them; the font and page set-up commands.
#include <QApplication>
#include <QClipboard>
#include <QFontDialog>
#include <QHeaderView>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QTableWidget>

#include <cmath>

#include "editor/SyntaxEditor.h"
#include "workbench/uEuresn.h"
#include "workbench/uMain.h"

namespace kalmira {

void TfmKalmira::SundesnEpe3ergasias()
{
    const struct {
        QAction* evergeia;
        QString suvtomn;
        QString makria;
    } ypodei3eis[] = {
        {miAvairesn, QStringLiteral("Αναίρεση"), QStringLiteral("Αναιρεί την τελευταία ενέργεια")},
        {miApokopn, QStringLiteral("Αποκοπή"), QStringLiteral("Αποκόπτει την επιλογή και την τοποθετεί στο πρόχειρο")},
        {miAvtigrafn, QStringLiteral("Αντι&γραφή"), QStringLiteral("Αντιγράφει το επιλεγμένο κείμενο στο πρόχειρο")},
        {miEpikollnsn, QStringLiteral("Επικόλληση"), QStringLiteral("Επικολλά τα περιεχόμενα του πρόχειρου στο κείμενο")},
        {miDiagrafn, QStringLiteral("Διαγραφή"), QStringLiteral("Διαγράφει το επιλεγμένο κείμενο")},
        {miEpilognOlwv, QStringLiteral("Επιλογή όλων"), QStringLiteral("Επιλέγει όλο το κείμενο")},
        {miEuresn, QStringLiteral("Εύρεση"), QStringLiteral("Αναζητεί κείμενο")},
        {miEuresnEpomevou, QStringLiteral("Εύρεση επομένου"), QStringLiteral("Επαναλαμβάνει την τελευταία αναζήτηση")},
        {miAvtikatastasn, QStringLiteral("Αντικατάσταση"), QStringLiteral("Αντικαθιστά κάποιο κείμενο με άλλο")},
        {miDiamorfwsnSelidas, QStringLiteral("Ρυθμίσεις για την εκτύπωση"), QStringLiteral("Ρυθμίσεις για την εκτύπωση")},
    };
    for (const auto& y : ypodei3eis) {
        y.evergeia->setToolTip(y.suvtomn);
        y.evergeia->setStatusTip(y.makria);
    }

    connect(miAvairesn, &QAction::triggered, sxeKwdikas, &TSyntaxEdit::Undo);
    connect(miApokopn, &QAction::triggered, sxeKwdikas, &TSyntaxEdit::CutToClipboard);
    connect(miAvtigrafn, &QAction::triggered, sxeKwdikas, &TSyntaxEdit::CopyToClipboard);
    connect(miEpikollnsn, &QAction::triggered, sxeKwdikas, &TSyntaxEdit::PasteFromClipboard);
    connect(miDiagrafn, &QAction::triggered, this, [this] { sxeKwdikas->ExecuteCommand(ecDeleteChar); });
    connect(miEpilognOlwv, &QAction::triggered, sxeKwdikas, &TSyntaxEdit::SelectAll);
    connect(miEuresn, &QAction::triggered, euresn_.get(), &TEuresn::EmfaniseEuresn);
    connect(miAvtikatastasn, &QAction::triggered, euresn_.get(), &TEuresn::EmfaniseAvtikatastasn);
    connect(miEuresnEpomevou, &QAction::triggered, euresn_.get(), &TEuresn::EuresnEpomevou);
    connect(euresn_.get(), &TEuresn::EpomevoEpitrepetaiAllakse, miEuresnEpomevou, &QAction::setEnabled);
    // F3 works from the find dialogs too, which are windows of their own.
    miEuresnEpomevou->setShortcutContext(Qt::ApplicationShortcut);
    connect(miGrammatoseira, &QAction::triggered, this, &TfmKalmira::miGrammatoseiraClick);
    connect(miDiamorfwsnSelidas, &QAction::triggered, this, &TfmKalmira::miDiamorfwsnSelidasClick);

    connect(sxeKwdikas, &TSyntaxEdit::OnEnter, this, [this] { sxeKwdikasFocusChange(); });
    connect(sxeKwdikas, &TSyntaxEdit::OnExit, this, [this] { sxeKwdikasFocusChange(); });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TfmKalmira::sxeKwdikasFocusChange);
    // The focus may also leave for a control that is not the editor's neighbour (the tab bar).
    connect(qApp, &QApplication::focusChanged, this, &TfmKalmira::sxeKwdikasFocusChange);
    miEuresnEpomevou->setEnabled(false);
    sxeKwdikasFocusChange();
}

// Enables the editing commands by the focus, the selection and the clipboard.
void TfmKalmira::sxeKwdikasFocusChange()
{
    const QWidget* estiasn = QApplication::focusWidget();
    const bool estiasmevo = estiasn && (estiasn == sxeKwdikas || sxeKwdikas->isAncestorOf(estiasn));
    const QMimeData* proxeiro = QApplication::clipboard()->mimeData();
    miAvairesn->setEnabled(estiasmevo && sxeKwdikas->CanUndo());
    miApokopn->setEnabled(estiasmevo && sxeKwdikas->SelAvail());
    miAvtigrafn->setEnabled(estiasmevo && sxeKwdikas->SelAvail());
    miEpikollnsn->setEnabled(estiasmevo && proxeiro && proxeiro->hasText());
    miDiagrafn->setEnabled(estiasmevo);
    miEpilognOlwv->setEnabled(estiasmevo);
}

void TfmKalmira::miGrammatoseiraClick()
{
    bool apodoxn = false;
    const QFont grammatoseira = QFontDialog::getFont(&apodoxn, grammatoseira_, this,
                                                     QStringLiteral("Γραμματοσειρά"),
                                                     QFontDialog::MonospacedFonts | QFontDialog::DontUseNativeDialog);
    if (!apodoxn)
        return;
    OriseGrammatoseira(grammatoseira);
}

void TfmKalmira::OriseGrammatoseira(const QFont& grammatoseira)
{
    // The window's own font stays that of the desktop: menus and bars keep a proportional font.
    grammatoseira_ = grammatoseira;
    sxeKwdikas->SetFont(grammatoseira);
    // Line numbers at four fifths of the size, halves to the even neighbour (11 pt gives 9 pt).
    QFont ari8moi = grammatoseira;
    const double mege8os = grammatoseira.pointSizeF() > 0 ? grammatoseira.pointSizeF() : grammatoseira.pointSize();
    ari8moi.setPointSize(static_cast<int>(std::nearbyint(mege8os * 4.0 / 5.0)));
    sxeKwdikas->SetLineNumberFont(ari8moi);
    sxeKwdikas->SetLineNumberColor(Qt::black);
    sxeKwdikas->SetGutterWidth(3 * sxeKwdikas->CharWidth());
    seO8ovnXrnstn->SetFont(grammatoseira);
    vleParakolou8nsnMetablntwv->setFont(grammatoseira);
    vleParakolou8nsnMetablntwv->verticalHeader()->setDefaultSectionSize(QFontMetrics(grammatoseira).height() + 3);
}

void TfmKalmira::miDiamorfwsnSelidasClick()
{
    QPrinter ektupwtns;
    QPageSetupDialog dialogos(&ektupwtns, this);
    dialogos.setWindowTitle(QStringLiteral("Διαμόρφωση σελίδας"));
    dialogos.exec();
}

}  // namespace kalmira
