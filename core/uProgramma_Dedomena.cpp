// Assignment, Διάβασε and Γράψε.
#include <charconv>
#include <string>

#include "core/uProgramma.h"
#include "core/uTupoiDedomevwv_Pra3eis.h"
#include "front/uLa8os.h"

namespace kalmira {

// ---------------------------------------------------------------------------------------------
// Assignment

namespace {

// Assignments specialised by their target and by the tag of the value: each evaluates the value
// through its typed entry point and stores it without building a whole value.

// A simple variable of the value's numeric or boolean type. `Timn` reads the value, `Thesn` stores it.
template <class Politikn>
class TAva8esnMetablntns final : public TEvtolnAva8esnTimns {
public:
    TAva8esnMetablntns(std::unique_ptr<TEkfrasnMetablntns> stoxos, std::unique_ptr<TEkfrasn> ekfrasn, TTimn& topos)
        : TEvtolnAva8esnTimns(std::move(stoxos), std::move(ekfrasn)), topos_(topos) {}
    TEvtoln* Ektelesn() override
    {
        Politikn::Thesn(topos_, *Ekfrasn);
        return Epomevn;
    }

private:
    TTimn& topos_;
};

// An array element: the value first, then the indices, then the store.
template <class Politikn>
class TAva8esnStoixeiou final : public TEvtolnAva8esnTimns {
public:
    using TEvtolnAva8esnTimns::TEvtolnAva8esnTimns;
    TEvtoln* Ektelesn() override
    {
        auto timn = Politikn::Timn(*Ekfrasn);
        Politikn::Apo8nkeusn(Stoxos->Stoxos(), std::move(timn));
        return Epomevn;
    }
};

// Numbers and booleans go where no string or array can be, so their stores free nothing.
struct TAkeraiosApoAkeraio {
    static std::int64_t Timn(const TEkfrasn& e) { return e.Akeraios(); }
    static void Apo8nkeusn(TTimn& t, std::int64_t v) { t.OriseAkeraioAmesa(v); }
    static void Thesn(TTimn& t, const TEkfrasn& e) { t.OriseAkeraioAmesa(e.Akeraios()); }
};
struct TAkeraiosApoPragmatiko {  // an integer-typed value that carries a real: rounded on store
    static std::int64_t Timn(const TEkfrasn& e) { return StrogguleusnMeArtio(e.Pragmatikos()); }
    static void Apo8nkeusn(TTimn& t, std::int64_t v) { t.OriseAkeraioAmesa(v); }
    static void Thesn(TTimn& t, const TEkfrasn& e) { t.OriseAkeraioAmesa(StrogguleusnMeArtio(e.Pragmatikos())); }
};
struct TPragmatikos {
    static double Timn(const TEkfrasn& e) { return e.Ari8mos(); }
    static void Apo8nkeusn(TTimn& t, double v) { t.OrisePragmatikoAmesa(v); }
    static void Thesn(TTimn& t, const TEkfrasn& e) { t.OrisePragmatikoAmesa(e.Ari8mos()); }
};
struct TLogikos {
    static bool Timn(const TEkfrasn& e) { return e.Logikos(); }
    static void Apo8nkeusn(TTimn& t, bool v) { t.OriseLogikoAmesa(v); }
    static void Thesn(TTimn& t, const TEkfrasn& e) { t.OriseLogikoAmesa(e.Logikos()); }
};
struct TAlfari8mntiko {
    static std::u16string Timn(const TEkfrasn& e)
    {
        std::u16string proswrino;
        const std::u16string& s = e.Alfari8mntiko(proswrino);
        if (&s == &proswrino)
            return proswrino;
        ElegxosMnmnsAlfari8mntikou(s.size());
        return s;
    }
    static void Apo8nkeusn(TTimn& t, std::u16string&& v) { t.OriseAlfari8mntiko(std::move(v)); }
    static void Thesn(TTimn& t, const TEkfrasn& e)
    {
        std::u16string proswrino;
        const std::u16string& s = e.Alfari8mntiko(proswrino);
        if (&s == &proswrino)
            t.OriseAlfari8mntiko(std::move(proswrino));
        else
            t.OriseAlfari8mntiko(std::u16string_view(s));  // also right when s is the variable itself
    }
};

// s ← s + e on a string variable appends in place instead of copying s.
class TPros8nknSeAlfari8mntiko final : public TEvtolnAva8esnTimns {
public:
    TPros8nknSeAlfari8mntiko(std::unique_ptr<TEkfrasnMetablntns> stoxos, std::unique_ptr<TEkfrasn> ekfrasn, TMetablntn& metablntn)
        : TEvtolnAva8esnTimns(std::move(stoxos), std::move(ekfrasn)), metablntn_(metablntn),
          de3ios_(*static_cast<const TDuadiknPra3n&>(*Ekfrasn).De3ios) {}
    TEvtoln* Ektelesn() override
    {
        TTimn& topos = const_cast<TTimn&>(metablntn_.Anagvwsn());  // the left operand is read first
        std::u16string proswrino;
        topos.Pros8eseAlfari8mntiko(de3ios_.Alfari8mntiko(proswrino));
        return Epomevn;
    }

private:
    TMetablntn& metablntn_;
    const TEkfrasn& de3ios_;
};

// How a fused assignment computes and stores its value: integers, or reals from any numbers.
struct TAkeraiaTimn {
    template <class Pra3n, class L, class R>
    static void Thesn(TTimn& topos, const L& l, const R& r) { topos.OriseAkeraioAmesa(Pra3n::Akeraia(l.Akeraios(), r.Akeraios())); }
};
struct TPragmatiknTimn {
    template <class Pra3n, class L, class R>
    static void Thesn(TTimn& topos, const L& l, const R& r) { topos.OrisePragmatikoAmesa(Pra3n::Pragmatika(l.Ari8mos(), r.Ari8mos())); }
};

// x ← a op b on a numeric variable: the operation is done in the statement itself, reading its
// operands in place, without a call to the operation's node.
template <class Timn, class Pra3n, class L, class R>
class TAva8esnPra3ns final : public TEvtolnAva8esnTimns {
public:
    TAva8esnPra3ns(std::unique_ptr<TEkfrasnMetablntns> stoxos, std::unique_ptr<TEkfrasn> ekfrasn, TTimn& topos)
        : TEvtolnAva8esnTimns(std::move(stoxos), std::move(ekfrasn)), topos_(topos),
          l_(*static_cast<const TDuadiknPra3n&>(*Ekfrasn).Aristeros), r_(*static_cast<const TDuadiknPra3n&>(*Ekfrasn).De3ios) {}
    TEvtoln* Ektelesn() override
    {
        Timn::template Thesn<Pra3n>(topos_, l_, r_);
        return Epomevn;
    }

private:
    TTimn& topos_;
    const L l_;
    const R r_;
};

template <class Pra3n, class L, class R>
using TAva8esnAkeraiasPra3ns = TAva8esnPra3ns<TAkeraiaTimn, Pra3n, L, R>;
template <class Pra3n, class L, class R>
using TAva8esnPragmatiknsPra3ns = TAva8esnPra3ns<TPragmatiknTimn, Pra3n, L, R>;

template <template <class, class, class> class Komvos, class Pra3n, class F>
std::unique_ptr<TEvtoln> Sugxwneumenn(std::unique_ptr<TEkfrasnMetablntns>& stoxos, std::unique_ptr<TEkfrasn>& ekfrasn, TTimn& topos, F&& anagvwstes)
{
    const auto& pra3n = static_cast<const TDuadiknPra3n&>(*ekfrasn);
    return anagvwstes(*pra3n.Aristeros, *pra3n.De3ios, [&]<class L, class R>() -> std::unique_ptr<TEvtoln> {
        return std::make_unique<Komvos<Pra3n, L, R>>(std::move(stoxos), std::move(ekfrasn), topos);
    });
}

// The fused statement for `metablntn ← a op b`, or none when the value is not such an operation.
std::unique_ptr<TEvtoln> Sugxwneusn(std::unique_ptr<TEkfrasnMetablntns>& stoxos, std::unique_ptr<TEkfrasn>& ekfrasn, TTimn& topos)
{
    if (ekfrasn->EidosKomvou != TEkfrasn::ekDuadikn)
        return nullptr;
    const auto& pra3n = static_cast<const TDuadiknPra3n&>(*ekfrasn);
    const bool akeraioi = pra3n.Aristeros->TuposTimns == tdAkeraios && pra3n.De3ios->TuposTimns == tdAkeraios;
    auto akeraioi_ = [](const TEkfrasn& a, const TEkfrasn& b, auto&& f) { return pra3eis::MeAkeraiousAnagvwstes<pra3eis::eaPra3eis, pra3eis::eaStenos>(a, b, f); };
    auto ari8mntikoi = [](const TEkfrasn& a, const TEkfrasn& b, auto&& f) { return pra3eis::MeAri8mntikousAnagvwstes(a, b, f); };
    if (stoxos->Tupos == tdAkeraios && akeraioi) {
        switch (pra3n.Telestns) {
        case tlPros8esn: return Sugxwneumenn<TAva8esnAkeraiasPra3ns, pra3eis::TPros8esn>(stoxos, ekfrasn, topos, akeraioi_);
        case tlAfairesn: return Sugxwneumenn<TAva8esnAkeraiasPra3ns, pra3eis::TAfairesn>(stoxos, ekfrasn, topos, akeraioi_);
        case tlPollaplasiasmos: return Sugxwneumenn<TAva8esnAkeraiasPra3ns, pra3eis::TPollaplasiasmos>(stoxos, ekfrasn, topos, akeraioi_);
        case tlDiv: return Sugxwneumenn<TAva8esnAkeraiasPra3ns, pra3eis::TDiv>(stoxos, ekfrasn, topos, akeraioi_);
        case tlMod: return Sugxwneumenn<TAva8esnAkeraiasPra3ns, pra3eis::TMod>(stoxos, ekfrasn, topos, akeraioi_);
        default: return nullptr;
        }
    }
    if (stoxos->Tupos == tdPragmatikos && ekfrasn->TuposTimns == tdPragmatikos) {
        switch (pra3n.Telestns) {
        case tlPros8esn: return Sugxwneumenn<TAva8esnPragmatiknsPra3ns, pra3eis::TPros8esn>(stoxos, ekfrasn, topos, ari8mntikoi);
        case tlAfairesn: return Sugxwneumenn<TAva8esnPragmatiknsPra3ns, pra3eis::TAfairesn>(stoxos, ekfrasn, topos, ari8mntikoi);
        case tlPollaplasiasmos: return Sugxwneumenn<TAva8esnPragmatiknsPra3ns, pra3eis::TPollaplasiasmos>(stoxos, ekfrasn, topos, ari8mntikoi);
        case tlDiairesn: return Sugxwneumenn<TAva8esnPragmatiknsPra3ns, pra3eis::TDiairesn>(stoxos, ekfrasn, topos, ari8mntikoi);
        default: return nullptr;
        }
    }
    return nullptr;
}

template <template <class> class Komvos, class... Orismata>
std::unique_ptr<TEvtoln> AvaTimn(std::unique_ptr<TEkfrasnMetablntns> stoxos, std::unique_ptr<TEkfrasn> ekfrasn, Orismata&... orismata)
{
    const TTuposDedomevwv tupos = stoxos->Tupos;
    const TTuposDedomevwv timn = ekfrasn->TuposTimns;
    if (tupos == tdAkeraios && timn == tdAkeraios)
        return std::make_unique<Komvos<TAkeraiosApoAkeraio>>(std::move(stoxos), std::move(ekfrasn), orismata...);
    if (tupos == tdAkeraios)
        return std::make_unique<Komvos<TAkeraiosApoPragmatiko>>(std::move(stoxos), std::move(ekfrasn), orismata...);
    if (tupos == tdPragmatikos)
        return std::make_unique<Komvos<TPragmatikos>>(std::move(stoxos), std::move(ekfrasn), orismata...);
    if (tupos == tdLogikos)
        return std::make_unique<Komvos<TLogikos>>(std::move(stoxos), std::move(ekfrasn), orismata...);
    return std::make_unique<Komvos<TAlfari8mntiko>>(std::move(stoxos), std::move(ekfrasn), orismata...);
}

std::unique_ptr<TEvtoln> DnmiourgiaAva8esns(std::unique_ptr<TEkfrasnMetablntns> stoxos, std::unique_ptr<TEkfrasn> ekfrasn)
{
    if (stoxos->EidosKomvou == TEkfrasn::ekStoixeioPivaka)
        return AvaTimn<TAva8esnStoixeiou>(std::move(stoxos), std::move(ekfrasn));
    TMetablntn& metablntn = static_cast<TEkfrasnAplnsMetablntns&>(*stoxos).Metablntn;
    if (stoxos->Tupos == tdAlfari8mntikos && ekfrasn->EidosKomvou == TEkfrasn::ekDuadikn) {
        const auto& pra3n = static_cast<const TDuadiknPra3n&>(*ekfrasn);
        if (pra3n.Telestns == tlPros8esn && pra3n.Aristeros->EidosKomvou == TEkfrasn::ekAplnMetablntn &&
            &static_cast<const TEkfrasnAplnsMetablntns&>(*pra3n.Aristeros).Metablntn == &metablntn)
            return std::make_unique<TPros8nknSeAlfari8mntiko>(std::move(stoxos), std::move(ekfrasn), metablntn);
    }
    if (auto sugxwneumenn = Sugxwneusn(stoxos, ekfrasn, metablntn.Periexomevo))
        return sugxwneumenn;
    return AvaTimn<TAva8esnMetablntns>(std::move(stoxos), std::move(ekfrasn), metablntn.Periexomevo);
}

}  // namespace

// Assignment -> variable "←" Expression
void TEvtolnAva8esnTimns::Kataskeuase(TPlaisioMetaglwttisns& p)
{
    std::unique_ptr<TEkfrasn> stoxos = p.Sarwtns.DiabaseStoixeio();
    if (stoxos->EidosKomvou == TEkfrasn::ekOvomasmevnSta8era)
        throw ESuvtaktikoLa8os(Morfh(u"Η σταθερά «%s» δεν μπορεί να ξεκινά μια εντολή", {stoxos->Keimevo()}));
    std::u16string kwdikas = stoxos->Keimevo();
    int grammn = p.Evtoles.Ekpompn(kwdikas, tgNea);
    if (p.Eidos() != lxAva8esn)
        throw ESuvtaktikoLa8os(u"Περίμενα το σύμβολο ανάθεσης τιμής: «<--»");
    kwdikas += u" \u2190";
    p.Evtoles.Ekpompn(u" \u2190", tgSuvexeia);
    p.Epomevn();
    std::unique_ptr<TEkfrasn> ekfrasn = p.Sarwtns.DiabaseEkfrasn();
    if (ekfrasn->Tupos != stoxos->Tupos && !(stoxos->Tupos == tdPragmatikos && ekfrasn->Tupos == tdAkeraios))
        throw ESuvtaktikoLa8os(
            Morfh(u"Δεν είναι δυνατόν να γίνει αυτή η ανάθεση τιμής γιατί η μεταβλητή «%s» είναι %s ενώ η έκφραση «%s» είναι %s",
                  {stoxos->Keimevo(), PngaiosKwdikasTupou(stoxos->Tupos, ptOvomastiknEvikou, gv8nluko), ekfrasn->Keimevo(),
                   PngaiosKwdikasTupou(ekfrasn->Tupos, ptOvomastiknEvikou, gv8nluko)}));
    std::u16string timn = u" " + ekfrasn->Keimevo();
    p.Evtoles.Ekpompn(timn, tgSuvexeia);
    kwdikas += timn;

    std::unique_ptr<TEkfrasnMetablntns> metablntn(static_cast<TEkfrasnMetablntns*>(stoxos.release()));
    std::unique_ptr<TEvtoln> evtoln = DnmiourgiaAva8esns(std::move(metablntn), std::move(ekfrasn));
    evtoln->Kwdikas = std::move(kwdikas);
    evtoln->Grammn = grammn;
    p.Evtoles.Katoxurwsn(std::move(evtoln));
}

// The keyword of Διάβασε or Γράψε, then items separated by commas, each read by `stoixeio` after
// the lexer has moved past the keyword or the comma; the text is the keyword and the items' texts
// joined by ", ".
template <class F>
static void DiabaseLista(TPlaisioMetaglwttisns& p, TEvtoln& evtoln, std::u16string_view le3n, TListaEkfrasewv& lista, F stoixeio)
{
    evtoln.Pros8eseKwdika(le3n, egAutomatn, p.Evtoles);
    for (;;) {
        p.Epomevn();
        std::unique_ptr<TEkfrasn> ekfrasn = stoixeio();
        evtoln.Pros8eseKwdika(ekfrasn->Keimevo(), egAutomatn, p.Evtoles);
        lista.Pros8nkn(std::move(ekfrasn));
        if (p.Eidos() != lxKomma)
            break;
        evtoln.Pros8eseKwdika(u", ", egAutomatn, p.Evtoles);
    }
}

// ---------------------------------------------------------------------------------------------
// Διάβασε

bool DiabaseAkeraio(std::u16string_view keimevo, std::int64_t& timn)
{
    std::size_t i = 0;
    while (i < keimevo.size() && keimevo[i] == u' ')
        ++i;
    keimevo.remove_prefix(i);
    if (keimevo.empty())
        return false;
    bool arnntikos = false;
    int vasn = 10;
    if (keimevo[0] == u'+' || keimevo[0] == u'-') {
        arnntikos = keimevo[0] == u'-';
        keimevo.remove_prefix(1);
    } else if (keimevo[0] == u'$' || keimevo[0] == u'x' || keimevo[0] == u'X') {
        vasn = 16;
        keimevo.remove_prefix(1);
    } else if (keimevo.size() >= 2 && keimevo[0] == u'0' && (keimevo[1] == u'x' || keimevo[1] == u'X')) {
        vasn = 16;
        keimevo.remove_prefix(2);
    }
    if (keimevo.empty() || (vasn == 16 && keimevo.size() > 8))
        return false;
    std::uint64_t apotelesma = 0;
    for (char16_t c : keimevo) {
        int psnfio;
        if (c >= u'0' && c <= u'9')
            psnfio = c - u'0';
        else if (vasn == 16 && c >= u'a' && c <= u'f')
            psnfio = c - u'a' + 10;
        else if (vasn == 16 && c >= u'A' && c <= u'F')
            psnfio = c - u'A' + 10;
        else
            return false;
        apotelesma = apotelesma * static_cast<std::uint64_t>(vasn) + static_cast<std::uint64_t>(psnfio);
        if (vasn == 10 && apotelesma > 2147483648ULL)
            return false;
    }
    if (vasn == 16) {
        timn = static_cast<std::int32_t>(static_cast<std::uint32_t>(apotelesma));
        return true;
    }
    if (!arnntikos && apotelesma > 2147483647ULL)
        return false;
    timn = arnntikos ? -static_cast<std::int64_t>(apotelesma) : static_cast<std::int64_t>(apotelesma);
    return true;
}

int DiabasePragmatiko(std::u16string_view keimevo, double& timn)
{
    // [sign] digits [ "." [digits] ] [ ("E" | "e") [sign] digits ], or [sign] "." digits [exponent].
    std::string ascii;
    std::size_t i = 0;
    bool arnntikos = false;
    if (i < keimevo.size() && (keimevo[i] == u'+' || keimevo[i] == u'-'))
        arnntikos = keimevo[i++] == u'-';
    std::size_t psnfia = 0;
    // The order of magnitude of the digits: they make a number below 10 to this, and at least a
    // tenth of that.
    std::int64_t ta3n = 0;
    bool snmavtiko = false, teleia = false;
    for (; i < keimevo.size(); ++i) {
        char16_t c = keimevo[i];
        if (c >= u'0' && c <= u'9') {
            ++psnfia;
            if (c != u'0')
                snmavtiko = true;
            if (!teleia && snmavtiko)
                ++ta3n;
            else if (teleia && !snmavtiko)
                --ta3n;
        } else if (c == u'.' && !teleia) {
            teleia = true;
        } else {
            break;
        }
        ascii += static_cast<char>(c);
    }
    if (psnfia == 0)
        return 0;
    // The exponent saturates: past a quadrillion no number of digits that fits in memory can bring
    // the value back into the range of a double, so the rest of its digits only need checking.
    constexpr std::int64_t KorosEk8etn = 1'000'000'000'000'000;
    std::int64_t ek8etns = 0;
    if (i < keimevo.size() && (keimevo[i] == u'E' || keimevo[i] == u'e')) {
        ++i;
        bool arnntikosEk8etns = false;
        if (i < keimevo.size() && (keimevo[i] == u'+' || keimevo[i] == u'-'))
            arnntikosEk8etns = keimevo[i++] == u'-';
        std::size_t ek8etikaPsnfia = 0;
        for (; i < keimevo.size() && keimevo[i] >= u'0' && keimevo[i] <= u'9'; ++i, ++ek8etikaPsnfia)
            if (ek8etns < KorosEk8etn)
                ek8etns = ek8etns * 10 + (keimevo[i] - u'0');
        if (ek8etikaPsnfia == 0)
            return 0;
        if (arnntikosEk8etns)
            ek8etns = -ek8etns;
    }
    if (i != keimevo.size())
        return 0;
    // Zero whatever its exponent; otherwise an order of magnitude far outside the range of a double
    // (1.8E308 to 4.9E-324) decides without converting.
    const double mndev = arnntikos ? -0.0 : 0.0;
    const std::int64_t ta3nTimns = ta3n + ek8etns;
    if (!snmavtiko || ta3nTimns < -400) {
        timn = mndev;
        return 1;
    }
    if (ta3nTimns > 400)
        return -1;
    ascii += 'e';
    ascii += std::to_string(ek8etns);
    double apotelesma = 0;
    auto [telos, la8os] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), apotelesma);
    if (la8os == std::errc::result_out_of_range) {
        // Beyond the largest double or closer to zero than the smallest.
        if (ta3nTimns > 0)
            return -1;
        timn = mndev;
        return 1;
    }
    if (la8os != std::errc() || telos != ascii.data() + ascii.size())
        return 0;
    timn = arnntikos ? -apotelesma : apotelesma;
    return 1;
}

