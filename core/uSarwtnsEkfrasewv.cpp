// The leaves of the expression tree (declared with the tree in uTupoiDedomevwv.h) and the
// expression parser.
#include "core/uSarwtnsEkfrasewv.h"

#include "front/uLa8os.h"

namespace kalmira {

// ---------------------------------------------------------------------------------------------
// Leaves

static TTuposDedomevwv TuposSta8eras(const TTimn& timn)
{
    TTuposDedomevwv tupos = timn.Tupos();
    if (tupos == tdKavevas)
        throw ELa8osMou(u"Λάθος τύπος στην EkfrasnSta8eras.Create");
    return tupos;
}

TEkfrasnSta8eras::TEkfrasnSta8eras(TTimn timn)
    : TEkfrasn(ekSta8era, TuposSta8eras(timn), TuposSta8eras(timn), 5), Periexomevo(std::move(timn))
{
}

void TEkfrasnSta8eras::GrapseKeimevo(std::u16string& e3odos) const
{
    switch (Periexomevo.Eidos()) {
    case TTimn::tmAkeraios: e3odos += kalmira::Ari8mos(Periexomevo.Akeraios()); break;
    case TTimn::tmPragmatikos: e3odos += KeimevoPragmatiknsSta8eras(Periexomevo.Pragmatikos()); break;
    case TTimn::tmLogikos: e3odos += Periexomevo.Logikos() ? u"Αληθής" : u"Ψευδής"; break;
    default:
        e3odos += u'\'';
        for (char16_t c : Periexomevo.Alfari8mntiko()) {
            if (c == u'\'')
                e3odos += u'\'';
            e3odos += c;
        }
        e3odos += u'\'';
    }
}

TEkfrasnOvomasmevnsSta8eras::TEkfrasnOvomasmevnsSta8eras(const TOvomasmevnSta8era& sta8era)
    : TEkfrasn(ekOvomasmevnSta8era, sta8era.Tupos, sta8era.Tupos, 5), Sta8era(sta8era)
{
}

void TEkfrasnMetablntns::GraceTimn(const TTimn& timn) const
{
    Apo8nkeusnMeMetatropn(Stoxos(), timn, Tupos);
}

TEkfrasnAplnsMetablntns::TEkfrasnAplnsMetablntns(TMetablntn& metablntn)
    : TEkfrasnMetablntns(ekAplnMetablntn, metablntn.Tupos, metablntn.Tupos, 5), Metablntn(metablntn)
{
}

void TListaEkfrasewv::GrapseKeimevo(std::u16string& e3odos) const
{
    for (std::size_t i = 0; i < Stoixeia.size(); ++i) {
        if (i > 0)
            e3odos += u", ";
        Stoixeia[i]->GrapseKeimevo(e3odos);
    }
}

TEkfrasnMetablntnsPivaka::TEkfrasnMetablntnsPivaka(TMetablntnPivakas& pivakas, TListaEkfrasewv deiktes)
    : TEkfrasnMetablntns(ekStoixeioPivaka, pivakas.Tupos, pivakas.Tupos, 5), Pivakas(pivakas), Deiktes(std::move(deiktes))
{
}

void TEkfrasnMetablntnsPivaka::GrapseKeimevo(std::u16string& e3odos) const
{
    e3odos += Pivakas.Ovoma;
    e3odos += u'[';
    Deiktes.GrapseKeimevo(e3odos);
    e3odos += u']';
}

static std::int32_t Deiktns(const TEkfrasn& ekfrasn)
{
    if (ekfrasn.TuposTimns == tdAkeraios)
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(ekfrasn.Akeraios()));
    return TTimn::ApoPragmatiko(ekfrasn.Pragmatikos()).SeDeikti();
}

