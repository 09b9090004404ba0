// Αν with αλλιώς_αν and αλλιώς, and Επίλεξε with its cases: each keyword line is a statement,
// linked into jumps while compiling through the stack of open blocks.
#include <algorithm>
#include <unordered_map>

#include "core/uProgramma.h"
#include "core/uTupoiDedomevwv_Pra3eis.h"
#include "front/uLa8os.h"

namespace kalmira {

std::u16string KeimevoLe3ns(const TPlaisioMetaglwttisns& p) { return KeimevoTimns(p.Le3n().Timn); }

std::unique_ptr<TEkfrasn> DiabaseSuv8nknEvtolns(TPlaisioMetaglwttisns& p)
{
    std::unique_ptr<TEkfrasn> suv8nkn = p.Sarwtns.DiabaseEkfrasn();
    if (suv8nkn->Tupos != tdLogikos)
        throw ESuvtaktikoLa8os(Morfh(u"Η έκφραση «%s» δεν είναι λογικού τύπου (συνθήκη), αλλά %s",
                                    {suv8nkn->Keimevo(), PngaiosKwdikasTupou(suv8nkn->Tupos, ptGeviknEvikou, gvArseviko)}));
    return suv8nkn;
}

void ElegxosBa8ous(const TPlaisioMetaglwttisns& p)
{
    if (p.Evtoles.Ba8os >= MegistoBa8osEvtolwv)
        throw ESuvtaktikoLa8os(u"Το πρόγραμμα έχει πάρα πολλά εμφωλευμένα επίπεδα εντολών");
}

void DevEpitrepetai(std::u16string_view le3n, const TEvtoln* kleismevn)
{
    throw ESuvtaktikoLa8os(Morfh(u"Δεν επιτρέπεται «%s» γιατί η τελευταία ανοιχτή εντολή είναι η «%s»",
                                {le3n, kleismevn ? std::u16string_view(kleismevn->Kwdikas) : std::u16string_view()}));
}

// The condition and "τότε" of Αν and αλλιώς_αν.
static void DiabaseSuv8nknTote(TPlaisioMetaglwttisns& p, TEvtolnDiakladwsns& evtoln)
{
    evtoln.Suv8nkn = DiabaseSuv8nknEvtolns(p);
    evtoln.Pros8eseKwdika(u" " + evtoln.Suv8nkn->Keimevo(), egAutomatn, p.Evtoles);
    if (p.Eidos() != lxTote)
        throw ESuvtaktikoLa8os(Morfh(u"Περίμενα την δεσμευμένη λέξη «τότε» αλλά βρήκα «%s»", {KeimevoLe3ns(p)}));
    evtoln.Pros8eseKwdika(u" τότε", egAutomatn, p.Evtoles);
    p.Epomevn();
}

TEvtoln* KleiseMplok(TPlaisioMetaglwttisns& p, TEvtoln& evtoln, std::u16string_view le3n,
                     std::initializer_list<TEvtoln::TEidos> anamevomena)
{
    TEvtoln* kleismevn = p.Evtoles.Kleisimo();
    evtoln.Pros8eseKwdika(u"", egAutomatn, p.Evtoles);
    if (!kleismevn || std::find(anamevomena.begin(), anamevomena.end(), kleismevn->Eidos) == anamevomena.end())
        DevEpitrepetai(le3n, kleismevn);
    evtoln.Pros8eseKwdika(le3n, egSuvexeia, p.Evtoles);
    p.Epomevn();
    return kleismevn;
}

// A new branch of an Αν: the open condition jumps to it when false, and the finished branch's last
// statement will continue at τέλος_αν.
static void Pros8eseKlado(TEvtolnAv& av, TEvtoln* teleutaia, TEvtoln& veos)
{
    if (!av.AvoixtnDiakladwsn)
        throw ESuvtaktikoLa8os(Morfh(u"Δεν είναι δυνατή η εντολή «%s» τώρα γιατί υπάρχει ήδη «αλλιώς» για την εντολή «%s»",
                                    {veos.Kwdikas, av.Kwdikas}));
    av.AvoixtnDiakladwsn->Alma = &veos;
    av.TelnKladwv.push_back(teleutaia);
    av.AvoixtnDiakladwsn = veos.Eidos == TEvtoln::evAlliws ? nullptr : static_cast<TEvtolnDiakladwsns*>(&veos);
}

// If -> "Αν" condition "τότε"
void TEvtolnAv::Kataskeuase(TPlaisioMetaglwttisns& p)
{
    ElegxosBa8ous(p);
    auto evtoln = std::make_unique<TEvtolnAv>();
    evtoln->Pros8eseKwdika(u"Αν", egAutomatn, p.Evtoles);
    p.Epomevn();
    DiabaseSuv8nknTote(p, *evtoln);
    TEvtolnAv* av = evtoln.get();
    p.Evtoles.Katoxurwsn(std::move(evtoln));
    av->AvoixtnDiakladwsn = av;
    p.Evtoles.Avoigma(av);
}

// ElseIf -> "αλλιώς_αν" condition "τότε"
void TEvtolnAlliwsAv::Kataskeuase(TPlaisioMetaglwttisns& p)
{
    auto evtoln = std::make_unique<TEvtolnAlliwsAv>();
    auto& av = static_cast<TEvtolnAv&>(*KleiseMplok(p, *evtoln, u"αλλιώς_αν", {evAv}));
    Pros8eseKlado(av, p.Evtoles.Trexousa, *evtoln);
    DiabaseSuv8nknTote(p, *evtoln);
    p.Evtoles.Katoxurwsn(std::move(evtoln));
    p.Evtoles.Avoigma(&av);
}

// Else -> "αλλιώς"
void TEvtolnAlliws::Kataskeuase(TPlaisioMetaglwttisns& p)
{
    auto evtoln = std::make_unique<TEvtolnAlliws>();
    auto& av = static_cast<TEvtolnAv&>(*KleiseMplok(p, *evtoln, u"αλλιώς", {evAv}));
    Pros8eseKlado(av, p.Evtoles.Trexousa, *evtoln);
    p.Evtoles.Katoxurwsn(std::move(evtoln));
    p.Evtoles.Avoigma(&av);
}

// EndIf -> "τέλος_αν": the open condition and the end of every branch continue here.
void TEvtolnTelosAv::Kataskeuase(TPlaisioMetaglwttisns& p)
{
    auto evtoln = std::make_unique<TEvtolnTelosAv>();
    auto& av = static_cast<TEvtolnAv&>(*KleiseMplok(p, *evtoln, u"τέλος_αν", {evAv}));
    if (av.AvoixtnDiakladwsn)
        av.AvoixtnDiakladwsn->Alma = evtoln.get();
    for (TEvtoln* telos : av.TelnKladwv)
        telos->Epomevn = evtoln.get();
    av.AvoixtnDiakladwsn = nullptr;
    av.TelnKladwv.clear();
    p.Evtoles.Katoxurwsn(std::move(evtoln));
}

// Select -> "Επίλεξε" Expression Case
void TEvtolnEpile3e::Kataskeuase(TPlaisioMetaglwttisns& p)
{
    ElegxosBa8ous(p);
    auto evtoln = std::make_unique<TEvtolnEpile3e>();
    evtoln->Pros8eseKwdika(u"Επίλεξε", egAutomatn, p.Evtoles);
    p.Epomevn();
    evtoln->Epilogeas = p.Sarwtns.DiabaseEkfrasn();
    evtoln->Pros8eseKwdika(u" " + evtoln->Epilogeas->Keimevo(), egAutomatn, p.Evtoles);
    TEvtolnEpile3e* epile3e = evtoln.get();
    p.Evtoles.Katoxurwsn(std::move(evtoln));
    p.Evtoles.Avoigma(epile3e);
    if (p.Eidos() != lxPeriptwsn)
        throw ESuvtaktikoLa8os(Morfh(u"Περίμενα την δεσμευμένη λέξη «περίπτωση» αλλά βρήκα «%s»", {KeimevoLe3ns(p)}));
    TEvtolnPeriptwsn::Kataskeuase(p);
}

// A comparison of the selector (evaluated afresh by every comparison) with a value.
static std::unique_ptr<TEkfrasn> SugkrisnEpilogea(const TEvtolnEpile3e& epile3e, std::unique_ptr<TEkfrasn> timn, TTelestns telestns)
{
    return DnmiourgiaDuadiknsPra3ns(std::make_unique<TEkfrasnAvaforas>(*epile3e.Epilogeas), std::move(timn), telestns);
}

// Case -> "περίπτωση" ( "αλλιώς" | Item { "," Item } ) ":"
// Item -> Expression [ ".." Expression ]
void TEvtolnPeriptwsn::Kataskeuase(TPlaisioMetaglwttisns& p)
{
    auto evtoln = std::make_unique<TEvtolnPeriptwsn>();
    auto& epile3e = static_cast<TEvtolnEpile3e&>(*KleiseMplok(p, *evtoln, u"περίπτωση", {evEpile3e}));

    // The previous case jumps here when false; its last statement will continue at the end.
    if (epile3e.AvoixtnPeriptwsn && !epile3e.AvoixtnPeriptwsn->Suv8nkn)
        throw ESuvtaktikoLa8os(Morfh(u"Δεν είναι δυνατή η εντολή «%s» τώρα γιατί υπάρχει ήδη «περίπτωση αλλιώς» για την εντολή «%s»",
                                    {evtoln->Kwdikas, epile3e.Kwdikas}));
    if (epile3e.AvoixtnPeriptwsn) {
        epile3e.AvoixtnPeriptwsn->Alma = evtoln.get();
        epile3e.TelnKladwv.push_back(p.Evtoles.Trexousa);
    }
    epile3e.AvoixtnPeriptwsn = evtoln.get();

    if (p.Eidos() == lxAlliws) {
        evtoln->Pros8eseKwdika(u" αλλιώς", egAutomatn, p.Evtoles);
        p.Epomevn();
    } else {
        for (;;) {
            std::unique_ptr<TEkfrasn> timn = p.Sarwtns.DiabaseEkfrasn();
            std::u16string keimevo = u" " + timn->Keimevo();
            std::unique_ptr<TEkfrasn> elegxos;
            if (p.Eidos() == lxTeleia) {
                std::unique_ptr<TEkfrasn> apo = SugkrisnEpilogea(epile3e, std::move(timn), tlMegaluteroIso);
                evtoln->Pros8eseKwdika(keimevo, egAutomatn, p.Evtoles);
                p.Epomevn();
                if (p.Eidos() != lxTeleia)
                    throw ESuvtaktikoLa8os(Morfh(u"Περίμενα «..» αλλά βρήκα μόνο μία «.» και «%s»", {KeimevoLe3ns(p)}));
                evtoln->Pros8eseKwdika(u" .. ", egAutomatn, p.Evtoles);
                p.Epomevn();
                std::unique_ptr<TEkfrasn> mexri = p.Sarwtns.DiabaseEkfrasn();
                std::u16string keimevoMexri = mexri->Keimevo();
                elegxos = DnmiourgiaDuadiknsPra3ns(std::move(apo), SugkrisnEpilogea(epile3e, std::move(mexri), tlMikroteroIso), tlSuzeu3n);
                evtoln->Pros8eseKwdika(keimevoMexri, egAutomatn, p.Evtoles);
            } else {
                elegxos = SugkrisnEpilogea(epile3e, std::move(timn), tlIso);
                evtoln->Pros8eseKwdika(keimevo, egAutomatn, p.Evtoles);
            }
            if (evtoln->Suv8nkn)
                evtoln->Suv8nkn = DnmiourgiaDuadiknsPra3ns(std::move(evtoln->Suv8nkn), std::move(elegxos), tlDiazeu3n);
            else
                evtoln->Suv8nkn = std::move(elegxos);
            if (p.Eidos() != lxKomma)
                break;
            evtoln->Pros8eseKwdika(u",", egAutomatn, p.Evtoles);
            p.Epomevn();
        }
    }
    if (p.Eidos() != lxAvwKatwTeleia)
        throw ESuvtaktikoLa8os(Morfh(u"Περίμενα άνω και κάτω τελεία «:» αλλά βρήκα «%s»", {KeimevoLe3ns(p)}));
    evtoln->Pros8eseKwdika(u":", egAutomatn, p.Evtoles);
    p.Epomevn();
    p.Evtoles.Katoxurwsn(std::move(evtoln));
    p.Evtoles.Avoigma(&epile3e);
}

// EndSelect -> "τέλος_επιλογών": the last case jumps here when false (a "περίπτωση αλλιώς"
// always holds), and the end of every case continues here.
void TEvtolnTelosEpilogwv::Kataskeuase(TPlaisioMetaglwttisns& p)
{
    auto evtoln = std::make_unique<TEvtolnTelosEpilogwv>();
    auto& epile3e = static_cast<TEvtolnEpile3e&>(*KleiseMplok(p, *evtoln, u"τέλος_επιλογών", {evEpile3e}));
    TEvtolnDiakladwsns* teleutaia = epile3e.AvoixtnPeriptwsn;
    if (!teleutaia)
        throw ELa8osMou(u"Λάθος στη σύνδεση του «τέλους_επιλογών»");
    if (!teleutaia->Suv8nkn)
        teleutaia->Suv8nkn = std::make_unique<TEkfrasnSta8eras>(TTimn::ApoLogiko(true));
    teleutaia->Alma = evtoln.get();
    for (TEvtoln* telos : epile3e.TelnKladwv)
        telos->Epomevn = evtoln.get();
    epile3e.AvoixtnPeriptwsn = nullptr;
    epile3e.TelnKladwv.clear();
    p.Evtoles.Katoxurwsn(std::move(evtoln));
}

// ---------------------------------------------------------------------------------------------
// Branches that test their condition in place

namespace {

// A branch on a comparison of two numbers, or on "και" / "ή" of two booleans: the statement
// evaluates the condition C itself, reading the operands in place, without a call to the
// condition's node. It takes over the parts of the branch it replaces.
template <class C>
class TDiakladwsnSeThesn final : public TEvtolnDiakladwsns {
public:
    explicit TDiakladwsnSeThesn(TEvtolnDiakladwsns& genikn)
        : TEvtolnDiakladwsns(genikn.Eidos), suv8nkn_(Pra3n(genikn).Telestns, *Pra3n(genikn).Aristeros, *Pra3n(genikn).De3ios)
    {
        Kwdikas = std::move(genikn.Kwdikas);
        Grammn = genikn.Grammn;
        Epomevn = genikn.Epomevn;
        Alma = genikn.Alma;
        Suv8nkn = std::move(genikn.Suv8nkn);
    }
    TEvtoln* Ektelesn() override { return suv8nkn_.Logikos() ? Epomevn : Alma; }