std::u16string Ka8aroPragmatiko(std::u16string keimevo)
{
    for (char16_t& c : keimevo)
        if (c == u',')
            c = u'.';
    std::size_t ar3n = 0, telos = keimevo.size();
    while (ar3n < telos && keimevo[ar3n] <= 32)
        ++ar3n;
    while (telos > ar3n && keimevo[telos - 1] <= 32)
        --telos;
    return keimevo.substr(ar3n, telos - ar3n);
}

TEvtoln* TEvtolnDiabase::Ektelesn()
{
    for (const auto& stoixeio : Metablntes.Stoixeia) {
        const auto& metablntn = static_cast<const TEkfrasnMetablntns&>(*stoixeio);
        std::u16string keimevo;
        Xeiristes.Diabase(metablntn, keimevo);
        switch (metablntn.Tupos) {
        case tdAlfari8mntikos: metablntn.GraceTimn(TTimn::ApoAlfari8mntiko(std::move(keimevo))); break;
        case tdAkeraios: {
            std::int64_t timn;
            if (!DiabaseAkeraio(keimevo, timn))
                throw ELa8osEktelesns(Morfh(u"Το πρόγραμμα ήθελε να διαβάσει την ακέραια μεταβλητή «%s» αλλά εσύ έδωσες «%s»",
                                            {metablntn.Keimevo(), keimevo}));
            metablntn.GraceTimn(TTimn::ApoAkeraio(timn));
            break;
        }
        case tdPragmatikos: {
            std::u16string ka8aro = Ka8aroPragmatiko(std::move(keimevo));
            double timn;
            int apotelesma = DiabasePragmatiko(ka8aro, timn);
            if (apotelesma == 0)
                throw ELa8osEktelesns(Morfh(u"Το πρόγραμμα ήθελε να διαβάσει την πραγματική μεταβλητή «%s» αλλά εσύ έδωσες «%s»",
                                            {metablntn.Keimevo(), ka8aro}));
            if (apotelesma < 0)
                throw ELa8osEktelesns(Morfh(u"Πολύ μεγάλος αριθμός για να χωρέσει σε πραγματική μεταβλητή: «%s»", {ka8aro}));
            metablntn.GraceTimn(TTimn::ApoPragmatiko(timn));
            break;
        }
        default: throw ELa8osMou(u"Λάθος τύπος κατά την εκτέλεση του διαβάσματος");
        }
    }
    Xeiristes.ElegxosDiakopns(Epomevn);
    return Epomevn;
}