std::size_t TEkfrasnMetablntnsPivaka::Topo8esia() const
{
    const auto& stoixeia = Deiktes.Stoixeia;
    if (stoixeia.size() == 1)
        return Pivakas.Topo8esia1(Deiktns(*stoixeia[0]));
    std::int32_t mikros[8];
    std::vector<std::int32_t> megalos;
    std::int32_t* deiktes = mikros;
    if (stoixeia.size() > 8) {
        megalos.resize(stoixeia.size());
        deiktes = megalos.data();
    }
    for (std::size_t i = 0; i < stoixeia.size(); ++i)
        deiktes[i] = Deiktns(*stoixeia[i]);
    return Pivakas.Topo8esia(deiktes);
}

TEkfrasnAvaforas::TEkfrasnAvaforas(const TEkfrasn& stoxos)
    : TEkfrasn(ekAvafora, stoxos.Tupos, stoxos.TuposTimns, stoxos.Proteraiotnta), Stoxos(stoxos)
{
}

// ---------------------------------------------------------------------------------------------
// The parser

// Counts the nesting of the rules that call themselves, so that a pathological expression is
// refused instead of exhausting the stack.
class TSarwtnsEkfrasewv::TFrouros {
public:
    explicit TFrouros(TSarwtnsEkfrasewv& sarwtns) : sarwtns_(sarwtns)
    {
        if (sarwtns_.ba8os_ >= MegistoBa8osEkfrasns)
            throw ESuvtaktikoLa8os(u"Η έκφραση έχει πάρα πολλά εμφωλευμένα επίπεδα");
        ++sarwtns_.ba8os_;
    }
    ~TFrouros() { --sarwtns_.ba8os_; }
    TFrouros(const TFrouros&) = delete;
    TFrouros& operator=(const TFrouros&) = delete;

private:
    TSarwtnsEkfrasewv& sarwtns_;
};

// Expression -> Comparison { ("ή" | "και") Comparison }
std::unique_ptr<TEkfrasn> TSarwtnsEkfrasewv::DiabaseEkfrasn()
{
    TFrouros frouros(*this);
    std::unique_ptr<TEkfrasn> ekfrasn = DiabaseSuv8nkn();
    while (Eidos() == lxH || Eidos() == lxKai) {
        TTelestns telestns = Eidos() == lxH ? tlDiazeu3n : tlSuzeu3n;
        Epomevn();
        ekfrasn = DnmiourgiaDuadiknsPra3ns(std::move(ekfrasn), DiabaseSuv8nkn(), telestns);
    }
    return ekfrasn;
}

static bool EivaiSxesn(TEidosLe3ns eidos, TTelestns& telestns)
{
    switch (eidos) {
    case lxMikrotero: telestns = tlMikrotero; return true;
    case lxIso: telestns = tlIso; return true;
    case lxMegalutero: telestns = tlMegalutero; return true;
    case lxDiafora: telestns = tlDiafora; return true;
    case lxMikroteroIso: telestns = tlMikroteroIso; return true;
    case lxMegaluteroIso: telestns = tlMegaluteroIso; return true;
    default: return false;
    }
}

// Comparison -> "όχι" Comparison | Sum [ relation Sum ]
std::unique_ptr<TEkfrasn> TSarwtnsEkfrasewv::DiabaseSuv8nkn()
{
    if (Eidos() == lxOxi) {
        TFrouros frouros(*this);
        Epomevn();
        return DnmiourgiaMovadiaias(tlArvnsn, DiabaseSuv8nkn());
    }
    std::unique_ptr<TEkfrasn> ekfrasn = DiabaseA8roisma();
    TTelestns telestns;
    if (EivaiSxesn(Eidos(), telestns)) {
        Epomevn();
        ekfrasn = DnmiourgiaDuadiknsPra3ns(std::move(ekfrasn), DiabaseA8roisma(), telestns);
    }
    return ekfrasn;
}

// Sum -> Term { ("+" | "-") Term }
std::unique_ptr<TEkfrasn> TSarwtnsEkfrasewv::DiabaseA8roisma()
{
    std::unique_ptr<TEkfrasn> ekfrasn = DiabaseGivomevo();
    while (Eidos() == lxSuv || Eidos() == lxPlnv) {
        TTelestns telestns = Eidos() == lxSuv ? tlPros8esn : tlAfairesn;
        Epomevn();
        ekfrasn = DnmiourgiaDuadiknsPra3ns(std::move(ekfrasn), DiabaseGivomevo(), telestns);
    }
    return ekfrasn;
}

