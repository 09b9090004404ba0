#include "workbench/uEisodosXrnstn.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalmira {

QString ProtropnDiabasmatos(TTuposDedomevwv tupos, const QString& keimevoMetablntns)
{
    return QStringLiteral("Διάβασμα της ") + QString::fromStdU16String(PngaiosKwdikasTupou(tupos, ptGeviknEvikou, gv8nluko)) +
           QStringLiteral(" μεταβλητής «") + keimevoMetablntns + QStringLiteral("»: ");
}

QChar FiltroPlnktrou(TTuposDedomevwv tupos, bool elegxos, const QString& keimevoPediou, QChar c)
{
    if (!elegxos || (tupos != tdAkeraios && tupos != tdPragmatikos))
        return c;
    if (c == QChar(8))
        return c;
    if (c == u'+' || c == u'-')
        return keimevoPediou.isEmpty() ? c : QChar();
    if (c >= u'0' && c <= u'9')
        return c;
    if (tupos == tdPragmatikos && (c == u',' || c == u'.'))
        return keimevoPediou.contains(u',') ? QChar() : QChar(u',');
    return QChar();
}

// ---------------------------------------------------------------------------------------------
// The field

TPedioEisodou::TPedioEisodou(QWidget* parent) : QLineEdit(parent) {}

// The typed text as the filter lets it through, each character judged against the field as it
// would be after the ones before it.
QString TPedioEisodou::Filtrarismeno(const QString& plnktrologn) const
{
    QString pedio = text();
    QString apotelesma;
    for (QChar c : plnktrologn) {
        const QChar dekto = FiltroPlnktrou(Tupos, Elegxos, pedio, c);
        if (dekto.isNull())
            continue;
        apotelesma += dekto;
        pedio += dekto;
    }
    return apotelesma;
}

