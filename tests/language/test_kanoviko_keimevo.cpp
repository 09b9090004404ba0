// The canonical text of an expression must read back as the very same tree: the compile writes
// these texts into the pupil's program, and a listing must never change what it computes.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "Voithitika.h"

namespace kalmira {
namespace {

using namespace voithitika;

class KanovikoKeimevo : public testing::Test {
protected:
    void SetUp() override
    {
        for (auto [ovoma, tupos] : {std::pair{u"a", tdAkeraios}, {u"b", tdAkeraios}, {u"c", tdAkeraios}, {u"x", tdPragmatikos},
                                    {u"y", tdPragmatikos}, {u"s", tdAlfari8mntikos}, {u"t", tdAlfari8mntikos}, {u"p", tdLogikos},
                                    {u"q", tdLogikos}})
            metablntes_[tupos].push_back(&Metablntn(pivakas_, ovoma, tupos));
        sta8era_ = &Sta8era(pivakas_, u"Ν", TTimn::ApoAkeraio(5));
        pivakas1_ = &Pivakas(pivakas_, u"Α", tdPragmatikos, TOria{{1, 9}});
        pivakas2_ = &Pivakas(pivakas_, u"Β", tdAkeraios, TOria{{1, 3}, {1, 4}});
    }

    std::string Keimevo(const std::u16string& pnyh) { return U8(Diabase(pivakas_, pnyh)->Keimevo()); }

    // A random well-typed tree of the given type.
    std::unique_ptr<TEkfrasn> Tuxaio(TTuposDedomevwv tupos, int ba8os);

    TPivakasAvagvwristikwv pivakas_;
    std::map<TTuposDedomevwv, std::vector<TMetablntn*>> metablntes_;
    TOvomasmevnSta8era* sta8era_ = nullptr;
    TMetablntnPivakas* pivakas1_ = nullptr;
    TMetablntnPivakas* pivakas2_ = nullptr;
    std::mt19937 tuxaioi_{20261207};