// Term -> "-" Term | Power { ("*" | "/" | "div" | "mod") Power }
std::unique_ptr<TEkfrasn> TSarwtnsEkfrasewv::DiabaseGivomevo()
{
    if (Eidos() == lxPlnv) {
        TFrouros frouros(*this);
        Epomevn();
        return DnmiourgiaMovadiaias(tlAfairesn, DiabaseGivomevo());
    }
    std::unique_ptr<TEkfrasn> ekfrasn = DiabaseDuvamn();
    for (;;) {
        TTelestns telestns;
        switch (Eidos()) {
        case lxAsteraki: telestns = tlPollaplasiasmos; break;
        case lxKa8eto: telestns = tlDiairesn; break;
        case lxDiv: telestns = tlDiv; break;
        case lxMod: telestns = tlMod; break;
        default: return ekfrasn;
        }
        Epomevn();
        ekfrasn = DnmiourgiaDuadiknsPra3ns(std::move(ekfrasn), DiabaseDuvamn(), telestns);
    }
}

// Power -> Unary [ "^" Power ]
std::unique_ptr<TEkfrasn> TSarwtnsEkfrasewv::DiabaseDuvamn()
{
    std::unique_ptr<TEkfrasn> basn = DiabaseMovadiaio();
    if (Eidos() != lxDuvamn)
        return basn;
    TFrouros frouros(*this);
    Epomevn();
    return DnmiourgiaDuadiknsPra3ns(std::move(basn), DiabaseDuvamn(), tlDuvamn);
}

// Unary -> "-" Unary | Primary
std::unique_ptr<TEkfrasn> TSarwtnsEkfrasewv::DiabaseMovadiaio()
{
    if (Eidos() != lxPlnv)
        return DiabaseStoixeio();
    TFrouros frouros(*this);
    Epomevn();
    return DnmiourgiaMovadiaias(tlAfairesn, DiabaseMovadiaio());
}

static bool EivaiSuvartnsn(TEidosLe3ns eidos, TTelestns& telestns)
{
    switch (eidos) {
    case lxA_M: telestns = tlAkeraioMeros; return true;
    case lxA_T: telestns = tlApolutnTimn; return true;
    case lxE: telestns = tlEk8etiko; return true;
    case lxEF: telestns = tlEfaptomevn; return true;
    case lxHM: telestns = tlNmitovo; return true;
    case lxLOG: telestns = tlLogari8mos; return true;
    case lxSYN: telestns = tlSuvnmitovo; return true;
    case lxT_R: telestns = tlTetragwviknRiza; return true;
    default: return false;
    }
}

// Primary -> "(" Expression ")" | literal | constant | variable | array "[" Expression { "," Expression } "]"
//          | function "(" Expression ")"
std::unique_ptr<TEkfrasn> TSarwtnsEkfrasewv::DiabaseStoixeio()
{
    const TLe3n& le3n = LektikosAvalutns.Le3n();
    std::unique_ptr<TEkfrasn> apotelesma;
    TTelestns telestns;
    switch (le3n.Eidos) {
    case lxAristernParev8esn: {
        Epomevn();
        apotelesma = DiabaseEkfrasn();
        if (Eidos() != lxDe3iaParev8esn)
            throw ESuvtaktikoLa8os(Morfh(u"Δεν υπάρχει δεξιά παρένθεση στην έκφραση «%s»", {apotelesma->Keimevo()}));
        break;
    }
    case lxAkeraiaSta8era:
    case lxPragmatiknSta8era:
    case lxAlfari8mntiko:
    case lxLogiknSta8era: apotelesma = std::make_unique<TEkfrasnSta8eras>(le3n.Timn); break;
    case lxAvagvwristiko: {
        TAvagvwristiko& avagvwristiko = PivakasAvagvwristikwv.Find(le3n.Timn.Alfari8mntiko());
        switch (avagvwristiko.Eidos) {
        case TAvagvwristiko::avSta8era:
            apotelesma = std::make_unique<TEkfrasnOvomasmevnsSta8eras>(static_cast<TOvomasmevnSta8era&>(avagvwristiko));
            break;
        case TAvagvwristiko::avMetablntn:
            apotelesma = std::make_unique<TEkfrasnAplnsMetablntns>(static_cast<TMetablntn&>(avagvwristiko));
            break;
        case TAvagvwristiko::avPivakas: apotelesma = DiabaseStoixeioPivaka(static_cast<TMetablntnPivakas&>(avagvwristiko)); break;
        }
        break;
    }
    default:
        if (!EivaiSuvartnsn(le3n.Eidos, telestns))
            throw ESuvtaktikoLa8os(Morfh(u"Λάθος στοιχείο «%s» κατά το διάβασμα έκφρασης",
                                        {le3n.Timn.EivaiKevo() ? std::u16string() : le3n.Timn.SeAlfari8mntiko()}));
        apotelesma = DiabaseSuvartnsn(telestns);
    }
    Epomevn();
    return apotelesma;
}

