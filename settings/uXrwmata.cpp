#include "settings/uXrwmata.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace kalmira {

namespace {

const std::array<TColor, TPlegmaXrwmatwv::Plnr8os> XrwmataPlegmatos{
    Rgb(0x00, 0x00, 0x00), Rgb(0x80, 0x00, 0x00), Rgb(0x00, 0x80, 0x00), Rgb(0x80, 0x80, 0x00),
    Rgb(0x00, 0x00, 0x80), Rgb(0x80, 0x00, 0x80), Rgb(0x00, 0x80, 0x80), Rgb(0xC0, 0xC0, 0xC0),
    Rgb(0x80, 0x80, 0x80), Rgb(0xFF, 0x00, 0x00), Rgb(0x00, 0xFF, 0x00), Rgb(0xFF, 0xFF, 0x00),
    Rgb(0x00, 0x00, 0xFF), Rgb(0xFF, 0x00, 0xFF), Rgb(0x00, 0xFF, 0xFF), Rgb(0xFF, 0xFF, 0xFF),
};

// The list's items and, for the first ten, the token class each edits.
const std::array<QString, TfmXrwmata::Plnr8osStoixeiwv> OvomataStoixeiwv{
    QStringLiteral("Κενός χώρος"),        QStringLiteral("Δεσμευμένη λέξη"),
    QStringLiteral("Αναγνωριστικό"),      QStringLiteral("Αγγλικά γράμματα "),
    QStringLiteral("Σύμβολο"),            QStringLiteral("Άκυροι χαρακτήρες"),
    QStringLiteral("Ακέραια σταθερά"),    QStringLiteral("Πραγματική σταθερά"),
    QStringLiteral("Αλφαριθμητική σταθερά"), QStringLiteral("Σχόλιο"),
    QStringLiteral("Γραμμή λάθους"),      QStringLiteral("Γραμμή εκτέλεσης"),
    QStringLiteral("Επιλεγμένο κείμενο"),
};

constexpr std::array<int, Plnr8osKlasewv> KlaseisStoixeiwv{
    klKevo,      klDesmevmevnLe3n,   klAvagvwristiko,     klAgglika,       klSumbolo,
    klAkurosXarakthras, klAkeraiaSta8era, klPragmatiknSta8era, klAlfari8mntiko, klSxolio,
};

const QStringList KeimevoDeigmatos{
    QStringLiteral("Πρόγραμμα Αναγνωριστικό"),
    QStringLiteral("Μεταβλητές"),
    QStringLiteral("  ακέραιες: α"),
    QStringLiteral("  πραγματικές: b"),
    QStringLiteral("Αρχή    !Επιλεγμένο κείμενο"),
    QStringLiteral("  α <-- 1"),
    QStringLiteral("  b <-- 2,3"),
    QStringLiteral("  α <-- b    !Γραμμή λάθους"),
    QStringLiteral("  Γράψε 'Το α είναι ', α"),
    QStringLiteral("  "),
    QStringLiteral("$#@    !Άκυροι χαρακτήρες"),
    QStringLiteral("τέλος_προγράμματος"),
};
constexpr int GrammnLa8ousDeigmatos = 7;
constexpr int ArxnEpilognsDeigmatos = 72;
constexpr int TelosEpilognsDeigmatos = 89;
constexpr int De3iPeri8wrioDeigmatos = 27;

TColorPair ZeugosXrwmatwv(const THighlightAttributes& morfn)
{
    return {ToQColor(morfn.Background(), Qt::white), ToQColor(morfn.Foreground(), Qt::black)};
}

void OriseMorfn(THighlightAttributes& morfn, const TColorPair& zeugos)
{
    morfn.SetAll(FromQColor(zeugos.Background), FromQColor(zeugos.Foreground), morfn.Style());
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TPlegmaXrwmatwv

TPlegmaXrwmatwv::TPlegmaXrwmatwv(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setToolTip(QStringLiteral("Αριστερό κλικ: χρώμα γραμμάτων (Χ)\nΔεξί κλικ: χρώμα φόντου (Φ)"));
}

TColor TPlegmaXrwmatwv::Xrwma(int index)
{
    return XrwmataPlegmatos.at(static_cast<std::size_t>(index));
}

int TPlegmaXrwmatwv::IndexOf(TColor xrwma)
{
    const auto it = std::find(XrwmataPlegmatos.begin(), XrwmataPlegmatos.end(), xrwma);
    return it == XrwmataPlegmatos.end() ? -1 : static_cast<int>(it - XrwmataPlegmatos.begin());
}

void TPlegmaXrwmatwv::SetForegroundIndex(int index)
{
    foreground_ = index >= 0 && index < Plnr8os ? index : -1;
    update();
}

void TPlegmaXrwmatwv::SetBackgroundIndex(int index)
{
    background_ = index >= 0 && index < Plnr8os ? index : -1;
    update();
}

// Square cells of at least 24 pixels, wide enough for both marks in the dialog's font.
int TPlegmaXrwmatwv::CellSize() const
{
    const QFontMetrics metrics = fontMetrics();
    return std::max({24, metrics.height() + 6, metrics.horizontalAdvance(QStringLiteral("ΧΦ")) + 8});
}

QSize TPlegmaXrwmatwv::sizeHint() const
{
    return {Stnles * CellSize(), Grammes * CellSize()};
}

QRect TPlegmaXrwmatwv::CellRect(int index) const
{
    const int cell = CellSize();
    return {index % Stnles * cell, index / Stnles * cell, cell, cell};
}

int TPlegmaXrwmatwv::CellAt(QPoint point) const
{
    const int cell = CellSize();
    const int column = point.x() / cell;
    const int row = point.y() / cell;
    if (point.x() < 0 || point.y() < 0 || column >= Stnles || row >= Grammes)
        return -1;
    return row * Stnles + column;
}

void TPlegmaXrwmatwv::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int i = 0; i < Plnr8os; ++i) {
        const QRect cell = CellRect(i);
        const QColor xrwma = ToQColor(Xrwma(i), Qt::black);
        painter.fillRect(cell, xrwma);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        QString marks;
        if (i == foreground_)
            marks += u'Χ';
        if (i == background_)
            marks += u'Φ';
        if (marks.isEmpty())
            continue;
        // A marked cell gets a frame and its letters in a colour that stands out on it.
        const QColor antitheto = qGray(xrwma.rgb()) > 128 ? Qt::black : Qt::white;
        painter.setPen(QPen(antitheto, 2));
        painter.drawRect(cell.adjusted(2, 2, -2, -2));
        painter.drawText(cell, Qt::AlignCenter, marks);
    }
}