// Read -> "Διάβασε" variable { "," variable }
void TEvtolnDiabase::Kataskeuase(TPlaisioMetaglwttisns& p)
{
    auto evtoln = std::make_unique<TEvtolnDiabase>(p.Xeiristes);
    DiabaseLista(p, *evtoln, u"Διάβασε ", evtoln->Metablntes, [&p] {
        if (p.Eidos() != lxAvagvwristiko)
            throw ESuvtaktikoLa8os(u"Στην εντολή «Διάβασε» επιτρέπονται μόνο μεταβλητές");
        std::unique_ptr<TEkfrasn> metablntn = p.Sarwtns.DiabaseStoixeio();
        if (metablntn->EidosKomvou == TEkfrasn::ekOvomasmevnSta8era)
            throw ESuvtaktikoLa8os(Morfh(u"Η σταθερά «%s» δεν είναι δυνατόν να διαβαστεί", {metablntn->Keimevo()}));
        if (metablntn->Tupos == tdLogikos)
            throw ESuvtaktikoLa8os(Morfh(u"Δεν είναι δυνατό να διαβαστεί η λογική μεταβλητή «%s»", {metablntn->Keimevo()}));
        return metablntn;
    });
    p.Evtoles.Katoxurwsn(std::move(evtoln));
}

