#include "workbench/uProtupa.h"

#include <QAction>
#include <QMenu>

#include <string_view>

#include "editor/SyntaxEditor.h"
#include "front/uLektikosAvalutns.h"

namespace kalmira {

namespace {

constexpr TStoixeioEisagwgns Evtoln[] = {
    {"miAva8esnTimns", u"<-- {Ανάθεση τιμής}", Qt::Key_Left},
    {},
    {"miGrace", u"Γράψε ", Qt::Key_C},
    {"miDiavase", u"Διάβασε ", Qt::Key_D},
    {},
    {"miAvTote", u"Αν | τότε…  …τέλος_αν", Qt::Key_A},
    {"miAlliws_avTote", u"Αλλιώς_αν | τότε…  ", Qt::Key_N},
    {"miAlliws", u"Αλλιώς…  ", Qt::Key_L},
    {},
    {"miEpile3e", u"Επίλεξε |…  περίπτωση :…    …τέλος_επιλογών", Qt::Key_E},
    {"miPeriptwsn", u"περίπτωση |: ", Qt::Key_V},
    {"miPeriptwsnAlliws", u"περίπτωση αλλιώς:…  ", Qt::Key_W},
    {},
    {"miGiaApoMexri", u"Για | από μέχρι …  …τέλος_επανάληψης", Qt::Key_G},
    {"miMe_bnma", u"με_βήμα ", Qt::Key_B},
    {},
    {"miOsoEpavalabe", u"Όσο | επανάλαβε…  …τέλος_επανάληψης", Qt::Key_O},
    {},
    {"miArxn_epavalncns", u"Αρχή_επανάληψης…  |…μέχρις_ότου ", Qt::Key_X},
};

constexpr TStoixeioEisagwgns MerosProgrammatos[] = {
    {"miProgramma", u"Πρόγραμμα ", Qt::Key_P},
    {"miSta8eres", u"Σταθερές…  | = ", Qt::Key_S},
    {"miMetablntes", u"Μεταβλητές…  ", Qt::Key_M},
    {"miArxn", u"Αρχή…  ", Qt::Key_R},
    {"miTelos_programmatos", u"τέλος_προγράμματος", Qt::Key_T},
};

constexpr TStoixeioEisagwgns Suvartnsn[] = {
    {"miAkeraioMeros", u"Α_Μ(|) {Ακέραιο μέρος}", Qt::Key(0)},
    {"miApolutnTimn", u"Α_Τ(|) {Απόλυτη τιμή}", Qt::Key(0)},
    {"miEk8etiknSuvartnsn", u"Ε(|) {Εκθετική συνάρτηση}", Qt::Key(0)},
    {"miEfaptomevn", u"ΕΦ(|) {Εφαπτομένη}", Qt::Key(0)},
    {"miHmitovo", u"ΗΜ(|) {Ημίτονο}", Qt::Key(0)},
    {"miSuvnmitovo", u"ΣΥΝ(|) {Συνημίτονο}", Qt::Key(0)},
};

constexpr TStoixeioEisagwgns SxesiakoiTelestes[] = {
    {"miIsov", u"= {Ίσον}", Qt::Key(0)},
    {"miDiaforo", u"<> {Διάφορο}", Qt::Key_Equal},
    {"miMikrotero", u"< {Μικρότερο}", Qt::Key(0)},
    {"miMikroteroHIso", u"<= {Μικρότερο ή ίσο}", Qt::Key_Comma},
    {"miMegalutero", u"> {Μεγαλύτερο}", Qt::Key(0)},
    {"miMegaluteroHIso", u">= {Μεγαλύτερο ή ίσο}", Qt::Key_Period},
};

constexpr TStoixeioEisagwgns Ari8mntikoiTelestes[] = {
    {"miSuv", u"+ {Συν}", Qt::Key(0)},
    {"miPlnv", u"- {Πλην}", Qt::Key(0)},
    {"miEpi", u"* {Επί}", Qt::Key(0)},
    {"miDia", u"/ {Διά}", Qt::Key(0)},
    {},
    {"miAkeraiaDiairesn", u"div  {Ακέραια διαίρεση}", Qt::Key(0)},
    {"miYpoloipo", u"mod  {Υπόλοιπο}", Qt::Key(0)},
};

constexpr TStoixeioEisagwgns LogikoiTelestes[] = {
    {"miH", u"ή ", Qt::Key(0)},
    {"miKai", u"και ", Qt::Key(0)},
    {"miOxi", u"όχι ", Qt::Key(0)},
};

constexpr TStoixeioEisagwgns TupoiDedomevwv[] = {
    {"miAkeraies", u"ακέραιες: ", Qt::Key(0)},
    {"miPragmatikes", u"πραγματικές: ", Qt::Key(0)},
    {"miXaraktnres", u"χαρακτήρες: ", Qt::Key(0)},
    {"miLogikes", u"λογικές: ", Qt::Key(0)},
};

constexpr TStoixeioEisagwgns LogikesSta8eres[] = {
    {"miAln8ns", u"Αληθής ", Qt::Key(0)},
    {"miCeudns", u"Ψευδής ", Qt::Key(0)},
};

constexpr TUpomenouEisagwgns Upomenou[] = {
    {u"&Εντολή", Evtoln},
    {u"Μέρος &προγράμματος", MerosProgrammatos},
    {u"&Συνάρτηση", Suvartnsn},
    {u"Σ&χεσιακοί τελεστές", SxesiakoiTelestes},
    {u"&Αριθμητικοί τελεστές", Ari8mntikoiTelestes},
    {u"&Λογικοί τελεστές", LogikoiTelestes},
    {u"Τύποι &δεδομένων", TupoiDedomevwv},
    {u"Λο&γικές σταθερές", LogikesSta8eres},
};

std::u16string_view U16(QStringView keimevo)
{
    return {reinterpret_cast<const char16_t*>(keimevo.utf16()), static_cast<std::size_t>(keimevo.size())};
}

// Drops every description between braces together with the character before its brace.
QString XwrisPerigrafes(QString t)
{
    for (;;) {
        const qsizetype agkulnApo = t.indexOf(u'{');
        if (agkulnApo < 0)
            return t;
        const qsizetype apo = agkulnApo > 0 ? agkulnApo - 1 : 0;
        const qsizetype agkulnEws = t.indexOf(u'}', agkulnApo);
        const qsizetype ews = agkulnEws < 0 ? t.size() : agkulnEws + 1;
        t.remove(apo, ews - apo);
    }
}

}  // namespace

QKeySequence TStoixeioEisagwgns::Suvtomeusn() const
{
    if (Plnktro == Qt::Key(0))
        return {};
    return QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::AltModifier, Plnktro));
}