    static const TDuadiknPra3n& Pra3n(const TEvtolnDiakladwsns& d) { return static_cast<const TDuadiknPra3n&>(*d.Suv8nkn); }

private:
    const C suv8nkn_;
};

// The statements that branch on their condition by TEvtolnDiakladwsns::Ektelesn, and those that
// have a jump target (the counted loop's is its exit).
bool EivaiGenikn(TEvtoln::TEidos eidos)
{
    return eidos == TEvtoln::evAv || eidos == TEvtoln::evAlliwsAv || eidos == TEvtoln::evPeriptwsn || eidos == TEvtoln::evOso ||
           eidos == TEvtoln::evMexrisOtou;
}
bool ExeiAlma(TEvtoln::TEidos eidos) { return EivaiGenikn(eidos) || eidos == TEvtoln::evGia; }

}  // namespace

void EidikeusnDiakladwsewv(TPivakasEvtolwv& evtoles)
{
    std::unordered_map<const TEvtoln*, TEvtoln*> antikatastates;
    for (std::unique_ptr<TEvtoln>& evtoln : evtoles.Lista) {
        if (!EivaiGenikn(evtoln->Eidos))
            continue;
        auto& genikn = static_cast<TEvtolnDiakladwsns&>(*evtoln);
        if (genikn.Suv8nkn->EidosKomvou != TEkfrasn::ekDuadikn)
            continue;
        const TDuadiknPra3n& pra3n = static_cast<const TDuadiknPra3n&>(*genikn.Suv8nkn);
        if (!pra3eis::EivaiSuv8nknSeThesn(pra3n.Telestns, *pra3n.Aristeros, *pra3n.De3ios))
            continue;
        std::unique_ptr<TEvtoln> eidikn =
            pra3eis::MeSuv8nknSeThesn(pra3n.Telestns, *pra3n.Aristeros, *pra3n.De3ios, [&]<class C>() -> std::unique_ptr<TEvtoln> {
                return std::make_unique<TDiakladwsnSeThesn<C>>(genikn);
            });
        antikatastates.emplace(evtoln.get(), eidikn.get());
        evtoln = std::move(eidikn);
    }
    // The jumps and the links to a replaced statement go to its replacement; the old ones are only
    // compared, never followed.
    auto veo = [&antikatastates](TEvtoln* evtoln) {
        const auto thesn = antikatastates.find(evtoln);
        return thesn == antikatastates.end() ? evtoln : thesn->second;
    };
    for (std::unique_ptr<TEvtoln>& evtoln : evtoles.Lista) {
        evtoln->Epomevn = veo(evtoln->Epomevn);
        if (ExeiAlma(evtoln->Eidos))
            static_cast<TEvtolnDiakladwsns&>(*evtoln).Alma = veo(static_cast<TEvtolnDiakladwsns&>(*evtoln).Alma);
    }
}

}  // namespace kalmira