// ---------------------------------------------------------------------------------------------
// Γράψε

TEvtoln* TEvtolnGrace::Ektelesn()
{
    std::u16string grammn;
    std::u16string proswrino;
    for (const auto& stoixeio : Ekfraseis.Stoixeia) {
        switch (stoixeio->TuposTimns) {
        case tdLogikos: grammn += stoixeio->Logikos() ? u"Αληθής" : u"Ψευδής"; break;
        case tdAkeraios: grammn += Ari8mos(stoixeio->Akeraios()); break;
        case tdPragmatikos: grammn += KeimevoPragmatikou(stoixeio->Pragmatikos()); break;
        default: {
            const std::u16string& s = stoixeio->Alfari8mntiko(proswrino);
            ElegxosMnmnsAlfari8mntikou(grammn.size() + s.size());  // the line is a string too
            grammn += s;
            break;
        }
        }
    }
    Xeiristes.Grace(grammn);
    return Epomevn;
}

// Write -> "Γράψε" Expression { "," Expression }
void TEvtolnGrace::Kataskeuase(TPlaisioMetaglwttisns& p)
{
    auto evtoln = std::make_unique<TEvtolnGrace>(p.Xeiristes);
    DiabaseLista(p, *evtoln, u"Γράψε ", evtoln->Ekfraseis, [&p] { return p.Sarwtns.DiabaseEkfrasn(); });
    p.Evtoles.Katoxurwsn(std::move(evtoln));
}

}  // namespace kalmira