    int Zari(int n) { return std::uniform_int_distribution<int>(0, n - 1)(tuxaioi_); }
};

std::unique_ptr<TEkfrasn> KanovikoKeimevo::Tuxaio(TTuposDedomevwv tupos, int ba8os)
{
    const bool fullo = ba8os <= 0 || Zari(4) == 0;
    auto metablntn = [&] { return std::make_unique<TEkfrasnAplnsMetablntns>(*metablntes_[tupos][Zari(static_cast<int>(metablntes_[tupos].size()))]); };
    auto ari8mos = [&] { return Tuxaio(Zari(2) ? tdAkeraios : tdPragmatikos, ba8os - 1); };
    switch (tupos) {
    case tdAkeraios: {
        if (fullo) {
            switch (Zari(4)) {
            case 0: return std::make_unique<TEkfrasnSta8eras>(TTimn::ApoAkeraio(Zari(30)));
            case 1: return std::make_unique<TEkfrasnOvomasmevnsSta8eras>(*sta8era_);
            default: return metablntn();
            }
        }
        switch (Zari(6)) {
        case 0: return DnmiourgiaMovadiaias(Zari(2) ? tlAfairesn : tlApolutnTimn, Tuxaio(tdAkeraios, ba8os - 1));
        case 1: return DnmiourgiaMovadiaias(tlAkeraioMeros, Tuxaio(tdPragmatikos, ba8os - 1));
        case 2: {
            TListaEkfrasewv deiktes;
            deiktes.Pros8nkn(Tuxaio(tdAkeraios, ba8os - 1));
            deiktes.Pros8nkn(Tuxaio(tdAkeraios, ba8os - 1));
            return DnmiourgiaStoixeiouPivaka(*pivakas2_, std::move(deiktes));
        }
        default: {
            const TTelestns telestes[] = {tlPros8esn, tlAfairesn, tlPollaplasiasmos, tlDuvamn, tlDiv, tlMod};
            return DnmiourgiaDuadiknsPra3ns(Tuxaio(tdAkeraios, ba8os - 1), Tuxaio(tdAkeraios, ba8os - 1), telestes[Zari(6)]);
        }
        }
    }
    case tdPragmatikos: {
        if (fullo) {
            const double times[] = {0.5, 2.0, 0.1, 3.14159265358979323, 1e20, 0.000001, 123.25};
            if (Zari(2))
                return std::make_unique<TEkfrasnSta8eras>(TTimn::ApoPragmatiko(times[Zari(7)]));
            return metablntn();
        }
        switch (Zari(5)) {
        case 0: {
            const TTelestns suvartnseis[] = {tlAfairesn, tlEk8etiko, tlEfaptomevn, tlNmitovo, tlLogari8mos, tlSuvnmitovo, tlTetragwviknRiza};
            TTelestns t = suvartnseis[Zari(7)];
            return DnmiourgiaMovadiaias(t, t == tlAfairesn ? Tuxaio(tdPragmatikos, ba8os - 1) : ari8mos());
        }
        case 1: {
            TListaEkfrasewv deiktes;
            deiktes.Pros8nkn(Tuxaio(tdAkeraios, ba8os - 1));
            return DnmiourgiaStoixeiouPivaka(*pivakas1_, std::move(deiktes));
        }
        default: {
            // At least one real operand, or a division.
            const TTelestns telestes[] = {tlPros8esn, tlAfairesn, tlPollaplasiasmos, tlDiairesn, tlDuvamn};
            TTelestns t = telestes[Zari(5)];
            auto a = Zari(2) ? Tuxaio(tdPragmatikos, ba8os - 1) : ari8mos();
            auto b = a->Tupos == tdPragmatikos || t == tlDiairesn ? ari8mos() : Tuxaio(tdPragmatikos, ba8os - 1);
            return DnmiourgiaDuadiknsPra3ns(std::move(a), std::move(b), t);
        }
        }
    }
    case tdAlfari8mntikos:
        if (fullo) {
            const char16_t* times[] = {u"ab", u"κ'λ", u"", u"''"};
            if (Zari(2))
                return std::make_unique<TEkfrasnSta8eras>(TTimn::ApoAlfari8mntiko(times[Zari(4)]));
            return metablntn();
        }
        return DnmiourgiaDuadiknsPra3ns(Tuxaio(tdAlfari8mntikos, ba8os - 1), Tuxaio(tdAlfari8mntikos, ba8os - 1), tlPros8esn);
    default: {
        if (fullo) {
            if (Zari(2))
                return std::make_unique<TEkfrasnSta8eras>(TTimn::ApoLogiko(Zari(2) == 1));
            return metablntn();
        }
        const TTelestns sugkriseis[] = {tlMikrotero, tlIso, tlMegalutero, tlDiafora, tlMikroteroIso, tlMegaluteroIso};
        switch (Zari(5)) {
        case 0: return DnmiourgiaMovadiaias(tlArvnsn, Tuxaio(tdLogikos, ba8os - 1));
        case 1: return DnmiourgiaDuadiknsPra3ns(ari8mos(), ari8mos(), sugkriseis[Zari(6)]);
        case 2:
            return DnmiourgiaDuadiknsPra3ns(Tuxaio(tdAlfari8mntikos, ba8os - 1), Tuxaio(tdAlfari8mntikos, ba8os - 1), sugkriseis[Zari(6)]);
        case 3: return DnmiourgiaDuadiknsPra3ns(Tuxaio(tdLogikos, ba8os - 1), Tuxaio(tdLogikos, ba8os - 1), Zari(2) ? tlIso : tlDiafora);
        default: return DnmiourgiaDuadiknsPra3ns(Tuxaio(tdLogikos, ba8os - 1), Tuxaio(tdLogikos, ba8os - 1), Zari(2) ? tlDiazeu3n : tlSuzeu3n);
        }
    }
    }
}

// A tree in full: node kinds, types, operators, literals to the bit, and the declaration each leaf
// reads. Two trees are the same when their descriptions are.
std::string Perigrafn(const TEkfrasn& e)
{
    std::ostringstream s;
    s << '(' << int(e.EidosKomvou) << ' ' << int(e.Tupos) << ' ' << int(e.TuposTimns) << ' ';
    switch (e.EidosKomvou) {
    case TEkfrasn::ekSta8era: {
        const TTimn& t = static_cast<const TEkfrasnSta8eras&>(e).Periexomevo;
        s << int(t.Eidos()) << ' ';
        if (t.Eidos() == TTimn::tmPragmatikos)
            s << std::hexfloat << t.Pragmatikos();
        else
            s << U8(KeimevoTimns(t));
        break;
    }
    case TEkfrasn::ekOvomasmevnSta8era: s << &static_cast<const TEkfrasnOvomasmevnsSta8eras&>(e).Sta8era; break;
    case TEkfrasn::ekAplnMetablntn: s << &static_cast<const TEkfrasnAplnsMetablntns&>(e).Metablntn; break;
    case TEkfrasn::ekStoixeioPivaka: {
        const auto& p = static_cast<const TEkfrasnMetablntnsPivaka&>(e);
        s << &p.Pivakas;
        for (const auto& d : p.Deiktes.Stoixeia)
            s << Perigrafn(*d);
        break;
    }
    case TEkfrasn::ekMovadiaia: {
        const auto& m = static_cast<const TMovadiaiaPra3n&>(e);
        s << int(m.Telestns) << Perigrafn(*m.Telesteos);
        break;
    }
    case TEkfrasn::ekDuadikn: {
        const auto& d = static_cast<const TDuadiknPra3n&>(e);
        s << int(d.Telestns) << Perigrafn(*d.Aristeros) << Perigrafn(*d.De3ios);
        break;
    }
    default: s << "unexpected node";
    }
    return s.str() + ')';
}

TEST_F(KanovikoKeimevo, TuxaiaDentraDiabazovtaiIdia)
{
    const TTuposDedomevwv tupoi[] = {tdAkeraios, tdPragmatikos, tdAlfari8mntikos, tdLogikos};
    for (int i = 0; i < 3000; ++i) {
        std::unique_ptr<TEkfrasn> dentro = Tuxaio(tupoi[i % 4], 1 + i % 6);
        const std::u16string keimevo = dentro->Keimevo();
        std::unique_ptr<TEkfrasn> ksana = Diabase(pivakas_, keimevo);
        ASSERT_EQ(Perigrafn(*ksana), Perigrafn(*dentro)) << "text " << U8(keimevo);
        ASSERT_EQ(ksana->Keimevo(), keimevo);
    }
}

TEST_F(KanovikoKeimevo, ParadeigmataKratounToKeimevoTous)
{
    for (const char16_t* keimevo : {u"a+b*c", u"(a+b)*c", u"a-b-c", u"a-(b-c)", u"a-(b+c)", u"a*-b", u"a--b", u"2^3^2", u"-x", u"-(a+b)",
                                    u"--x", u"όχι a = b", u"όχι (p ή q)", u"10-2-3", u"'ab'+'cd'", u"x < y+1", u"a ≠ b ή c = a",
                                    u"Τ_Ρ(x)", u"Α_Τ(-3)", u"a*(-b)^2",
                                    // Regrouping would change the result, so these keep their parentheses.
                                    u"a*(b div c)", u"p ή (q και p)", u"(a < b) = p", u"p = (a < b)", u"(a^b)^c", u"8/(-2*2)",
                                    u"2*(-3^2)", u"a+(b+c)", u"x*(y/x)"})
        EXPECT_EQ(Keimevo(keimevo), U8(keimevo));
}

TEST_F(KanovikoKeimevo, KeimevoApoPhgh)
{
    // Blanks, case, the typed forms of the operators and parentheses that change nothing are not kept.
    const std::pair<const char16_t*, const char*> periptwseis[] = {
        {u"a <> b", "a ≠ b"},          {u"(x*y)+1", "x*y+1"},  {u"a  DIV  ν", "a div Ν"},  // names as declared
        {u"p και (όχι q)", "p και όχι q"}, {u"2*(-3)", "2*-3"}, {u"a+(-(b*c))", "a+-b*c"},
    };
    for (auto [pnyh, keimevo] : periptwseis)
        EXPECT_EQ(Keimevo(pnyh), keimevo) << U8(pnyh);
}

// A real literal is listed with the shortest digits that read back to its double, laid out
// positionally, however many digits that takes; large values must not turn into the double's
// exact binary expansion, and the listing must compile to the same tree again.
TEST_F(KanovikoKeimevo, PragmatikesSta8eresMeTaLigoteraPshfia)
{
    std::vector<std::pair<std::string, std::string>> periptwseis;
    for (int k = 0; k <= 30; ++k) {
        const std::string dunamn = "1" + std::string(k, '0') + ",0", arnntikn = "0," + std::string(k, '0') + "1";
        periptwseis.push_back({dunamn, dunamn});
        periptwseis.push_back({arnntikn, arnntikn});
    }
    char akribes[400];
    *std::to_chars(akribes, akribes + sizeof akribes - 1, std::numeric_limits<double>::max(), std::chars_format::fixed, 0).ptr = '\0';
    const std::string megisto = "17976931348623157" + std::string(292, '0') + ",0";
    periptwseis.insert(periptwseis.end(), {
        {"100000000000000010000000,0", "100000000000000010000000,0"},  // 1E23 and the double after it
        {"100000000000000000000000,0", "100000000000000000000000,0"},
        {"9007199254740991,0", "9007199254740991,0"},  // 2^53 - 1, 2^53, 2^53 + 1
        {"9007199254740992,0", "9007199254740992,0"},
        {"9007199254740993,0", "9007199254740992,0"},
        {"9223372036854775808,0", "9223372036854776000,0"},  // 2^63
        {"0,30000000000000004", "0,30000000000000004"},      // 0,1 + 0,2
        {"0,30000000000000001", "0,3"},
        {"0,1+0,2", "0,1+0,2"},
        {"1,0000000000000002", "1,0000000000000002"},
        {"3,14159265358979323", "3,141592653589793"},
        {"123456789,125", "123456789,125"},
        {"0,50", "0,5"},
        {"2,0", "2,0"},
        // Expansions that older listings wrote read back as the same doubles, listed by their shortest digits.
        {"999999999999999983222784,0", "1000000000000000000000000,0"},
        {"10000000000000000905969664,0", "10000000000000000000000000,0"},
        {"100000000000000008388608,0", "100000000000000010000000,0"},
        {std::string(akribes) + ",0", megisto},
        {megisto, megisto},
        {"0," + std::string(307, '0') + "22250738585072014", "0," + std::string(307, '0') + "22250738585072014"},  // smallest normal
        {"0," + std::string(323, '0') + "5", "0," + std::string(323, '0') + "5"},  // smallest of all
        {"0," + std::string(323, '0') + "4940656458412465441765687928682213723651", "0," + std::string(323, '0') + "5"},
    });
    for (const auto& [pnyh, keimevo] : periptwseis) {
        SCOPED_TRACE(pnyh);
        std::unique_ptr<TEkfrasn> dentro = Diabase(pivakas_, U16(pnyh));
        EXPECT_EQ(U8(dentro->Keimevo()), keimevo);
        std::unique_ptr<TEkfrasn> pali = Diabase(pivakas_, dentro->Keimevo());
        EXPECT_EQ(std::bit_cast<std::uint64_t>(pali->Pragmatikos()), std::bit_cast<std::uint64_t>(dentro->Pragmatikos()));
        EXPECT_EQ(pali->Keimevo(), dentro->Keimevo());
    }
    EXPECT_EQ(Diabase(pivakas_, U16(megisto))->Pragmatikos(), std::numeric_limits<double>::max());
    EXPECT_EQ(Diabase(pivakas_, u"0," + std::u16string(323, u'0') + u"5")->Pragmatikos(), std::numeric_limits<double>::denorm_min());
}

// Over random doubles of every magnitude, and over short decimals, the text reads back to the
// same double and has as few significant digits as any decimal that does.
TEST_F(KanovikoKeimevo, PragmatikesSta8eresTuxaiesTimes)
{
    auto elaxistaPshfia = [](double d) {
        char buf[64];
        for (int p = 1;; ++p) {
            std::snprintf(buf, sizeof buf, "%.*e", p - 1, d);
            if (std::strtod(buf, nullptr) == d)
                return p;
        }
    };
    std::uniform_int_distribution<std::uint64_t> bits(1, 0x7FEFFFFFFFFFFFFFull);  // every finite positive double
    std::uniform_int_distribution<std::int64_t> mantissa(1, 99999999);
    std::uniform_int_distribution<int> ek8etns(-40, 40);
    for (int i = 0; i < 4000; ++i) {
        double d;
        if (i % 2 == 0) {
            d = std::bit_cast<double>(bits(tuxaioi_));
        } else {
            const std::string dekadikos = std::to_string(mantissa(tuxaioi_)) + "e" + std::to_string(ek8etns(tuxaioi_));
            d = std::strtod(dekadikos.c_str(), nullptr);
        }
        const std::u16string keimevo = KeimevoPragmatiknsSta8eras(d);
        SCOPED_TRACE(U8(keimevo));
        const std::size_t koma = keimevo.find(u',');
        ASSERT_NE(koma, std::u16string::npos);
        ASSERT_LT(koma + 1, keimevo.size());
        ASSERT_EQ(keimevo.find_first_not_of(u"0123456789,"), std::u16string::npos);
        ASSERT_TRUE(koma == 1 || keimevo[0] != u'0') << "leading zero";
        std::u16string pshfia = keimevo.substr(0, koma) + keimevo.substr(koma + 1);
        pshfia.erase(0, pshfia.find_first_not_of(u'0'));
        pshfia.erase(pshfia.find_last_not_of(u'0') + 1);
        EXPECT_EQ(static_cast<int>(pshfia.size()), elaxistaPshfia(d));
        EXPECT_EQ(std::bit_cast<std::uint64_t>(Diabase(pivakas_, keimevo)->Pragmatikos()), std::bit_cast<std::uint64_t>(d));
    }
}

// Elements whose index is a variable plus or minus a constant are read in place; they must behave
// as any other index: wrapping arithmetic, the variable's own uninitialised error, the bounds check.
TEST(StoixeioPivaka, DeiktnsMetablntnSuvSta8era)
{
    TPivakasAvagvwristikwv pivakas;
    TMetablntn& i = Metablntn(pivakas, u"i", tdAkeraios);
    TMetablntnPivakas& p = Pivakas(pivakas, u"Π", tdAkeraios, TOria{{1, 5}});
    for (int k = 1; k <= 5; ++k)
        GraceStoixeio(p, {k}, TTimn::ApoAkeraio(10 * k));
    auto meta = Diabase(pivakas, u"Π[i+1]"), prin = Diabase(pivakas, u"Π[i-1]"), anapoda = Diabase(pivakas, u"Π[2+i]");
    auto makria = Diabase(pivakas, u"Π[i+4294967297]");
    EXPECT_EQ(La8os<ELa8osEktelesns>([&] { meta->Akeraios(); }),
              "Το πρόγραμμα προσπάθησε να χρησιμοποιήσει την τιμή της μεταβλητής «i» ενώ αυτή δεν έχει αρχικοποιηθεί");
    GraceTimn(i, TTimn::ApoAkeraio(3));
    EXPECT_EQ(meta->Akeraios(), 40);
    EXPECT_EQ(prin->Akeraios(), 20);
    EXPECT_EQ(anapoda->Akeraios(), 50);
    GraceTimn(i, TTimn::ApoAkeraio(5));
    EXPECT_EQ(La8os<ELa8osEktelesns>([&] { meta->Akeraios(); }), "Ο 1ος δείκτης του πίνακα «Π» έχει τιμή «6», δηλαδή είναι εκτός διαστάσεων");
    // 2^32 + 1 past i selects index 1 + i after the low 32 bits are taken.
    GraceTimn(i, TTimn::ApoAkeraio(1));
    EXPECT_EQ(makria->Akeraios(), 20);
}

}  // namespace
}  // namespace kalmira
