// The loops: Όσο ... Τέλος_επανάληψης, Για ... Τέλος_επανάληψης and
// Αρχή_επανάληψης ... Μέχρις_ότου, linked into jumps while compiling.
#include "core/uProgramma.h"
#include "front/uLa8os.h"

namespace kalmira {

// While -> "Όσο" condition "επανάλαβε"
void TEvtolnOso::Kataskeuase(TPlaisioMetaglwttisns& p)
{
    ElegxosBa8ous(p);
    auto evtoln = std::make_unique<TEvtolnOso>();
    evtoln->Pros8eseKwdika(u"Όσο", egAutomatn, p.Evtoles);
    p.Epomevn();
    evtoln->Suv8nkn = DiabaseSuv8nknEvtolns(p);
    evtoln->Pros8eseKwdika(u" " + evtoln->Suv8nkn->Keimevo(), egAutomatn, p.Evtoles);
    if (p.Eidos() != lxEpavalabe)
        throw ESuvtaktikoLa8os(Morfh(u"Περίμενα την δεσμευμένη λέξη «επανάλαβε» αλλά βρήκα «%s»", {KeimevoLe3ns(p)}));
    evtoln->Pros8eseKwdika(u" επανάλαβε", egAutomatn, p.Evtoles);
    p.Epomevn();
    p.Evtoles.Avoigma(p.Evtoles.Katoxurwsn(std::move(evtoln)));
}

// EndLoop -> "τέλος_επανάληψης": the loop's test jumps here when it fails, and the end of the body
// jumps back to the test.
void TEvtolnTelosEpavalncns::Kataskeuase(TPlaisioMetaglwttisns& p)
{
    auto evtoln = std::make_unique<TEvtolnTelosEpavalncns>();
    TEvtoln* kleismevn = KleiseMplok(p, *evtoln, u"τέλος_επανάληψης", {evOso, evGia});
    static_cast<TEvtolnDiakladwsns*>(kleismevn)->Alma = evtoln.get();
    p.Evtoles.Trexousa->Epomevn = kleismevn;
    p.Evtoles.Pros8nkn(std::move(evtoln));
}

// Repeat -> "Αρχή_επανάληψης"
void TEvtolnArxnEpavalncns::Kataskeuase(TPlaisioMetaglwttisns& p)
{
    ElegxosBa8ous(p);
    auto evtoln = std::make_unique<TEvtolnArxnEpavalncns>();
    evtoln->Pros8eseKwdika(u"Αρχή_επανάληψης", egAutomatn, p.Evtoles);
    p.Epomevn();
    p.Evtoles.Avoigma(p.Evtoles.Katoxurwsn(std::move(evtoln)));
}

// Until -> "μέχρις_ότου" condition: a false condition goes back to the first statement of the body.
void TEvtolnMexrisOtou::Kataskeuase(TPlaisioMetaglwttisns& p)
{
    auto evtoln = std::make_unique<TEvtolnMexrisOtou>();
    TEvtoln* kleismevn = KleiseMplok(p, *evtoln, u"μέχρις_ότου", {evArxnEpavalncns});
    evtoln->Suv8nkn = DiabaseSuv8nknEvtolns(p);
    evtoln->Pros8eseKwdika(u" " + evtoln->Suv8nkn->Keimevo(), egAutomatn, p.Evtoles);
    evtoln->Alma = kleismevn->Epomevn ? kleismevn->Epomevn : evtoln.get();
    p.Evtoles.Katoxurwsn(std::move(evtoln));
}

// For -> "Για" variable "από" Expression "μέχρι" Expression [ "με_βήμα" Expression ]
// The line compiles into two statements: the entry, then the increment and test.
void TEvtolnGia::Kataskeuase(TPlaisioMetaglwttisns& p)
{
    ElegxosBa8ous(p);
    auto gia = std::make_unique<TEvtolnGia>();
    auto eisodos = std::make_unique<TEvtolnArxikopoinsnGia>(*gia);
    eisodos->Pros8eseKwdika(u"Για", egAutomatn, p.Evtoles);
    p.Epomevn();
    if (p.Eidos() != lxAvagvwristiko)
        throw ESuvtaktikoLa8os(u"Περίμενα μεταβλητή ως μετρητή στο «Για»");
    std::unique_ptr<TEkfrasn> metrntns = p.Sarwtns.DiabaseStoixeio();
    if (metrntns->EidosKomvou == TEkfrasn::ekOvomasmevnSta8era)
        throw ESuvtaktikoLa8os(Morfh(u"Η σταθερά «%s» δεν μπορεί να είναι μετρητής σε εντολή «Για»", {metrntns->Keimevo()}));
    const TTuposDedomevwv tupos = metrntns->Tupos;
    if (tupos != tdAkeraios && tupos != tdPragmatikos)
        throw ESuvtaktikoLa8os(Morfh(u"Ο μετρητής του «Για» πρέπει να είναι ακέραιος ή πραγματικός, ενώ η μεταβλητή «%s» είναι %s",
                                    {metrntns->Keimevo(), PngaiosKwdikasTupou(tupos, ptOvomastiknEvikou, gv8nluko)}));
    const std::u16string keimevoMetrntn = metrntns->Keimevo();
    gia->Metrntns.reset(static_cast<TEkfrasnMetablntns*>(metrntns.release()));
    eisodos->Pros8eseKwdika(u" " + keimevoMetrntn, egAutomatn, p.Evtoles);
    if (p.Eidos() != lxApo)
        throw ESuvtaktikoLa8os(u"Περίμενα τη δεσμευμένη λέξη «από»");
    eisodos->Pros8eseKwdika(u" από", egAutomatn, p.Evtoles);
    p.Epomevn();

    gia->ArxiknTimn = p.Sarwtns.DiabaseEkfrasn();
    const TTuposDedomevwv tuposArxns = gia->ArxiknTimn->Tupos;
    if (tuposArxns != tupos && !(tupos == tdPragmatikos && tuposArxns == tdAkeraios))
        throw ESuvtaktikoLa8os(Morfh(
            u"Δεν είναι δυνατόν να γίνει η αρχικοποίηση του μετρητή του «Για» γιατί η μεταβλητή «%s» είναι %s ενώ η έκφραση «%s» είναι %s",
            {keimevoMetrntn, PngaiosKwdikasTupou(tupos, ptOvomastiknEvikou, gv8nluko), gia->ArxiknTimn->Keimevo(),
             PngaiosKwdikasTupou(tuposArxns, ptOvomastiknEvikou, gv8nluko)}));
    eisodos->Pros8eseKwdika(u" " + gia->ArxiknTimn->Keimevo(), egAutomatn, p.Evtoles);
    gia->Kwdikas = eisodos->Kwdikas;
    p.Evtoles.Katoxurwsn(std::move(eisodos));

    if (p.Eidos() != lxMexri)
        throw ESuvtaktikoLa8os(Morfh(u"Περίμενα την δεσμευμένη λέξη «μέχρι» αλλά βρήκα «%s»", {KeimevoLe3ns(p)}));
    gia->Pros8eseKwdika(u" μέχρι", egSuvexeia, p.Evtoles);
    p.Epomevn();
    gia->TeliknTimn = p.Sarwtns.DiabaseEkfrasn();
    const TTuposDedomevwv tuposTelous = gia->TeliknTimn->Tupos;
    if (tuposTelous != tdAkeraios && tuposTelous != tdPragmatikos)
        throw ESuvtaktikoLa8os(Morfh(u"Δεν είναι δυνατόν να γίνει η σύγκριση του %s μετρητή «%s» με την %s έκφραση τελικής τιμής «%s»",
                                    {PngaiosKwdikasTupou(tupos, ptGeviknEvikou, gvArseviko), keimevoMetrntn,
                                     PngaiosKwdikasTupou(tuposTelous, ptAitiatiknEvikou, gv8nluko), gia->TeliknTimn->Keimevo()}));
    gia->Pros8eseKwdika(u" " + gia->TeliknTimn->Keimevo(), egAutomatn, p.Evtoles);

    if (p.Eidos() == lxMe_bnma) {
        gia->Pros8eseKwdika(u" με_βήμα", egAutomatn, p.Evtoles);
        p.Epomevn();
        gia->Bnma = p.Sarwtns.DiabaseEkfrasn();
        const TTuposDedomevwv tuposBnmatos = gia->Bnma->Tupos;
        if (tuposBnmatos != tupos && !(tupos == tdPragmatikos && tuposBnmatos == tdAkeraios))
            throw ESuvtaktikoLa8os(Morfh(u"Δεν είναι δυνατόν να γίνει η πρόσθεση του βήματος στον μετρητή του «Για» γιατί η έκφραση του "
                                         u"βήματος «%s» είναι %s ενώ η μεταβλητή «%s» είναι %s",
                                         {gia->Bnma->Keimevo(), PngaiosKwdikasTupou(tuposBnmatos, ptOvomastiknEvikou, gv8nluko),
                                          keimevoMetrntn, PngaiosKwdikasTupou(tupos, ptOvomastiknEvikou, gvArseviko)}));
        gia->Pros8eseKwdika(u" " + gia->Bnma->Keimevo(), egAutomatn, p.Evtoles);
    } else {
        gia->Bnma = std::make_unique<TEkfrasnSta8eras>(TTimn::ApoAkeraio(1));
    }
    p.Evtoles.Avoigma(p.Evtoles.Katoxurwsn(std::move(gia)));
}

static bool EivaiMndev(const TTimn& timn)
{
    return timn.Eidos() == TTimn::tmAkeraios ? timn.Akeraios() == 0 : timn.SePragmatiko() == 0.0;
}

static bool EivaiThetiko(const TTimn& timn)
{
    return timn.Eidos() == TTimn::tmAkeraios ? timn.Akeraios() > 0 : timn.SePragmatiko() > 0.0;
}

// Entry: start, step and final value are evaluated once, in that order.
TEvtoln* TEvtolnArxikopoinsnGia::Ektelesn()
{
    TEvtolnGia& gia = Gia;
    gia.AkeraiosMetrntns = nullptr;
    gia.Metrntns->GraceTimn(gia.ArxiknTimn->Timn());
    gia.TimnBnmatos = gia.Bnma->Timn();
    if (EivaiMndev(gia.TimnBnmatos))
        throw ELa8osEktelesns(u"Απαγορεύεται το βήμα της εντολής «Για» να είναι μηδέν");
    gia.TeliknTimnEisodou = gia.TeliknTimn->Timn();
    gia.Au3ousa = EivaiThetiko(gia.TimnBnmatos);
    if (gia.Metrntns->EidosKomvou == TEkfrasn::ekAplnMetablntn && gia.Metrntns->Tupos == tdAkeraios &&
        gia.TimnBnmatos.Eidos() == TTimn::tmAkeraios && gia.TeliknTimnEisodou.Eidos() == TTimn::tmAkeraios) {
        gia.AkeraiosMetrntns = &static_cast<TEkfrasnAplnsMetablntns&>(*gia.Metrntns).Metablntn.Periexomevo;
        gia.AkeraioBnma = gia.TimnBnmatos.Akeraios();
        gia.AkeraiaAntistrofn = gia.Au3ousa ? 0 : -1;
        gia.AkeraiaTeliknTimn = gia.TeliknTimnEisodou.Akeraios() ^ gia.AkeraiaAntistrofn;
    }
    return gia.ElegxosVroxou() ? gia.Epomevn : gia.Alma;
}

bool TEvtolnGia::ElegxosVroxou() const
{
    if (AkeraiosMetrntns)
        return (AkeraiosMetrntns->Akeraios() ^ AkeraiaAntistrofn) <= AkeraiaTeliknTimn;
    return SugkrisnTimwv(Au3ousa ? tlMikroteroIso : tlMegaluteroIso, Metrntns->Timn(), TeliknTimnEisodou);
}

// Iteration: the counter advances by the step, then the loop test decides.
TEvtoln* TEvtolnGia::Ektelesn()
{
    if (AkeraiosMetrntns) [[likely]] {
        std::int64_t& metrntns = AkeraiosMetrntns->AkeraiosTopos();
        metrntns = static_cast<std::int64_t>(static_cast<std::uint64_t>(metrntns) + static_cast<std::uint64_t>(AkeraioBnma));
        if ((metrntns ^ AkeraiaAntistrofn) <= AkeraiaTeliknTimn) [[likely]]
            return Epomevn;
        return Alma;
    }
    return EpavalnpsnGeniki();
}

// Any counter, step and final value: the run-time addition on whole values, converted to the
// counter's type on store.
TEvtoln* TEvtolnGia::EpavalnpsnGeniki()
{
    Metrntns->GraceTimn(EfarmognDuadiknsPra3ns(tlPros8esn, Metrntns->Tupos, Metrntns->Timn(), TimnBnmatos));
    return ElegxosVroxou() ? Epomevn : Alma;
}

}  // namespace kalmira
