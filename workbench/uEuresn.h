// Find and replace: the two non-modal dialogs of the editing menu, and TEuresn, which runs
// their searches in the source editor and repeats the find dialog's search on F3.
#pragma once

#include <QDialog>
#include <QObject>
#include <QString>

#include <memory>

#include "editor/Unicode.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace kalmira {

class TSyntaxEdit;

// The choices of a dialog's check boxes and direction.
struct TEpilogesEuresns {
    bool OlokliresLe3eis = false;          // "Μόνο ολόκληρες λέξεις"
    bool TairiasmaPezwvKefalaiwv = false;  // "Ταίριασμα πεζών/κεφαλαίων"
    bool ProsTaKatw = true;                // direction "Κάτω"; the replace dialog always searches down
    friend bool operator==(const TEpilogesEuresns&, const TEpilogesEuresns&) = default;
};

// The button the user pressed.
enum TEvergeiaEuresns : unsigned char { eeEuresnEpomevou, eeAvtikatastasn, eeAvtikatastasnOlwv };

// The editor's search options for a dialog's choices and the button pressed: backwards unless
// the direction is down, match case, whole word, and replace or replace all for those buttons.
TSearchOptions EpilogesAvazntnsns(const TEpilogesEuresns& epiloges, TEvergeiaEuresns evergeia);

// What a dialog asks the editor to do.
struct TAitnsnEuresns {
    QString Keimevo;
    QString Avtikatastasn;
    TSearchOptions Epiloges;
};

// What the find and replace dialogs share: the text field, the two check boxes, the find-next
// and cancel buttons. Enter in a field is find next; Escape and the close box close the dialog.
class TfmAvazntnsn : public QDialog {
    Q_OBJECT
public:
    QString Keimevo() const;
    void SetKeimevo(const QString& keimevo);
    virtual QString KeimevoAvtikatastasns() const { return {}; }
    virtual TEpilogesEuresns Epiloges() const;

    QLineEdit* leKeimevo = nullptr;
    QCheckBox* chbOlokliresLe3eis = nullptr;
    QCheckBox* chbTairiasmaPezwvKefalaiwv = nullptr;
    QPushButton* btEuresnEpomevou = nullptr;
    QPushButton* btAkuro = nullptr;  // "Άκυρο", "Κλείσιμο" once a search has been made

signals:
    void Emfanisn();
    void Kleisimo();
    void Euresn(const kalmira::TAitnsnEuresns& aitnsn);

protected:
    explicit TfmAvazntnsn(QWidget* parent);
    // Builds the layout: the fields' rows on the left, above the check boxes and `kato`, the
    // buttons on the right with find next first and cancel last.
    void Diata3n(const QList<QPair<QLabel*, QLineEdit*>>& pedia, QWidget* kato, const QList<QPushButton*>& koumpia);
    TAitnsnEuresns Aitnsn(TEvergeiaEuresns evergeia) const;
    void Egine();  // a button acted: cancel becomes close

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QList<QPushButton*> koumpiaKeimevou_;  // the buttons that need a text to look for
};

// "Εύρεση": find next, up or down.
class TfmEuresn final : public TfmAvazntnsn {
    Q_OBJECT
public:
    explicit TfmEuresn(QWidget* parent = nullptr);
    TEpilogesEuresns Epiloges() const override;

    QRadioButton* rbPanw = nullptr;
    QRadioButton* rbKatw = nullptr;
};

// "Αντικατάσταση": find next, replace, replace all; always down from the caret.
class TfmAvtikatastasn final : public TfmAvazntnsn {
    Q_OBJECT
public:
    explicit TfmAvtikatastasn(QWidget* parent = nullptr);
    QString KeimevoAvtikatastasns() const override;
    void SetKeimevoAvtikatastasns(const QString& keimevo);

    QLineEdit* leAvtikatastasn = nullptr;
    QPushButton* btAvtikatastasn = nullptr;
    QPushButton* btAvtikatastasnOlwv = nullptr;

signals:
    void Avtikatastasn(const kalmira::TAitnsnEuresns& aitnsn);
    void AvtikatastasnOlwv(const kalmira::TAitnsnEuresns& aitnsn);
};

// Runs the dialogs' searches in the source editor. While either dialog is shown the editor keeps
// showing its selection without the focus, so that a found text stays visible; Find next (F3)
// is enabled by the first search from either dialog and repeats the find dialog's search.
class TEuresn final : public QObject {
    Q_OBJECT
public:
    // The dialogs are created here, as windows of `goneas` (which must outlive this object, as
    // it does when the window holds it as a member).
    TEuresn(TSyntaxEdit& sxeKwdikas, QWidget* goneas);
    ~TEuresn() override;

    TfmEuresn& fndDialogosEuresns() const { return *fndDialogosEuresns_; }
    TfmAvtikatastasn& rpdDialogosAvtikatastasns() const { return *rpdDialogosAvtikatastasns_; }

    void EmfaniseEuresn();         // "Εύ&ρεση..." (Ctrl+F)
    void EmfaniseAvtikatastasn();  // "Α&ντικατάσταση" (Ctrl+H)
    // "Εύρεση επομένου" (F3): the find dialog's current text and choices; when that dialog has no
    // text yet, the replace dialog's find text (without replacing). True when found.
    bool EuresnEpomevou();
    bool EpomevoEpitrepetai() const { return epomevo_; }

    // Carries a dialog's request out; returns what the editor's search returns (matches found
    // or replaced). After a single replacement the next match is selected, ready for the next.
    int Ektelese(const TAitnsnEuresns& aitnsn);

signals:
    void EpomevoEpitrepetaiAllakse(bool epitrepetai);

private:
    void Emfanise(int ari8mos, TfmAvazntnsn& dialogos, TfmAvazntnsn& allos);
    void DialogosAllakse(int dialogos, bool emfavns);
    void Epitrepse();

    TSyntaxEdit& sxeKwdikas_;
    std::unique_ptr<TfmEuresn> fndDialogosEuresns_;
    std::unique_ptr<TfmAvtikatastasn> rpdDialogosAvtikatastasns_;
    bool epomevo_ = false;
    bool emfavns_[2] = {false, false};         // the find and the replace dialog are shown
    bool topo8etn8nke_[2] = {false, false};    // ...have been placed beside the window once
    bool apokrupsnEpilogns_ = false;  // the editor hid its selection before the first dialog opened
};

}  // namespace kalmira