void TPlegmaXrwmatwv::mousePressEvent(QMouseEvent* event)
{
    const int index = CellAt(event->position().toPoint());
    if (index < 0 || (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (event->button() == Qt::LeftButton)
        foreground_ = index;
    else
        background_ = index;
    update();
    emit OnChange();
}

// ---------------------------------------------------------------------------------------------
// TfmXrwmata

TfmXrwmata::TfmXrwmata(QWidget* parent) : QDialog(parent), ghiKalmira_(std::make_unique<TKalmiraHighlighter>())
{
    setWindowTitle(QStringLiteral("Χρώματα κώδικα - Διερμηνευτής της Καλμίρας"));
    XrwmataPara8urou(*ghiKalmira_, kxDialogosXrwmatwv);
    morfesGrammwv_[0] = std::make_unique<THighlightAttributes>(OvomataStoixeiwv[StoixeioGrammnsLa8ous]);
    morfesGrammwv_[1] = std::make_unique<THighlightAttributes>(OvomataStoixeiwv[StoixeioGrammnsEktelesns]);
    morfesGrammwv_[2] = std::make_unique<THighlightAttributes>(OvomataStoixeiwv[StoixeioEpilegmevouKeimevou]);
    DnmiourgiaDeigmatos();
    DnmiourgiaDiataxns();
    lsbStoixeio_->setCurrentRow(0);
    lsbStoixeioClick();
}

// The sample goes before its highlighter, which it would otherwise have to forget.
TfmXrwmata::~TfmXrwmata()
{
    delete sxeDeigma_;
}

THighlightAttributes* TfmXrwmata::MorfnStoixeiou(int stoixeio) const
{
    if (stoixeio >= 0 && stoixeio < Plnr8osKlasewv)
        return ghiKalmira_->Morfn(KlaseisStoixeiwv[static_cast<std::size_t>(stoixeio)]);
    if (stoixeio >= StoixeioGrammnsLa8ous && stoixeio < Plnr8osStoixeiwv)
        return morfesGrammwv_[static_cast<std::size_t>(stoixeio - StoixeioGrammnsLa8ous)].get();
    return nullptr;
}

void TfmXrwmata::DnmiourgiaDeigmatos()
{
    sxeDeigma_ = new TSyntaxEdit(this);
    sxeDeigma_->setObjectName(QStringLiteral("sxeDeigma"));
    sxeDeigma_->SetFont(QFont(QStringLiteral("Courier New"), 10));
    sxeDeigma_->SetGutterWidth(30);
    sxeDeigma_->SetRightMargin(De3iPeri8wrioDeigmatos);
    sxeDeigma_->SetMaxUndo(10);
    sxeDeigma_->SetOptions(eoLineNumbers | eoUseSyntaxHighlighting | eoReadOnly | eoInserting);
    sxeDeigma_->SetHighLighter(ghiKalmira_.get());
    sxeDeigma_->SetLines(KeimevoDeigmatos);
    sxeDeigma_->SetMarkLine(GrammnLa8ousDeigmatos);
    sxeDeigma_->SetMarkColor({Qt::red, Qt::white});
    // Room for every line of the sample and the margin line, without scroll bars.
    const int lineHeight = QFontMetrics(sxeDeigma_->Font()).lineSpacing();
    sxeDeigma_->setMinimumSize(sxeDeigma_->CharWidth() * (De3iPeri8wrioDeigmatos + 8) + 30,
                               lineHeight * (static_cast<int>(KeimevoDeigmatos.size()) + 1) + 8);
}

void TfmXrwmata::DnmiourgiaDiataxns()
{
    lsbStoixeio_ = new QListWidget(this);
    lsbStoixeio_->setObjectName(QStringLiteral("lsbStoixeio"));
    for (const QString& ovoma : OvomataStoixeiwv)
        lsbStoixeio_->addItem(ovoma);
    lsbStoixeio_->setMinimumWidth(lsbStoixeio_->sizeHintForColumn(0) + 2 * lsbStoixeio_->frameWidth() +
                                  lsbStoixeio_->verticalScrollBar()->sizeHint().width() + 8);
    lsbStoixeio_->setMinimumHeight(8 * lsbStoixeio_->sizeHintForRow(0) + 2 * lsbStoixeio_->frameWidth());
    connect(lsbStoixeio_, &QListWidget::currentRowChanged, this, &TfmXrwmata::lsbStoixeioClick);

    const auto checkBox = [this](const QString& keimevo, const char* ovoma, void (QFont::*stul)(bool)) {
        auto* chb = new QCheckBox(keimevo, this);
        chb->setObjectName(QString::fromLatin1(ovoma));
        QFont font = chb->font();
        (font.*stul)(true);
        chb->setFont(font);
        connect(chb, &QCheckBox::clicked, this, &TfmXrwmata::AllagnMorfns);
        return chb;
    };
    chbEvtova_ = checkBox(QStringLiteral("Έντονα"), "chbEvtova", &QFont::setBold);
    chbPlagia_ = checkBox(QStringLiteral("Πλάγια"), "chbPlagia", &QFont::setItalic);
    chbYpogrammismeva_ = checkBox(QStringLiteral("Υπογραμμισμένα"), "chbYpogrammismeva", &QFont::setUnderline);

    clgXrwmata_ = new TPlegmaXrwmatwv(this);
    clgXrwmata_->setObjectName(QStringLiteral("clgXrwmata"));
    connect(clgXrwmata_, &TPlegmaXrwmatwv::OnChange, this, &TfmXrwmata::AllagnMorfns);

    btnApodoxn_ = new QPushButton(QStringLiteral("Αποδοχή"), this);
    btnApodoxn_->setObjectName(QStringLiteral("btnApodoxn"));
    btnApodoxn_->setDefault(true);
    connect(btnApodoxn_, &QPushButton::clicked, this, &QDialog::accept);
    btnMataiwsn_ = new QPushButton(QStringLiteral("Ματαίωση"), this);
    btnMataiwsn_->setObjectName(QStringLiteral("btnMataiwsn"));
    connect(btnMataiwsn_, &QPushButton::clicked, this, &QDialog::reject);
    btnEpavaforaProepilogwv_ = new QPushButton(QStringLiteral("Επαναφορά προεπιλογών"), this);
    btnEpavaforaProepilogwv_->setObjectName(QStringLiteral("btnEpavaforaProepilogwv"));
    btnEpavaforaProepilogwv_->setAutoDefault(false);
    connect(btnEpavaforaProepilogwv_, &QPushButton::clicked, this, &TfmXrwmata::btnEpavaforaProepilogwvClick);

    const auto label = [this](const QString& keimevo, QWidget* buddy) {
        auto* lbl = new QLabel(keimevo, this);
        lbl->setBuddy(buddy);
        return lbl;
    };
    auto* styles = new QVBoxLayout;
    styles->addWidget(chbEvtova_);
    styles->addWidget(chbPlagia_);
    styles->addWidget(chbYpogrammismeva_);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->addWidget(label(QStringLiteral("Στοιχείο:"), lsbStoixeio_), 0, 0);
    grid->addWidget(label(QStringLiteral("Χρώματα:"), clgXrwmata_), 0, 1);
    grid->addWidget(label(QStringLiteral("Δείγμα:"), sxeDeigma_), 0, 2);
    grid->addWidget(lsbStoixeio_, 1, 0);
    grid->addLayout(styles, 2, 0);
    grid->addWidget(clgXrwmata_, 1, 1, 2, 1, Qt::AlignTop);
    grid->addWidget(sxeDeigma_, 1, 2, 2, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnEpavaforaProepilogwv_);
    buttons->addStretch(1);
    buttons->addWidget(btnApodoxn_);
    buttons->addWidget(btnMataiwsn_);

    auto* main = new QVBoxLayout(this);
    main->addLayout(grid, 1);
    main->addSpacing(8);
    main->addLayout(buttons);
}

// ---------------------------------------------------------------------------------------------
// The command

bool TfmXrwmata::EvtolnXrwmatwv(TSyntaxEdit& kwdikas, TKalmiraHighlighter& xrwmatistns)
{
    sxeDeigma_->SetOptions(sxeDeigma_->Options() | eoReadOnly);
    ghiKalmira_->FortwseXrwmata();
    FormShow(kwdikas);
    if (exec() != QDialog::Accepted)
        return false;
    return Efarmose(kwdikas, xrwmatistns);
}

// The classes are stored first; only a store that took them is read back into the main
// highlighter, so that a failure leaves the main editor as it was.
bool TfmXrwmata::Efarmose(TSyntaxEdit& kwdikas, TKalmiraHighlighter& xrwmatistns)
{
    const auto apo8nkn = Apo8nknXrwmatwv();
    if (!ghiKalmira_->Apo8nkeuseXrwmata(*apo8nkn)) {
        EmfanisnMnvumatos(kwdikas.window(),
                          QStringLiteral("Δεν μπόρεσα να αποθηκεύσω τα χρώματα του κώδικα στο αρχείο ρυθμίσεων «%1». "
                                         "Ίσως δεν επιτρέπεται η εγγραφή στο αρχείο ή στον φάκελό του, ή ο δίσκος "
                                         "είναι γεμάτος.\nΤα χρώματα του κώδικα έμειναν όπως ήταν.")
                              .arg(apo8nkn->fileName()));
        return false;
    }
    xrwmatistns.FortwseXrwmata(*apo8nkn);
    kwdikas.SetMarkColor(sxeDeigma_->MarkColor());
    kwdikas.SetSelectedColor(sxeDeigma_->SelectedColor());
    return true;
}

// The marked-line items start from the main editor's one marked-line colour, the selection item
// from its selection colour.
void TfmXrwmata::FormShow(const TSyntaxEdit& kwdikas)
{
    OriseMorfn(*MorfnStoixeiou(StoixeioGrammnsLa8ous), kwdikas.MarkColor());
    OriseMorfn(*MorfnStoixeiou(StoixeioGrammnsEktelesns), kwdikas.MarkColor());
    OriseMorfn(*MorfnStoixeiou(StoixeioEpilegmevouKeimevou), kwdikas.SelectedColor());
    sxeDeigma_->SetMarkColor(ZeugosXrwmatwv(*MorfnStoixeiou(StoixeioGrammnsLa8ous)));
    sxeDeigma_->SetSelectedColor(ZeugosXrwmatwv(*MorfnStoixeiou(StoixeioEpilegmevouKeimevou)));
    sxeDeigma_->SetSelection(ArxnEpilognsDeigmatos, TelosEpilognsDeigmatos);
    lsbStoixeioClick();
}

// Shows the selected item's style and colours. The marked-line and selection items have no style.
void TfmXrwmata::lsbStoixeioClick()
{
    if (lsbStoixeio_->currentRow() < 0) {
        const QSignalBlocker blocker(lsbStoixeio_);
        lsbStoixeio_->setCurrentRow(0);
    }
    const int stoixeio = lsbStoixeio_->currentRow();
    const THighlightAttributes& morfn = *MorfnStoixeiou(stoixeio);
    const bool klasn = stoixeio < Plnr8osKlasewv;
    const std::array<std::pair<QCheckBox*, TFontStyle>, 3> stul{
        {{chbEvtova_, fsBold}, {chbPlagia_, fsItalic}, {chbYpogrammismeva_, fsUnderline}}};
    for (const auto& [chb, flag] : stul) {
        chb->setEnabled(klasn);
        chb->setChecked(klasn && morfn.Style().testFlag(flag));
    }
    clgXrwmata_->SetForegroundIndex(TPlegmaXrwmatwv::IndexOf(morfn.Foreground()));
    clgXrwmata_->SetBackgroundIndex(TPlegmaXrwmatwv::IndexOf(morfn.Background()));
}

// A check box or the grid changed: the item takes the style of the boxes and the colours marked
// in the grid. A colour that the grid does not mark (a system colour, the default text colour)
// stays as it was.
void TfmXrwmata::AllagnMorfns()
{
    const int stoixeio = lsbStoixeio_->currentRow();
    THighlightAttributes& morfn = *MorfnStoixeiou(stoixeio);
    TFontStyles stul = morfn.Style();
    if (stoixeio < Plnr8osKlasewv) {
        stul.setFlag(fsBold, chbEvtova_->isChecked());
        stul.setFlag(fsItalic, chbPlagia_->isChecked());
        stul.setFlag(fsUnderline, chbYpogrammismeva_->isChecked());
    }
    const int fovto = clgXrwmata_->BackgroundIndex();
    const int xrwma = clgXrwmata_->ForegroundIndex();
    morfn.SetAll(fovto >= 0 ? TPlegmaXrwmatwv::Xrwma(fovto) : morfn.Background(),
                 xrwma >= 0 ? TPlegmaXrwmatwv::Xrwma(xrwma) : morfn.Foreground(), stul);
    if (stoixeio == StoixeioGrammnsLa8ous || stoixeio == StoixeioGrammnsEktelesns)
        sxeDeigma_->SetMarkColor(ZeugosXrwmatwv(morfn));
    else if (stoixeio == StoixeioEpilegmevouKeimevou)
        sxeDeigma_->SetSelectedColor(ZeugosXrwmatwv(morfn));
}

// The default table for the ten classes; the marked-line and selection items keep theirs. The
// boxes and the grid then show the new values, so that a later click starts from them.
void TfmXrwmata::btnEpavaforaProepilogwvClick()
{
    ghiKalmira_->EpavaforaProepilogwv();
    lsbStoixeioClick();
}

}  // namespace kalmira
