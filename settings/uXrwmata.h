// TfmXrwmata: the colours dialog. The user picks the colours and style of each token class of the
// language highlighter, and the colours of the marked line and of selected text, on a sample
// editor with the dialog's own highlighter; accepting stores the classes in the user's settings
// store and applies everything to the main editor.
#pragma once

#include <QDialog>
#include <QWidget>

#include <array>
#include <memory>

#include "editor/SyntaxEditor.h"
#include "settings/KalmiraHighlighter.h"
#include "settings/Mnvuma.h"

class QCheckBox;
class QListWidget;
class QPushButton;

namespace kalmira {

// A palette of 16 colours in 2 columns and 8 rows, read row by row. A left click picks the
// foreground, a right click the background; the grid marks both cells ("Χ" and "Φ"). An index
// of -1 marks no cell: the colour is none of the sixteen.
class TPlegmaXrwmatwv final : public QWidget {
    Q_OBJECT
public:
    static constexpr int Stnles = 2;
    static constexpr int Grammes = 8;
    static constexpr int Plnr8os = Stnles * Grammes;

    explicit TPlegmaXrwmatwv(QWidget* parent = nullptr);

    static TColor Xrwma(int index);
    // The index of the first grid colour equal to `xrwma`, or -1 (system colours included).
    static int IndexOf(TColor xrwma);

    int ForegroundIndex() const { return foreground_; }
    int BackgroundIndex() const { return background_; }
    // Setting an index shows it and raises no OnChange.
    void SetForegroundIndex(int index);
    void SetBackgroundIndex(int index);
    QRect CellRect(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // The user picked a colour.
    void OnChange();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int CellSize() const;
    int CellAt(QPoint point) const;

    int foreground_ = -1;
    int background_ = -1;
};

class TfmXrwmata final : public QDialog {
    Q_OBJECT
public:
    // The list's items: 0 to 9 edit token classes, the last three the dialog's own attributes.
    static constexpr int StoixeioGrammnsLa8ous = Plnr8osKlasewv;
    static constexpr int StoixeioGrammnsEktelesns = Plnr8osKlasewv + 1;
    static constexpr int StoixeioEpilegmevouKeimevou = Plnr8osKlasewv + 2;
    static constexpr int Plnr8osStoixeiwv = Plnr8osKlasewv + 3;

    explicit TfmXrwmata(QWidget* parent = nullptr);
    ~TfmXrwmata() override;

    // The "Χρώματα κώδικα..." command for the main editor and its highlighter. Loads the stored
    // colours over the dialog's own, shows the dialog modally with the editor's marked-line and
    // selection colours, and if it is accepted stores the ten classes, reloads `xrwmatistns` from
    // the store and gives `kwdikas` the chosen marked-line and selection colours. A store that
    // cannot be written is reported and nothing is applied. True when the colours were applied.
    bool EvtolnXrwmatwv(TSyntaxEdit& kwdikas, TKalmiraHighlighter& xrwmatistns);

    // The sample editor and its highlighter, with the colours being edited.
    TSyntaxEdit& Deigma() const { return *sxeDeigma_; }
    TKalmiraHighlighter& Xrwmatistns() const { return *ghiKalmira_; }
    // The attribute that list item `stoixeio` edits.
    THighlightAttributes* MorfnStoixeiou(int stoixeio) const;

    // How failures reach the user; a message box unless replaced.
    TEmfanisnMnvumatos EmfanisnMnvumatos = EmfaniseMnvuma;

private:
    void DnmiourgiaDeigmatos();
    void DnmiourgiaDiataxns();
    void FormShow(const TSyntaxEdit& kwdikas);
    void lsbStoixeioClick();
    void AllagnMorfns();
    void btnEpavaforaProepilogwvClick();
    bool Efarmose(TSyntaxEdit& kwdikas, TKalmiraHighlighter& xrwmatistns);

    std::unique_ptr<TKalmiraHighlighter> ghiKalmira_;
    // "Γραμμή λάθους", "Γραμμή εκτέλεσης", "Επιλεγμένο κείμενο".
    std::array<std::unique_ptr<THighlightAttributes>, 3> morfesGrammwv_;

    // Controls, owned by the dialog as their parent.
    QListWidget* lsbStoixeio_ = nullptr;
    QCheckBox* chbEvtova_ = nullptr;
    QCheckBox* chbPlagia_ = nullptr;
    QCheckBox* chbYpogrammismeva_ = nullptr;
    TPlegmaXrwmatwv* clgXrwmata_ = nullptr;
    TSyntaxEdit* sxeDeigma_ = nullptr;
    QPushButton* btnApodoxn_ = nullptr;
    QPushButton* btnMataiwsn_ = nullptr;
    QPushButton* btnEpavaforaProepilogwv_ = nullptr;
};

}  // namespace kalmira