std::span<const TUpomenouEisagwgns> UpomenouEisagwgns()
{
    return Upomenou;
}

void GemiseMenouEisagwgns(QMenu& menou, const std::function<void(QStringView protupo)>& epilogn)
{
    for (const TUpomenouEisagwgns& upomenou : Upomenou) {
        QMenu* menouStoixeiwv = menou.addMenu(upomenou.Titlos.toString());
        for (const TStoixeioEisagwgns& stoixeio : upomenou.Stoixeia) {
            if (stoixeio.Diaxwristiko()) {
                menouStoixeiwv->addSeparator();
                continue;
            }
            QAction* energeia = menouStoixeiwv->addAction(stoixeio.Protupo.toString());
            energeia->setObjectName(QLatin1String(stoixeio.Ovoma));
            energeia->setShortcut(stoixeio.Suvtomeusn());
            const QStringView protupo = stoixeio.Protupo;
            QObject::connect(energeia, &QAction::triggered, energeia, [epilogn, protupo] { epilogn(protupo); });
        }
    }
}

TEpektasnProtupou EpektasnProtupou(QStringView protupo, int stnln, int thesnDromea)
{
    const QString allagnGrammns = QStringLiteral("\r\n") + QString(stnln, u' ');
    QString t = XwrisPerigrafes(protupo.toString());
    t.replace(u'…', allagnGrammns);
    t = QString::fromStdU16String(MetatropnTelestwv(U16(t)));
    // The caret goes where the first "|" stands, or after the text when there is none.
    const qsizetype pavla = t.indexOf(u'|');
    const int stoxos = thesnDromea + static_cast<int>(pavla >= 0 ? pavla : t.size());
    t.remove(u'|');
    return {t, stoxos};
}

bool EisagwgnProtupou(TSyntaxEdit& sxeKwdikas, QStringView protupo)
{
    if (!sxeKwdikas.hasFocus() || (sxeKwdikas.Options() & eoReadOnly))
        return false;
    // The text goes in where the selection starts, or at the caret.
    const int thesn = sxeKwdikas.SelAvail() ? sxeKwdikas.SelStart() : sxeKwdikas.CaretToOffset(sxeKwdikas.CaretXY());
    const TEpektasnProtupou epektasn = EpektasnProtupou(protupo, sxeKwdikas.OffsetToCaret(thesn).Column, thesn);
    sxeKwdikas.SetSelText(epektasn.Keimevo);
    sxeKwdikas.SetCaretXY(sxeKwdikas.OffsetToCaret(epektasn.Stoxos));
    sxeKwdikas.EnsureCaretVisible();
    return true;
}

}  // namespace kalmira
