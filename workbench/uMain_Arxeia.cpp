// The file commands of the main window: New, Open, Save and Save as, the question about unsaved
// changes, the caption and the two save states. Reading and writing are uArxeiaProgrammatos's.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "editor/SyntaxEditor.h"
#include "settings/Mnvuma.h"
#include "workbench/uArxeiaProgrammatos.h"
#include "workbench/uMain.h"
#include "workbench/uRu8miseis.h"

namespace kalmira {

void TfmKalmira::SundesnArxeiwv()
{
    connect(miDnmiourgia, &QAction::triggered, this, &TfmKalmira::miDnmiourgiaClick);
    connect(miAvoigma, &QAction::triggered, this, &TfmKalmira::miAvoigmaClick);
    connect(miApo8nkeusn, &QAction::triggered, this, &TfmKalmira::miApo8nkeusnClick);
    connect(miApo8nkeusnWs, &QAction::triggered, this, &TfmKalmira::miApo8nkeusnWsClick);
    connect(tbApo8nkeusn, &QAction::triggered, this, [this] {
        if (ovomaArxeiou_.isEmpty())
            miApo8nkeusnWsClick();
        else
            miApo8nkeusnClick();
    });
    KatastasnApo8nkeusns();
}

// The two save states: an unnamed program saves with Save as (Ctrl+S and the tool button), a
// named one with Save.
void TfmKalmira::KatastasnApo8nkeusns()
{
    const bool ovomasmevo = !ovomaArxeiou_.isEmpty();
    miApo8nkeusn->setEnabled(ovomasmevo);
    miApo8nkeusn->setShortcut(ovomasmevo ? QKeySequence(Qt::CTRL | Qt::Key_S) : QKeySequence());
    miApo8nkeusnWs->setShortcut(ovomasmevo ? QKeySequence() : QKeySequence(Qt::CTRL | Qt::Key_S));
    const QAction* pros = ovomasmevo ? miApo8nkeusn : miApo8nkeusnWs;
    tbApo8nkeusn->setText(pros->text());
    tbApo8nkeusn->setIcon(pros->icon());
    tbApo8nkeusn->setToolTip(pros->toolTip());
    tbApo8nkeusn->setStatusTip(pros->statusTip());
    tbApo8nkeusn->setEnabled(pros->isEnabled());
}

void TfmKalmira::OriseOvomaArxeiou(const QString& diadromn)
{
    ovomaArxeiou_ = diadromn;
    setWindowTitle(TitlosPara8urou(QDir::toNativeSeparators(diadromn)));
    KatastasnApo8nkeusns();
}

void TfmKalmira::Apo8nkeumevo()
{
    sxeKwdikas->SetModified(false);
    sbPanel[1]->setText(QStringLiteral("Αποθηκευμένο"));
}

bool TfmKalmira::ErwtnsnAllagwv()
{
    if (!sxeKwdikas->Modified())
        return true;
    const QString erwtnsn = kalmira::ErwtnsnAllagwv(QDir::toNativeSeparators(ovomaArxeiou_));
    switch (ErwtnsnNaiOxiAkuro(this, QStringLiteral("Καλμίρα"), erwtnsn)) {
    case QMessageBox::Yes:
        if (ovomaArxeiou_.isEmpty())
            return miApo8nkeusnWsClick();
        // A save that failed keeps the command from throwing the changes away.
        return miApo8nkeusnClick();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void TfmKalmira::miDnmiourgiaClick()
{
    if (!ErwtnsnAllagwv())
        return;
    ovomaArxeiou_.clear();
    setWindowTitle(TitlosPara8urou({}));
    sxeKwdikas->SetLines({});
    sxeKwdikas->SetCaretXY({0, 0});
    Apo8nkeumevo();
    elegxos_.Aporripse();
    KatastasnApo8nkeusns();
}

void TfmKalmira::miAvoigmaClick()
{
    if (!ErwtnsnAllagwv())
        return;
    QFileDialog dialogos(this, QStringLiteral("Άνοιγμα προγράμματος - Διερμηνευτής της Καλμίρας"), FakelosDialogou());
    dialogos.setObjectName(QStringLiteral("opdDialogosAvoigmatos"));
    dialogos.setAcceptMode(QFileDialog::AcceptOpen);
    dialogos.setFileMode(QFileDialog::ExistingFile);
    EtoimaseDialogoArxeiwv(dialogos, QStringLiteral("Προγράμματα της Καλμίρας (*.καλμίρα;*.txt;*.uni)"));
    if (dialogos.exec() != QDialog::Accepted || dialogos.selectedFiles().isEmpty())
        return;
    AvoigmaArxeiou(dialogos.selectedFiles().constFirst());
}

bool TfmKalmira::AvoigmaArxeiou(const QString& diadromn)
{
    QString keimevo;
    QString la8os;
    if (!DiabaseArxeioProgrammatos(diadromn, keimevo, la8os)) {
        EmfaniseMnvuma(this, la8os);
        return false;
    }
    fakelosDialogou_ = QFileInfo(diadromn).absolutePath();
    sxeKwdikas->SetText(keimevo);
    sxeKwdikas->SetCaretXY({0, 0});
    OriseOvomaArxeiou(QFileInfo(diadromn).absoluteFilePath());
    Apo8nkeumevo();
    elegxos_.Aporripse();
    return true;
}

bool TfmKalmira::miApo8nkeusnClick()
{
    return GrafnSto(ovomaArxeiou_);
}

bool TfmKalmira::miApo8nkeusnWsClick()
{
    QString proteinomeno = ovomaProtasns_;
    if (ovomaArxeiou_.isEmpty() && elegxos_.Programma())
        proteinomeno = QString::fromStdU16String(elegxos_.Programma()->OvomaProgrammatos());
    QFileDialog dialogos(this, QStringLiteral("Αποθήκευση προγράμματος - Διερμηνευτής της Καλμίρας"), FakelosDialogou());
    dialogos.setObjectName(QStringLiteral("svdDialogosApo8nkeusns"));
    dialogos.setAcceptMode(QFileDialog::AcceptSave);
    dialogos.setFileMode(QFileDialog::AnyFile);
    EtoimaseDialogoArxeiwv(dialogos, QStringLiteral("Πρόγραμμα της Καλμίρας (*.καλμίρα)"));
    dialogos.selectFile(proteinomeno);
    // The dialog proposes next time the name it showed last, even when it is cancelled.
    ovomaProtasns_ = proteinomeno;
    if (dialogos.exec() != QDialog::Accepted || dialogos.selectedFiles().isEmpty())
        return false;
    const QString diadromn = OvomaMeKatal3n(dialogos.selectedFiles().constFirst());
    ovomaProtasns_ = QFileInfo(diadromn).completeBaseName();
    if (!GrafnSto(diadromn))
        return false;
    fakelosDialogou_ = QFileInfo(diadromn).absolutePath();
    OriseOvomaArxeiou(QFileInfo(diadromn).absoluteFilePath());
    return true;
}

// Writes the editor's lines to a file; on failure nothing changes and the user is told why.
bool TfmKalmira::GrafnSto(const QString& diadromn)
{
    QString la8os;
    if (!GrapseArxeioProgrammatos(diadromn, sxeKwdikas->Lines(), la8os)) {
        EmfaniseMnvuma(this, la8os);
        return false;
    }
    Apo8nkeumevo();
    return true;
}

QString TfmKalmira::FakelosDialogou() const
{
    return fakelosDialogou_.isEmpty() ? FakelosParadeigmatwv() : fakelosDialogou_;
}

}  // namespace kalmira
