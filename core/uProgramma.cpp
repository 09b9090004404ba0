// The statement table and its line emitter, the program object, the frame statements and the
// declaration sections.
#include "core/uProgramma.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <stdexcept>
#include <utility>

#include "front/uLa8os.h"
#include "front/uSuggrafeas.h"

namespace kalmira {

static std::u16string Keva(int plnr8os)
{
    return std::u16string(plnr8os > 0 ? static_cast<std::size_t>(plnr8os) : 0, u' ');
}

// ---------------------------------------------------------------------------------------------
// Statements and the statement table

int TEvtoln::Pros8eseKwdika(std::u16string_view keimevo, TEpilognGrammns epilogn, TPivakasEvtolwv& pivakas)
{
    TTroposGrammns tropos;
    if (epilogn == egAutomatn)
        tropos = Kwdikas.empty() ? tgNea : tgSuvexeia;
    else
        tropos = epilogn == egNea ? tgNea : tgSuvexeia;
    int grammn = pivakas.Ekpompn(keimevo, tropos);
    if (Grammn == 0)
        Grammn = grammn;
    if (tropos == tgNea && !Kwdikas.empty()) {
        Kwdikas += u"\r\n";
        Kwdikas += Keva(2 * pivakas.Ba8os);
    }
    Kwdikas += keimevo;
    return grammn;
}

void TPivakasEvtolwv::NeaGrammn()
{
    if (grammes_ > 0)
        keimevo_ += u"\r\n";
    ar3nGrammns_ = keimevo_.size();
    ++grammes_;
}

int TPivakasEvtolwv::Ekpompn(std::u16string_view keimevo, TTroposGrammns tropos)
{
    if (tropos == tgSuvexeia) {
        if (grammes_ == 0)
            NeaGrammn();
        keimevo_ += keimevo;
    } else if (tropos == tgSxolio || (!keimevo.empty() && keimevo[0] == u'!')) {
        EkkremnSxolia.push_back({tropos, std::u16string(keimevo)});
    } else {
        // Blanks that end a comment at the margin.
        auto keva = [this](int plnr8os) { keimevo_.append(plnr8os > 0 ? static_cast<std::size_t>(plnr8os) : 0, u' '); };
        std::size_t i = 0;
        // A trailing comment ends at the margin: on the last line if it fits, else on a line below.
        if (!EkkremnSxolia.empty() && EkkremnSxolia[0].Tropos == tgSxolio) {
            const std::u16string& sxolio = EkkremnSxolia[0].Keimevo;
            int n = grammes_ == 0 ? 0 : static_cast<int>(keimevo_.size() - ar3nGrammns_);
            int m = static_cast<int>(sxolio.size());
            if (n + m <= De3iPeri8wrio) {
                if (grammes_ == 0)
                    NeaGrammn();
                keva(De3iPeri8wrio - n - m);
            } else {
                NeaGrammn();
                keva(De3iPeri8wrio - m);
            }
            keimevo_ += sxolio;
            i = 1;
        }
        for (; i < EkkremnSxolia.size(); ++i) {
            const TEkkremesSxolio& sxolio = EkkremnSxolia[i];
            NeaGrammn();
            if (sxolio.Tropos != tgNea)
                keva(De3iPeri8wrio - static_cast<int>(sxolio.Keimevo.size()));
            keimevo_ += sxolio.Keimevo;
        }
        EkkremnSxolia.clear();
        NeaGrammn();
        keimevo_.append(static_cast<std::size_t>(2 * std::max(Ba8os, 0)), u' ');
        keimevo_ += keimevo;
    }
    return grammes_;
}

TEvtoln* TPivakasEvtolwv::Pros8nkn(std::unique_ptr<TEvtoln> evtoln)
{
    Lista.push_back(std::move(evtoln));
    Trexousa = Lista.back().get();
    return Trexousa;
}

TEvtoln* TPivakasEvtolwv::Katoxurwsn(std::unique_ptr<TEvtoln> evtoln)
{
    if (Trexousa)
        Trexousa->Epomevn = evtoln.get();
    return Pros8nkn(std::move(evtoln));
}

void TPivakasEvtolwv::Avoigma(TEvtoln* evtoln)
{
    Stoiba.push_back(evtoln);
    ++Ba8os;
}

TEvtoln* TPivakasEvtolwv::Kleisimo()
{
    --Ba8os;
    if (Stoiba.empty())
        return nullptr;
    TEvtoln* evtoln = Stoiba.back();
    Stoiba.pop_back();
    return evtoln;
}

void TPivakasEvtolwv::Epavafora()
{
    Trexousa = Lista.empty() ? nullptr : Lista.front().get();
}

int TPivakasEvtolwv::Bnma()
{
    if (Trexousa)
        Trexousa = Trexousa->Ektelesn();
    return Trexousa ? Trexousa->Grammn : 0;
}

std::u16string TPivakasEvtolwv::PareKeimevo()
{
    if (grammes_ > 0)
        keimevo_ += u"\r\n";
    std::u16string keimevo = std::move(keimevo_);
    keimevo_.clear();
    grammes_ = 0;
    ar3nGrammns_ = 0;
    return keimevo;
}

// ---------------------------------------------------------------------------------------------
// The handlers

void TXeiristes::ElegxosTermatismou()
{
    if (termatismos_)
        throw ELa8osEktelesns(std::u16string(MnvumaTermatismou));
}

void TXeiristes::Grace(const std::u16string& grammn)
{
    if (onGrace_)
        onGrace_(grammn);
    ElegxosTermatismou();
}

void TXeiristes::Diabase(const TEkfrasnMetablntns& metablntn, std::u16string& keimevo)
{
    if (onDiabase_)
        onDiabase_(metablntn, keimevo);
    ElegxosTermatismou();
}

void TXeiristes::ElegxosDiakopns(TEvtoln* epomevn)
{
    if (std::exchange(diakopn_, false))
        throw TDiakopnBnmatos{epomevn};
}

// ---------------------------------------------------------------------------------------------
// The program object

// A fault of the caller that would otherwise run on in freed or half-built objects: the process
// stops with the routine's name on standard error.
[[noreturn]] static void La8osXrnsns(const char* mnvuma)
{
    std::fputs("Καλμίρα: λάθος χρήσης της TProgramma: ", stderr);
    std::fputs(mnvuma, stderr);
    std::fputc('\n', stderr);
    std::abort();
}

// Marks a step in progress for as long as it runs, so that what a handler may call while the step
// waits for it is checked.
class TProgramma::TFrourosBnmatos {
public:
    explicit TFrourosBnmatos(TProgramma& programma) : programma_(programma)
    {
        if (programma_.seBnma_)
            La8osXrnsns("βήμα μέσα από τον χειριστή ενός άλλου βήματος (EpomevoBnma, Ektelese)");
        programma_.seBnma_ = true;
    }
    ~TFrourosBnmatos() { programma_.seBnma_ = false; }
    TFrourosBnmatos(const TFrourosBnmatos&) = delete;
    TFrourosBnmatos& operator=(const TFrourosBnmatos&) = delete;

private:
    TProgramma& programma_;
};

TProgramma::TProgramma(TOnDiabase onDiabase, TOnGrace onGrace)
    : xeiristes_(std::move(onDiabase), std::move(onGrace)), avagvwristika_(std::make_unique<TPivakasAvagvwristikwv>())
{
}

TProgramma::~TProgramma()
{
    if (seBnma_)
        La8osXrnsns("καταστροφή μέσα από τον χειριστή ενός βήματος (~TProgramma)");
}

static const std::u16string_view GrammnEpikoivwvias = u"Παρακαλώ επικοινωνήστε με τον προγραμματιστή στο ";

// The place of the analyzer's position `snmeio` in the text it read: the framed text starts with
// CR LF, and a position past the source (the end of the text) becomes its end.
static TThesnLa8ous ThesnSeKeimevo(const std::u16string& keimevo, std::size_t snmeio)
{
    TThesnLa8ous thesn;
    thesn.Ar3n = std::min(snmeio >= 3 ? snmeio - 3 : 0, keimevo.size());
    std::size_t ar3nGrammns = 0;
    for (std::size_t i = 0; i < thesn.Ar3n; ++i) {
        if (keimevo[i] == u'\n') {
            ++thesn.Grammn;
            ar3nGrammns = i + 1;
        }
    }
    thesn.Stnln = static_cast<int>(thesn.Ar3n - ar3nGrammns);
    return thesn;
}

// The text after the word that starts at the analyzer's position `thesn` (the framed text starts
// with CR LF); empty when only blanks and line breaks follow.
static std::u16string KeimevoMetaTnvLe3n(const std::u16string& keimevo, std::size_t thesn)
{
    std::size_t i = std::min(thesn >= 3 ? thesn - 3 : 0, keimevo.size());
    while (i < keimevo.size() && (EivaiGramma(keimevo[i]) || EivaiPsnfio(keimevo[i]) || keimevo[i] == u'_'))
        ++i;
    const std::size_t ar3n = i;
    while (i < keimevo.size() && EivaiKevo(keimevo[i]))
        ++i;
    return i == keimevo.size() ? std::u16string() : keimevo.substr(ar3n);
}

bool TProgramma::Metaglwttisn(std::u16string& pnyh, int de3iPeri8wrio)
{
    if (metaglwttisnZntn8nke_)
        La8osXrnsns("δεύτερη μεταγλώττιση του ίδιου προγράμματος (Metaglwttisn)");
    metaglwttisnZntn8nke_ = true;

    auto epafn = [](std::u16string mnvuma) {
        mnvuma += u"\r\n";
        mnvuma += GrammnEpikoivwvias;
        mnvuma += EmailSuggrafea;
        return mnvuma;
    };
    auto eleipsnMnmns = [this] {
        eidosLa8ous_ = u"Έλλειψη μνήμης κατά την μεταγλώττιση του προγράμματος";
        mnvumaLa8ous_ = u"Δεν υπάρχει αρκετή μνήμη για να μεταγλωττιστεί το πρόγραμμα";
    };
    // Whatever fails, from the normalisation of the operators and the analyzer's copy of the text
    // to the last statement, ends as an error of the compile.
    try {
        MetatropnTelestwvSeThesn(pnyh);
        evtoles_ = std::make_unique<TPivakasEvtolwv>(de3iPeri8wrio);
        TPivakasEvtolwv* evtoles = evtoles_.get();
        lektikos_ = std::make_unique<TLektikosAvalutns>(
            pnyh, [evtoles](const std::u16string& sxolio, TTroposGrammns tropos) { evtoles->Ekpompn(sxolio, tropos); });
        sarwtns_ = std::make_unique<TSarwtnsEkfrasewv>(*lektikos_, *avagvwristika_);
        KataskeuaseEvtoles();
        keimevoMetaToTelos_ = KeimevoMetaTnvLe3n(pnyh, thesnTelous_);
        pnyh = evtoles_->PareKeimevo();
        metaglwttistnke_ = true;
    } catch (const ELektikoLa8os& e) {
        eidosLa8ous_ = u"Λεκτικό λάθος κατά την μεταγλώττιση του προγράμματος";
        mnvumaLa8ous_ = e.Mnvuma();
    } catch (const ESuvtaktikoLa8os& e) {
        eidosLa8ous_ = u"Συντακτικό λάθος κατά την μεταγλώττιση του προγράμματος";
        mnvumaLa8ous_ = e.Mnvuma();
    } catch (const ELa8osMou& e) {
        eidosLa8ous_ = u"Εσωτερικό λάθος του διερμηνευτή της Καλμίρας κατά την μεταγλώττιση";
        mnvumaLa8ous_ = epafn(e.Mnvuma());
    } catch (const EEleipsnMnmns& e) {
        eleipsnMnmns();
        mnvumaLa8ous_ = e.Mnvuma();
    } catch (const ELa8osKalmiras& e) {
        eidosLa8ous_ = u"Άγνωστο εσωτερικό λάθος του διερμηνευτή της Καλμίρας κατά τη μεταγλώττιση";
        mnvumaLa8ous_ = epafn(e.Mnvuma());
    } catch (const std::bad_alloc&) {
        eleipsnMnmns();
    } catch (const std::length_error&) {
        eleipsnMnmns();
    } catch (const std::exception& e) {
        eidosLa8ous_ = u"Άγνωστο εσωτερικό λάθος του διερμηνευτή της Καλμίρας κατά τη μεταγλώττιση";
        mnvumaLa8ous_ = epafn(ApoUtf8(e.what()));
    }
    if (!metaglwttistnke_) {
        snmeioLa8ous_ = lektikos_ ? lektikos_->Ar3nLe3ns() : 1;
        thesnLa8ous_ = ThesnSeKeimevo(pnyh, snmeioLa8ous_);
        evtoles_.reset();  // a program that failed to compile never runs
    }
    // The analyzer, with its copy of the text, and the parser serve only the compile.
    sarwtns_.reset();
    lektikos_.reset();
    return metaglwttistnke_;
}

void TProgramma::KataskeuaseEvtoles()
{
    TPlaisioMetaglwttisns p{*lektikos_, *sarwtns_, *avagvwristika_, *evtoles_, xeiristes_};
    p.Epomevn();
    if (p.Eidos() != lxProgramma)
        throw ESuvtaktikoLa8os(Morfh(u"Περίμενα τη δεσμευμένη λέξη «πρόγραμμα» και βρήκα «%s»", {KeimevoTimns(p.Le3n().Timn)}));
    TEvtolnProgramma::Kataskeuase(p, ovomaProgrammatos_);
    if (p.Eidos() == lxSta8eres)
        TEvtolnSta8eres::Kataskeuase(p);
    else if (p.Eidos() != lxMetablntes && p.Eidos() != lxArxn)
        throw ESuvtaktikoLa8os(Morfh(u"Περίμενα κάποια από τις δεσμευμένες λέξεις «Σταθερές», «Μεταβλητές» ή «Αρχή» και βρήκα «%s»",
                                    {KeimevoTimns(p.Le3n().Timn)}));
    if (p.Eidos() == lxMetablntes)
        TEvtolnMetablntes::Kataskeuase(p);
    else if (p.Eidos() != lxArxn)
        throw ESuvtaktikoLa8os(
            Morfh(u"Περίμενα κάποια από τις δεσμευμένες λέξεις «Μεταβλητές» ή «Αρχή» και βρήκα «%s»", {KeimevoTimns(p.Le3n().Timn)}));
    if (p.Eidos() != lxArxn)
        throw ESuvtaktikoLa8os(Morfh(u"Περίμενα την δεσμευμένη λέξη «Αρχή» και βρήκα «%s»", {KeimevoTimns(p.Le3n().Timn)}));
    TEvtolnArxn::Kataskeuase(p);

    while (p.Eidos() != lxTelos_programmatos) {
        switch (p.Eidos()) {
        case lxAvagvwristiko: TEvtolnAva8esnTimns::Kataskeuase(p); break;
        case lxGrace: TEvtolnGrace::Kataskeuase(p); break;
        case lxDiabase: TEvtolnDiabase::Kataskeuase(p); break;
        case lxAv: TEvtolnAv::Kataskeuase(p); break;
        case lxAlliws_av: TEvtolnAlliwsAv::Kataskeuase(p); break;
        case lxAlliws: TEvtolnAlliws::Kataskeuase(p); break;
        case lxTelos_av: TEvtolnTelosAv::Kataskeuase(p); break;
        case lxEpile3e: TEvtolnEpile3e::Kataskeuase(p); break;
        case lxPeriptwsn: TEvtolnPeriptwsn::Kataskeuase(p); break;
        case lxTelos_epilogwv: TEvtolnTelosEpilogwv::Kataskeuase(p); break;
        case lxOso: TEvtolnOso::Kataskeuase(p); break;
        case lxGia: TEvtolnGia::Kataskeuase(p); break;
        case lxArxn_epavalncns: TEvtolnArxnEpavalncns::Kataskeuase(p); break;
        case lxMexris_otou: TEvtolnMexrisOtou::Kataskeuase(p); break;
        case lxTelos_epavalncns: TEvtolnTelosEpavalncns::Kataskeuase(p); break;
        default:
            throw ESuvtaktikoLa8os(Morfh(u"Η λέξη «%s» δεν είναι έγκυρη εντολή της Καλμίρας", {KeimevoTimns(p.Le3n().Timn)}));
        }
    }
    thesnTelous_ = lektikos_->Ar3nLe3ns();
    TEvtolnTelosProgrammatos::Kataskeuase(p);
    EidikeusnDiakladwsewv(*evtoles_);
    evtoles_->Trexousa = nullptr;
}

// A run begins: the first statement becomes current and every variable becomes empty.
void TProgramma::ArxnEktelesns()
{
    evtoles_->Epavafora();
    avagvwristika_->AdeiasmaMetablntwv();
}

// A step failed with the exception in flight: the failing statement stays current, unless a
// handler asked for the run to end. A failure that is not one of the language's errors becomes a
// run-time error with its text, so that callers catch one kind.
void TProgramma::TelosAkurouBnmatos(TEvtoln* apotuxnmevn)
{
    evtoles_->Trexousa = xeiristes_.termatismos_ ? nullptr : apotuxnmevn;
    xeiristes_.termatismos_ = false;
    try {
        throw;
    } catch (const ELa8osKalmiras&) {
        throw;
    } catch (const std::bad_alloc&) {
        throw ELa8osEktelesns(u"Δεν υπάρχει αρκετή μνήμη για να συνεχιστεί η εκτέλεση του προγράμματος");
    } catch (const std::length_error&) {
        throw ELa8osEktelesns(u"Δεν υπάρχει αρκετή μνήμη για να συνεχιστεί η εκτέλεση του προγράμματος");
    } catch (const std::exception& e) {
        throw ELa8osEktelesns(ApoUtf8(e.what()));
    }
}

int TProgramma::EpomevoBnma()
{
    if (!metaglwttistnke_)
        return -1;
    TFrourosBnmatos frouros(*this);
    if (!evtoles_->Trexousa)
        ArxnEktelesns();
    TEvtoln* trexousa = evtoles_->Trexousa;
    try {
        return evtoles_->Bnma() - 1;
    } catch (const TDiakopnBnmatos& diakopn) {
        evtoles_->Trexousa = diakopn.Epomevn;  // one step is one statement anyway
        return TrexousaGrammn();
    } catch (...) {
        TelosAkurouBnmatos(trexousa);
    }
}

TApotelesmaEktelesns TProgramma::Ektelese(std::int64_t megistaBnmata)
{
    TApotelesmaEktelesns apotelesma;
    if (!metaglwttistnke_ || megistaBnmata <= 0) {
        apotelesma.EpomevnGrammn = TrexousaGrammn();
        return apotelesma;
    }
    TFrourosBnmatos frouros(*this);
    if (!evtoles_->Trexousa)
        ArxnEktelesns();
    TEvtoln* evtoln = evtoles_->Trexousa;
    TEvtoln* teleutaia = nullptr;
    std::int64_t bnmata = 0;
    try {
        // Unrolled, so that several steps run between two jumps back, and each copy of the call
        // learns the statements that tend to follow its own.
#pragma GCC unroll 4
        do {
            teleutaia = evtoln;
            evtoln = evtoln->Ektelesn();
            ++bnmata;
        } while (evtoln && bnmata < megistaBnmata);
    } catch (const TDiakopnBnmatos& diakopn) {
        evtoln = diakopn.Epomevn;  // the Διάβασε that asked for the pause has run
        ++bnmata;
    } catch (...) {
        TelosAkurouBnmatos(evtoln);  // the statement that failed: its step did not return
    }
    evtoles_->Trexousa = evtoln;
    apotelesma.Bnmata = bnmata;
    // The heading is executed only by the step that begins a run, which reports no line.
    apotelesma.TeleutaiaGrammn = teleutaia->Eidos == TEvtoln::evProgramma ? -1 : teleutaia->Grammn - 1;
    apotelesma.EpomevnGrammn = evtoln ? evtoln->Grammn - 1 : -1;
    return apotelesma;
}

void TProgramma::Diakopn()
{
    if (seBnma_)
        xeiristes_.diakopn_ = true;
}

void TProgramma::Termatismos()
{
    if (seBnma_)
        xeiristes_.termatismos_ = true;
    else if (metaglwttistnke_)
        evtoles_->Trexousa = nullptr;
}

int TProgramma::TrexousaGrammn() const
{
    return metaglwttistnke_ && evtoles_->Trexousa ? evtoles_->Trexousa->Grammn - 1 : -1;
}

// ---------------------------------------------------------------------------------------------
// The frame

void TEvtolnProgramma::Kataskeuase(TPlaisioMetaglwttisns& p, std::u16string& ovomaProgrammatos)
{
    auto evtoln = std::make_unique<TEvtolnProgramma>();
    evtoln->Pros8eseKwdika(u"Πρόγραμμα ", egNea, p.Evtoles);
    p.Epomevn();
    if (p.Eidos() != lxAvagvwristiko)
        throw ESuvtaktikoLa8os(Morfh(u"Το «%s» δεν επιτρέπεται σαν όνομα προγράμματος", {KeimevoTimns(p.Le3n().Timn)}));
    ovomaProgrammatos = p.Le3n().Timn.Alfari8mntiko();
    evtoln->Pros8eseKwdika(ovomaProgrammatos, egSuvexeia, p.Evtoles);
    p.Epomevn();
    p.Evtoles.Pros8nkn(std::move(evtoln));
}

void TEvtolnArxn::Kataskeuase(TPlaisioMetaglwttisns& p)
{
    auto evtoln = std::make_unique<TEvtolnArxn>();
    evtoln->Pros8eseKwdika(u"Αρχή", egNea, p.Evtoles);
    p.Epomevn();
    p.Evtoles.Avoigma(p.Evtoles.Katoxurwsn(std::move(evtoln)));
}

void TEvtolnTelosProgrammatos::Kataskeuase(TPlaisioMetaglwttisns& p)
{
    auto evtoln = std::make_unique<TEvtolnTelosProgrammatos>();
    TEvtoln* kleismevn = p.Evtoles.Kleisimo();
    evtoln->Pros8eseKwdika(u"", egNea, p.Evtoles);
    if (!kleismevn || kleismevn->Eidos != evArxn)
        throw ESuvtaktikoLa8os(Morfh(u"Βρήκα «Τέλος προγράμματος» χωρίς να έχει κλείσει η εμφωλευμένη εντολή «%s»",
                                    {kleismevn ? kleismevn->Kwdikas : std::u16string()}));
    evtoln->Pros8eseKwdika(u"Τέλος_προγράμματος", egSuvexeia, p.Evtoles);
    p.Epomevn();
    TEvtoln* telos = p.Evtoles.Katoxurwsn(std::move(evtoln));
    telos->Epomevn = nullptr;
}

// ---------------------------------------------------------------------------------------------
// Declaration sections

// Constants -> "Σταθερές" name "=" Expression { name "=" Expression }
void TEvtolnSta8eres::Kataskeuase(TPlaisioMetaglwttisns& p)
{
    auto evtoln = std::make_unique<TEvtolnSta8eres>();
    evtoln->Pros8eseKwdika(u"Σταθερές", egNea, p.Evtoles);
    p.Epomevn();
    ++p.Evtoles.Ba8os;
    if (p.Eidos() != lxAvagvwristiko)
        throw ESuvtaktikoLa8os(Morfh(u"Το «%s» δεν επιτρέπεται σαν όνομα σταθεράς", {KeimevoTimns(p.Le3n().Timn)}));
    do {
        std::u16string ovoma = p.Le3n().Timn.Alfari8mntiko();
        evtoln->Pros8eseKwdika(ovoma, egNea, p.Evtoles);
        p.Epomevn();
        if (p.Eidos() != lxIso)
            throw ESuvtaktikoLa8os(u"Δεν βρήκα το «=» που πρέπει να υπάρχει στη δήλωση σταθερών");
        evtoln->Pros8eseKwdika(u" = ", egSuvexeia, p.Evtoles);
        p.Epomevn();
        std::unique_ptr<TEkfrasn> ekfrasn = p.Sarwtns.DiabaseEkfrasn();
        p.Avagvwristika.Add(std::make_unique<TOvomasmevnSta8era>(std::move(ovoma), ekfrasn->Timn()));
        evtoln->Pros8eseKwdika(ekfrasn->Keimevo(), egSuvexeia, p.Evtoles);
    } while (p.Eidos() == lxAvagvwristiko);
    p.Evtoles.Katoxurwsn(std::move(evtoln));
    --p.Evtoles.Ba8os;
}

static bool EivaiTuposDedomevwv(TEidosLe3ns eidos, TTuposDedomevwv& tupos)
{
    switch (eidos) {
    case lxAkeraies: tupos = tdAkeraios; return true;
    case lxPragmatikes: tupos = tdPragmatikos; return true;
    case lxXaraktnres: tupos = tdAlfari8mntikos; return true;
    case lxLogikes: tupos = tdLogikos; return true;
    default: return false;
    }
}

// The bounds of an array, read after its "[": Expression { "," Expression } "]".
static std::vector<std::pair<std::int32_t, std::int32_t>> DiabaseOriaPivaka(TPlaisioMetaglwttisns& p, TEvtoln& evtoln,
                                                                           const std::u16string& ovoma)
{
    std::vector<std::pair<std::int32_t, std::int32_t>> oria;
    std::int64_t plnr8os = 1;
    for (;;) {
        p.Epomevn();
        std::unique_ptr<TEkfrasn> ekfrasn = p.Sarwtns.DiabaseEkfrasn();
        if (ekfrasn->Tupos != tdAkeraios)
            throw ESuvtaktikoLa8os(
                Morfh(u"Η έκφραση «%s» δεν είναι ακέραια και άρα δεν μπορεί να είναι δείκτης σε πίνακα", {ekfrasn->Keimevo()}));
        // The bound is taken as an integer (a real value from "^" rounds) before it is checked, so
        // that no bound below 1 or beyond the 32-bit range ever reaches the array.
        TTimn timn = ekfrasn->Timn();
        if (timn.Eidos() == TTimn::tmPragmatikos && timn.Pragmatikos() > 2147483647.0)
            throw ESuvtaktikoLa8os(Morfh(u"Ο πίνακας «%s» είναι πολύ μεγάλος", {ovoma}));
        std::int64_t orio = timn.SeAkeraio();
        if (orio <= 0)
            throw ESuvtaktikoLa8os(
                Morfh(u"Η έκφραση «%s» είναι αρνητικός ή μηδέν και άρα δεν μπορεί να είναι δείκτης σε πίνακα", {ekfrasn->Keimevo()}));
        if (orio > 2147483647 || orio > MegistoPlnr8osStoixeiwv / plnr8os)
            throw ESuvtaktikoLa8os(Morfh(u"Ο πίνακας «%s» είναι πολύ μεγάλος", {ovoma}));
        plnr8os *= orio;
        evtoln.Pros8eseKwdika(ekfrasn->Keimevo(), egSuvexeia, p.Evtoles);
        oria.emplace_back(1, static_cast<std::int32_t>(orio));
        if (p.Eidos() != lxKomma)
            break;
        evtoln.Pros8eseKwdika(u", ", egSuvexeia, p.Evtoles);
    }
    if (p.Eidos() != lxDe3iaAgkulh)
        throw ESuvtaktikoLa8os(Morfh(u"Δεν βρέθηκε η δεξιά αγκύλη του πίνακα «%s»", {ovoma}));
    return oria;
}

// An array's elements are allocated as it is declared: one that does not fit in the memory budget
// of values, or in the machine's memory, is refused by name.
static std::unique_ptr<TMetablntnPivakas> DnmiourgiaPivaka(const std::u16string& ovoma, TTuposDedomevwv tupos,
                                                          const std::vector<std::pair<std::int32_t, std::int32_t>>& oria)
{
    try {
        return std::make_unique<TMetablntnPivakas>(ovoma, tupos, oria);
    } catch (const EEleipsnMnmns&) {
        throw ESuvtaktikoLa8os(Morfh(u"Ο πίνακας «%s» χρειάζεται περισσότερη μνήμη από όση απομένει από τα %d MB που επιτρέπονται για τις τιμές του προγράμματος",
                                    {ovoma, Ari8mos(OrioMnmns() / (1024 * 1024))}));
    } catch (const std::bad_alloc&) {
        throw ESuvtaktikoLa8os(Morfh(u"Δεν υπάρχει αρκετή μνήμη για τον πίνακα «%s»", {ovoma}));
    }
}

// Variables -> "Μεταβλητές" type ":" name { "," name } { type ":" name { "," name } }
//              name -> identifier [ "[" bounds "]" ]
void TEvtolnMetablntes::Kataskeuase(TPlaisioMetaglwttisns& p)
{
    auto evtoln = std::make_unique<TEvtolnMetablntes>();
    evtoln->Pros8eseKwdika(u"Μεταβλητές", egNea, p.Evtoles);
    p.Epomevn();
    ++p.Evtoles.Ba8os;
    TTuposDedomevwv tupos;
    if (!EivaiTuposDedomevwv(p.Eidos(), tupos))
        throw ESuvtaktikoLa8os(u"Περίμενα τον τύπο δεδομένων, δηλαδή μία από τις λέξεις «Ακέραιες», «Πραγματικές», «Χαρακτήρες» ή «Λογικές»");
    do {
        evtoln->Pros8eseKwdika(p.Le3n().Timn.Alfari8mntiko(), egNea, p.Evtoles);
        p.Epomevn();
        if (p.Eidos() != lxAvwKatwTeleia)
            throw ESuvtaktikoLa8os(u"Περίμενα άνω και κάτω τελεία «:»");
        evtoln->Pros8eseKwdika(u": ", egSuvexeia, p.Evtoles);
        for (;;) {
            p.Epomevn();
            if (p.Eidos() != lxAvagvwristiko)
                throw ESuvtaktikoLa8os(Morfh(u"Το όνομα «%s» δεν είναι έγκυρο όνομα μεταβλητής", {KeimevoTimns(p.Le3n().Timn)}));
            std::u16string ovoma = p.Le3n().Timn.Alfari8mntiko();
            p.Epomevn();
            evtoln->Pros8eseKwdika(ovoma, egSuvexeia, p.Evtoles);
            if (p.Eidos() != lxAristernAgkulh) {
                p.Avagvwristika.Add(std::make_unique<TMetablntn>(std::move(ovoma), tupos));
            } else {
                evtoln->Pros8eseKwdika(u"[", egSuvexeia, p.Evtoles);
                auto oria = DiabaseOriaPivaka(p, *evtoln, ovoma);
                evtoln->Pros8eseKwdika(u"]", egSuvexeia, p.Evtoles);
                p.Avagvwristika.Add(DnmiourgiaPivaka(ovoma, tupos, oria));  // on its "]", for the error's place
                p.Epomevn();
            }
            if (p.Eidos() != lxKomma)
                break;
            evtoln->Pros8eseKwdika(u", ", egSuvexeia, p.Evtoles);
        }
    } while (EivaiTuposDedomevwv(p.Eidos(), tupos));
    p.Evtoles.Katoxurwsn(std::move(evtoln));
    --p.Evtoles.Ba8os;
}

}  // namespace kalmira