// The element rule, entered on the array's name; leaves the current token on the "]".
std::unique_ptr<TEkfrasn> TSarwtnsEkfrasewv::DiabaseStoixeioPivaka(TMetablntnPivakas& pivakas)
{
    Epomevn();
    if (Eidos() != lxAristernAgkulh)
        throw ESuvtaktikoLa8os(Morfh(u"Δεν υπάρχει η αγκύλη για τους δείκτες του πίνακα «%s»", {pivakas.Ovoma}));
    TListaEkfrasewv deiktes;
    do {
        Epomevn();
        std::unique_ptr<TEkfrasn> deiktns = DiabaseEkfrasn();
        if (deiktns->Tupos != tdAkeraios)
            throw ESuvtaktikoLa8os(Morfh(u"Ο %dος δείκτης του πίνακα «%s» δεν είναι ακέραιος",
                                        {Ari8mos(static_cast<long long>(deiktes.Stoixeia.size()) + 1), pivakas.Ovoma}));
        deiktes.Pros8nkn(std::move(deiktns));
    } while (Eidos() == lxKomma);
    if (Eidos() != lxDe3iaAgkulh)
        throw ESuvtaktikoLa8os(Morfh(u"Δεν έκλεισε η αγκύλη των δεικτών του πίνακα «%s»", {pivakas.Ovoma}));
    if (deiktes.Stoixeia.size() != pivakas.Ari8mosDiastasewv())
        throw ESuvtaktikoLa8os(Morfh(u"Ο πίνακας «%s» έχει %d διαστάσεις, όχι %d",
                                    {pivakas.Ovoma, Ari8mos(static_cast<long long>(pivakas.Ari8mosDiastasewv())),
                                     Ari8mos(static_cast<long long>(deiktes.Stoixeia.size()))}));
    return DnmiourgiaStoixeiouPivaka(pivakas, std::move(deiktes));
}

// A built-in function, entered on its keyword; leaves the current token on the ")".
std::unique_ptr<TEkfrasn> TSarwtnsEkfrasewv::DiabaseSuvartnsn(TTelestns telestns)
{
    const std::u16string ovoma = LektikosAvalutns.Le3n().Timn.Alfari8mntiko();
    Epomevn();
    if (Eidos() != lxAristernParev8esn)
        throw ESuvtaktikoLa8os(Morfh(u"Δεν υπάρχει αριστερή παρένθεση μετά την συνάρτηση «%s»", {ovoma}));
    Epomevn();
    std::unique_ptr<TEkfrasn> apotelesma = DnmiourgiaMovadiaias(telestns, DiabaseEkfrasn());
    if (Eidos() != lxDe3iaParev8esn)
        throw ESuvtaktikoLa8os(Morfh(u"Δεν υπάρχει δεξιά παρένθεση μετά την συνάρτηση «%s»", {ovoma}));
    return apotelesma;
}

}  // namespace kalmira
