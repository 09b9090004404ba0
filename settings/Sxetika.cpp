#include "settings/Sxetika.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QVBoxLayout>

#include "front/uSuggrafeas.h"

namespace kalmira {

// ---------------------------------------------------------------------------------------------
// TSundesmos

TSundesmos::TSundesmos(const QString& keimevo, QWidget* parent) : QLabel(keimevo, parent)
{
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setMargin(2);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, Qt::blue);
    setPalette(p);
}

void TSundesmos::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit OnClick();
    else
        QLabel::mouseReleaseEvent(event);
}

void TSundesmos::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit OnClick();
        break;
    default:
        QLabel::keyPressEvent(event);
    }
}

void TSundesmos::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

// ---------------------------------------------------------------------------------------------
// TabSxetika

TabSxetika::TabSxetika(QWidget* parent, const QIcon& eikonidio) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Πληροφορίες για την εφαρμογή"));

    auto* pnlKurioPlaisio = new QFrame(this);
    pnlKurioPlaisio->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    auto* ProgramIcon = new QLabel(pnlKurioPlaisio);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    const QIcon icon = eikonidio.isNull() ? QApplication::windowIcon() : eikonidio;
    ProgramIcon->setPixmap(icon.pixmap(QSize(57, 57), devicePixelRatioF()));
    ProgramIcon->setFixedSize(65, 57);
    ProgramIcon->setAlignment(Qt::AlignCenter);

    auto* lbOvomaProiovtos = new QLabel(QStringLiteral("Διερμηνευτής της Καλμίρας"), pnlKurioPlaisio);
    lbOvomaProiovtos->setObjectName(QStringLiteral("lbOvomaProiovtos"));
    QFont megala = lbOvomaProiovtos->font();
    megala.setBold(true);
    megala.setPointSizeF(megala.pointSizeF() * 1.25);
    lbOvomaProiovtos->setFont(megala);
    auto* lbEkdosn = new QLabel(QStringLiteral("Έκδοση 0,8 άλφα"), pnlKurioPlaisio);
    lbEkdosn->setObjectName(QStringLiteral("lbEkdosn"));
    auto* lblPveumatikaDikaiwmata = new QLabel(QStringLiteral("Πνευματικά δικαιώματα:"), pnlKurioPlaisio);
    stxEMail_ = new TSundesmos(QStringView(OvomaSuggrafea).toString() + u'\n' + QStringView(EmailSuggrafea).toString(), pnlKurioPlaisio);
    stxEMail_->setObjectName(QStringLiteral("stxEMail"));
    connect(stxEMail_, &TSundesmos::OnClick, this, &TabSxetika::stxEMailClick);
    auto* lblAvavewmevesEkdoseis = new QLabel(QStringLiteral("Ανανεωμένες εκδόσεις:"), pnlKurioPlaisio);
    stxSite_ = new TSundesmos(QStringView(IstoselidaSuggrafea).toString(), pnlKurioPlaisio);
    stxSite_->setObjectName(QStringLiteral("stxSite"));
    connect(stxSite_, &TSundesmos::OnClick, this, &TabSxetika::stxSiteClick);

    auto* plaisio = new QGridLayout(pnlKurioPlaisio);
    plaisio->setContentsMargins(8, 8, 16, 12);
    plaisio->setHorizontalSpacing(16);
    plaisio->addWidget(ProgramIcon, 0, 0, 2, 1, Qt::AlignTop);
    plaisio->addWidget(lbOvomaProiovtos, 0, 1, Qt::AlignBottom);
    plaisio->addWidget(lbEkdosn, 1, 1, Qt::AlignTop);
    plaisio->setRowMinimumHeight(2, 8);
    plaisio->addWidget(lblPveumatikaDikaiwmata, 3, 0, Qt::AlignVCenter);
    plaisio->addWidget(stxEMail_, 3, 1, Qt::AlignLeft);
    plaisio->addWidget(lblAvavewmevesEkdoseis, 4, 0);
    plaisio->addWidget(stxSite_, 4, 1, Qt::AlignLeft);

    auto* btEvta3ei = new QPushButton(QStringLiteral("Εντά&ξει"), this);
    btEvta3ei->setObjectName(QStringLiteral("btEvta3ei"));
    btEvta3ei->setDefault(true);
    connect(btEvta3ei, &QPushButton::clicked, this, &QDialog::accept);

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(12, 12, 12, 12);
    main->setSpacing(12);
    main->addWidget(pnlKurioPlaisio);
    main->addWidget(btEvta3ei, 0, Qt::AlignHCenter);
    main->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(btEvta3ei, stxEMail_);
    setTabOrder(stxEMail_, stxSite_);
    btEvta3ei->setFocus();
}

void TabSxetika::stxEMailClick()
{
    const QString evtoln = QStringLiteral("mailto:") + QStringView(EmailSuggrafea).toString();
    if (!AvoigmaDieu8uvsns(QUrl(evtoln)))
        EmfanisnMnvumatos(this, QStringLiteral("Δεν μπόρεσα να εκτελέσω την εντολή ") + evtoln);
}

void TabSxetika::stxSiteClick()
{
    const QString dieu8uvsn = stxSite_->text();
    if (!AvoigmaDieu8uvsns(QUrl(dieu8uvsn)))
        EmfanisnMnvumatos(this, QStringLiteral("Δεν μπόρεσα να ανοίξω την ιστοσελίδα ") + dieu8uvsn);
}

}  // namespace kalmira