static bool EivaiXaraktnrasElegxou(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

void TPedioEisodou::keyPressEvent(QKeyEvent* event)
{
    // Only typed characters are filtered; Enter, Escape, Backspace, the arrows and the editing
    // shortcuts (Ctrl or Ctrl+Shift with a key, which type nothing) keep their meaning.
    const QString plnktrologn = event->text();
    const Qt::KeyboardModifiers plnktra = event->modifiers() & ~Qt::KeypadModifier;
    const bool suvtomeusn = plnktra == Qt::ControlModifier || plnktra == (Qt::ControlModifier | Qt::ShiftModifier);
    if (suvtomeusn || plnktrologn.isEmpty() || std::all_of(plnktrologn.begin(), plnktrologn.end(), EivaiXaraktnrasElegxou)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString dekto = Filtrarismeno(plnktrologn);
    if (dekto.isEmpty()) {
        event->accept();
        return;
    }
    if (dekto == plnktrologn) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent allagmevo(event->type(), event->key(), event->modifiers(), event->nativeScanCode(), event->nativeVirtualKey(),
                        event->nativeModifiers(), dekto, event->isAutoRepeat(), static_cast<quint16>(event->count()));
    QLineEdit::keyPressEvent(&allagmevo);
    event->setAccepted(allagmevo.isAccepted());
}

void TPedioEisodou::inputMethodEvent(QInputMethodEvent* event)
{
    // Characters composed by an input method are typed too.
    const QString dekto = Filtrarismeno(event->commitString());
    if (dekto == event->commitString()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent allagmevo(event->preeditString(), event->attributes());
    allagmevo.setCommitString(dekto, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&allagmevo);
}

// ---------------------------------------------------------------------------------------------
// The dialog

TfmEisodosXrnstn::TfmEisodosXrnstn(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fmEisodosXrnstn"));
    setWindowTitle(QStringLiteral("Καλμίρα - Είσοδος δεδομένων"));
    // The platform's dialog font, whatever font the main window uses.
    setFont(QApplication::font("QDialog"));

    lblEisagwgnDedomevwv = new QLabel(this);
    lblEisagwgnDedomevwv->setObjectName(QStringLiteral("lblEisagwgnDedomevwv"));
    lblEisagwgnDedomevwv->setTextFormat(Qt::PlainText);
    lblEisagwgnDedomevwv->setWordWrap(true);
    leEisagwgnDedomevwv = new TPedioEisodou(this);
    leEisagwgnDedomevwv->setObjectName(QStringLiteral("leEisagwgnDedomevwv"));
    leEisagwgnDedomevwv->setMinimumWidth(377);
    lblEisagwgnDedomevwv->setBuddy(leEisagwgnDedomevwv);
    chbPausnEktelesns = new QCheckBox(QStringLiteral("Παύση εκτέλεσης μετά την εισαγωγή των δεδομένων"), this);
    chbPausnEktelesns->setObjectName(QStringLiteral("chbPausnEktelesns"));
    btEisagwgn = new QPushButton(QStringLiteral("Εισαγωγή"), this);
    btEisagwgn->setObjectName(QStringLiteral("btEisagwgn"));
    btEisagwgn->setDefault(true);
    btnTermatismosEktelesns = new QPushButton(QStringLiteral("Τερματισμός εκτέλεσης"), this);
    btnTermatismosEktelesns->setObjectName(QStringLiteral("btnTermatismosEktelesns"));
    btnTermatismosEktelesns->setAutoDefault(false);
    connect(btEisagwgn, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnTermatismosEktelesns, &QPushButton::clicked, this, &QDialog::reject);

    // A client area of 394 x 127 with the platform's font: the field 377 wide at 8, 24; the box
    // at 16, 56; the buttons 169 x 25 at 16, 88 and 208, 88. A long prompt wraps and pushes the
    // rest down.
    btEisagwgn->setMinimumHeight(25);
    btnTermatismosEktelesns->setMinimumHeight(25);
    auto* diata3n = new QVBoxLayout(this);
    diata3n->setContentsMargins(8, 7, 9, 14);
    diata3n->setSpacing(3);
    diata3n->addWidget(lblEisagwgnDedomevwv);
    diata3n->addWidget(leEisagwgnDedomevwv);
    diata3n->addSpacing(7);
    auto* grammnEpilognw = new QHBoxLayout;
    grammnEpilognw->setContentsMargins(8, 0, 8, 0);
    grammnEpilognw->addWidget(chbPausnEktelesns);
    diata3n->addLayout(grammnEpilognw);
    diata3n->addSpacing(9);
    auto* koumpia = new QHBoxLayout;
    koumpia->setContentsMargins(8, 0, 8, 0);
    koumpia->setSpacing(23);
    koumpia->addWidget(btEisagwgn, 1);
    koumpia->addWidget(btnTermatismosEktelesns, 1);
    diata3n->addLayout(koumpia);
    // A dialog border: the size follows the contents and the user cannot change it.
    diata3n->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(leEisagwgnDedomevwv, chbPausnEktelesns);
    setTabOrder(chbPausnEktelesns, btEisagwgn);
    setTabOrder(btEisagwgn, btnTermatismosEktelesns);
}

TfmEisodosXrnstn::~TfmEisodosXrnstn() = default;

bool TfmEisodosXrnstn::Zntnse(const QString& protropn, TTuposDedomevwv tupos, QString& keimevo, bool& pausn)
{
    // The prompt may hold "&", which the label would read as an access key.
    lblEisagwgnDedomevwv->setText(QString(protropn).replace(u'&', QStringLiteral("&&")));
    SetAvamevomevosTupos(tupos);
    // The previous input stays in the field, selected, so that typing replaces it.
    leEisagwgnDedomevwv->selectAll();
    leEisagwgnDedomevwv->setFocus();
    if (exec() != QDialog::Accepted)
        return false;
    keimevo = leEisagwgnDedomevwv->text();
    pausn = chbPausnEktelesns->isChecked();
    return true;
}

bool TfmEisodosXrnstn::ElegxosEisodou() const
{
    return leEisagwgnDedomevwv->Elegxos;
}

void TfmEisodosXrnstn::SetElegxosEisodou(bool elegxos)
{
    leEisagwgnDedomevwv->Elegxos = elegxos;
}

TTuposDedomevwv TfmEisodosXrnstn::AvamevomevosTupos() const
{
    return leEisagwgnDedomevwv->Tupos;
}

void TfmEisodosXrnstn::SetAvamevomevosTupos(TTuposDedomevwv tupos)
{
    leEisagwgnDedomevwv->Tupos = tupos;
}

void TfmEisodosXrnstn::leEisagwgnDedomevwvKeyPress(QChar& key) const
{
    key = FiltroPlnktrou(leEisagwgnDedomevwv->Tupos, leEisagwgnDedomevwv->Elegxos, leEisagwgnDedomevwv->text(), key);
}

}  // namespace kalmira
