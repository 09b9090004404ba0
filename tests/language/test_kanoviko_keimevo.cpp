// The canonical text of an expression must read back as the very same tree: the compile writes
// these texts into the pupil's program, and a listing must never change what it computes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <string>

#include "core/uSarwtnsEkfrasewv.h"
#include "core/uTupoiDedomevwv.h"
#include "front/uLa8os.h"
#include "front/uLektikosAvalutns.h"

namespace kalmira {
namespace {

class KanovikoKeimevo : public testing::Test {
protected:
    void SetUp() override
    {
        for (auto [ovoma, tupos] : {std::pair{u"a", tdAkeraios}, {u"b", tdAkeraios}, {u"c", tdAkeraios}, {u"x", tdPragmatikos},
                                    {u"y", tdPragmatikos}, {u"s", tdAlfari8mntikos}, {u"t", tdAlfari8mntikos}, {u"p", tdLogikos},
                                    {u"q", tdLogikos}}) {
            metablntes_[tupos].push_back(
                &static_cast<TMetablntn&>(pivakas_.Add(std::make_unique<TMetablntn>(std::u16string(ovoma), tupos))));
        }
        sta8era_ = &static_cast<TOvomasmevnSta8era&>(pivakas_.Add(std::make_unique<TOvomasmevnSta8era>(u"Ν", TTimn::ApoAkeraio(5))));
        pivakas1_ = &static_cast<TMetablntnPivakas&>(
            pivakas_.Add(std::make_unique<TMetablntnPivakas>(u"Α", tdPragmatikos, std::vector<std::pair<std::int32_t, std::int32_t>>{{1, 9}})));
        pivakas2_ = &static_cast<TMetablntnPivakas&>(pivakas_.Add(
            std::make_unique<TMetablntnPivakas>(u"Β", tdAkeraios, std::vector<std::pair<std::int32_t, std::int32_t>>{{1, 3}, {1, 4}})));
    }

    // Parses a whole text as one expression; the text must be used up.
    std::unique_ptr<TEkfrasn> Diabase(const std::u16string& keimevo)
    {
        TLektikosAvalutns lektikos(MetatropnTelestwv(keimevo), nullptr);
        lektikos.EpomevnLe3n();
        TSarwtnsEkfrasewv sarwtns(lektikos, pivakas_);
        std::unique_ptr<TEkfrasn> ekfrasn = sarwtns.DiabaseEkfrasn();
        EXPECT_EQ(lektikos.Le3n().Eidos, lxTelos) << SeUtf8(keimevo) << " was not read to its end";
        return ekfrasn;
    }

    std::string Keimevo(const std::u16string& pnyh) { return SeUtf8(Diabase(pnyh)->Keimevo()); }

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

// Two trees are the same when they have the same shape, operators, literals (to the bit) and
// variables.
::testing::AssertionResult IdioDentro(const TEkfrasn& a, const TEkfrasn& b)
{
    if (a.EidosKomvou != b.EidosKomvou || a.Tupos != b.Tupos || a.TuposTimns != b.TuposTimns)
        return ::testing::AssertionFailure() << SeUtf8(a.Keimevo()) << " vs " << SeUtf8(b.Keimevo()) << ": different nodes";
    switch (a.EidosKomvou) {
    case TEkfrasn::ekSta8era: {
        const TTimn& ta = static_cast<const TEkfrasnSta8eras&>(a).Periexomevo;
        const TTimn& tb = static_cast<const TEkfrasnSta8eras&>(b).Periexomevo;
        bool idia = ta.Eidos() == tb.Eidos();
        if (idia && ta.Eidos() == TTimn::tmPragmatikos) {
            double da = ta.Pragmatikos(), db = tb.Pragmatikos();
            idia = std::memcmp(&da, &db, sizeof da) == 0;
        } else if (idia) {
            idia = KeimevoTimns(ta) == KeimevoTimns(tb);
        }
        return idia ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << "different literals " << SeUtf8(a.Keimevo());
    }
    case TEkfrasn::ekOvomasmevnSta8era:
        return &static_cast<const TEkfrasnOvomasmevnsSta8eras&>(a).Sta8era == &static_cast<const TEkfrasnOvomasmevnsSta8eras&>(b).Sta8era
                   ? ::testing::AssertionSuccess()
                   : ::testing::AssertionFailure() << "different constants";
    case TEkfrasn::ekAplnMetablntn:
        return &static_cast<const TEkfrasnAplnsMetablntns&>(a).Metablntn == &static_cast<const TEkfrasnAplnsMetablntns&>(b).Metablntn
                   ? ::testing::AssertionSuccess()
                   : ::testing::AssertionFailure() << "different variables";
    case TEkfrasn::ekStoixeioPivaka: {
        const auto& pa = static_cast<const TEkfrasnMetablntnsPivaka&>(a);
        const auto& pb = static_cast<const TEkfrasnMetablntnsPivaka&>(b);
        if (&pa.Pivakas != &pb.Pivakas || pa.Deiktes.Stoixeia.size() != pb.Deiktes.Stoixeia.size())
            return ::testing::AssertionFailure() << "different arrays";
        for (std::size_t i = 0; i < pa.Deiktes.Stoixeia.size(); ++i)
            if (auto r = IdioDentro(*pa.Deiktes.Stoixeia[i], *pb.Deiktes.Stoixeia[i]); !r)
                return r;
        return ::testing::AssertionSuccess();
    }
    case TEkfrasn::ekMovadiaia: {
        const auto& ma = static_cast<const TMovadiaiaPra3n&>(a);
        const auto& mb = static_cast<const TMovadiaiaPra3n&>(b);
        if (ma.Telestns != mb.Telestns)
            return ::testing::AssertionFailure() << SeUtf8(a.Keimevo()) << ": different unary operators";
        return IdioDentro(*ma.Telesteos, *mb.Telesteos);
    }
    case TEkfrasn::ekDuadikn: {
        const auto& da = static_cast<const TDuadiknPra3n&>(a);
        const auto& db = static_cast<const TDuadiknPra3n&>(b);
        if (da.Telestns != db.Telestns)
            return ::testing::AssertionFailure() << SeUtf8(a.Keimevo()) << " vs " << SeUtf8(b.Keimevo()) << ": different operators";
        if (auto r = IdioDentro(*da.Aristeros, *db.Aristeros); !r)
            return r;
        return IdioDentro(*da.De3ios, *db.De3ios);
    }
    default: return ::testing::AssertionFailure() << "unexpected node";
    }
}

TEST_F(KanovikoKeimevo, TuxaiaDentraDiabazovtaiIdia)
{
    const TTuposDedomevwv tupoi[] = {tdAkeraios, tdPragmatikos, tdAlfari8mntikos, tdLogikos};
    for (int i = 0; i < 3000; ++i) {
        std::unique_ptr<TEkfrasn> dentro = Tuxaio(tupoi[i % 4], 1 + i % 6);
        const std::u16string keimevo = dentro->Keimevo();
        std::unique_ptr<TEkfrasn> ksana = Diabase(keimevo);
        ASSERT_TRUE(IdioDentro(*dentro, *ksana)) << "text " << SeUtf8(keimevo);
        ASSERT_EQ(ksana->Keimevo(), keimevo);
    }
}

TEST_F(KanovikoKeimevo, ParadeigmataKratounToKeimevoTous)
{
    for (const char16_t* keimevo : {u"a+b*c", u"(a+b)*c", u"a-b-c", u"a-(b-c)", u"a-(b+c)", u"a*-b", u"a--b", u"2^3^2", u"-x", u"-(a+b)",
                                    u"--x", u"όχι a = b", u"όχι (p ή q)", u"10-2-3", u"'ab'+'cd'", u"x < y+1", u"a ≠ b ή c = a",
                                    u"Τ_Ρ(x)", u"Α_Τ(-3)", u"a*(-b)^2"})
        EXPECT_EQ(Keimevo(keimevo), SeUtf8(keimevo));
}

TEST_F(KanovikoKeimevo, KeimevoApoPhgh)
{
    // Blanks, case and the typed forms of the operators are not kept.
    EXPECT_EQ(Keimevo(u"a <> b"), "a ≠ b");
    EXPECT_EQ(Keimevo(u"x*(y+1)"), "x*(y+1)");
    EXPECT_EQ(Keimevo(u"(x*y)+1"), "x*y+1");
    EXPECT_EQ(Keimevo(u"a  DIV  ν"), "a div Ν");  // names as declared: Ν is the constant
}

TEST_F(KanovikoKeimevo, ParevtheseisPouAllazounTnnSnmasia)
{
    // Regrouping would change the result, so these keep their parentheses.
    EXPECT_EQ(Keimevo(u"a*(b div c)"), "a*(b div c)");
    EXPECT_EQ(Keimevo(u"p ή (q και p)"), "p ή (q και p)");
    EXPECT_EQ(Keimevo(u"(a < b) = p"), "(a < b) = p");
    EXPECT_EQ(Keimevo(u"p = (a < b)"), "p = (a < b)");
    EXPECT_EQ(Keimevo(u"(a^b)^c"), "(a^b)^c");
    EXPECT_EQ(Keimevo(u"8/(-2*2)"), "8/(-2*2)");
    EXPECT_EQ(Keimevo(u"2*(-3^2)"), "2*(-3^2)");
    EXPECT_EQ(Keimevo(u"a+(b+c)"), "a+(b+c)");
    EXPECT_EQ(Keimevo(u"x*(y/x)"), "x*(y/x)");
    // And these need none.
    EXPECT_EQ(Keimevo(u"p και (όχι q)"), "p και όχι q");
    EXPECT_EQ(Keimevo(u"2*(-3)"), "2*-3");
    EXPECT_EQ(Keimevo(u"a+(-(b*c))"), "a+-b*c");
}

TEST_F(KanovikoKeimevo, PragmatikesSta8eresKratouvTnnTimnTous)
{
    EXPECT_EQ(Keimevo(u"0,1"), "0,1");
    EXPECT_EQ(Keimevo(u"0,50"), "0,5");
    EXPECT_EQ(Keimevo(u"2,0"), "2,0");
    EXPECT_EQ(Keimevo(u"Α_Μ(2,0)"), "Α_Μ(2,0)");
    std::unique_ptr<TEkfrasn> pi = Diabase(u"3,14159265358979323");
    EXPECT_EQ(pi->Pragmatikos(), 3.14159265358979323);
    EXPECT_EQ(Diabase(pi->Keimevo())->Pragmatikos(), 3.14159265358979323);
    // Positional notation, however large or small, so that the text reads back as a real.
    EXPECT_EQ(SeUtf8(KeimevoPragmatiknsSta8eras(1e20)), "100000000000000000000,0");
    EXPECT_EQ(SeUtf8(KeimevoPragmatiknsSta8eras(0.000001)), "0,000001");
    EXPECT_EQ(Diabase(KeimevoPragmatiknsSta8eras(1e300))->Pragmatikos(), 1e300);
}

TEST_F(KanovikoKeimevo, MakriaAlusidaXwrisVa8iaAvadromn)
{
    // 100,000 terms: built, printed, evaluated, read back and freed without deep recursion.
    std::u16string keimevo = u"1";
    for (int i = 1; i < 100000; ++i)
        keimevo += u"+1";
    std::unique_ptr<TEkfrasn> ekfrasn = Diabase(keimevo);
    EXPECT_EQ(ekfrasn->Timn().Akeraios(), 100000);
    EXPECT_EQ(ekfrasn->Keimevo(), keimevo);
}

}  // namespace
}  // namespace kalmira

namespace kalmira {
namespace {

// Elements whose index is a variable plus or minus a constant are read in place; they must behave
// as any other index: wrapping arithmetic, the variable's own uninitialised error, the bounds check.
TEST(StoixeioPivaka, DeiktnsMetablntnSuvSta8era)
{
    TPivakasAvagvwristikwv pivakas;
    auto& i = static_cast<TMetablntn&>(pivakas.Add(std::make_unique<TMetablntn>(u"i", tdAkeraios)));
    auto& p = static_cast<TMetablntnPivakas&>(pivakas.Add(
        std::make_unique<TMetablntnPivakas>(u"Π", tdAkeraios, std::vector<std::pair<std::int32_t, std::int32_t>>{{1, 5}})));
    for (int k = 1; k <= 5; ++k)
        p.GraceStoixeio({k}, TTimn::ApoAkeraio(10 * k));
    auto diabase = [&](const std::u16string& keimevo) {
        TLektikosAvalutns lektikos(keimevo, nullptr);
        lektikos.EpomevnLe3n();
        return TSarwtnsEkfrasewv(lektikos, pivakas).DiabaseEkfrasn();
    };
    auto meta = diabase(u"Π[i+1]"), prin = diabase(u"Π[i-1]"), anapoda = diabase(u"Π[2+i]");
    EXPECT_THROW(meta->Akeraios(), ELa8osEktelesns);  // i is still empty
    i.GraceTimn(TTimn::ApoAkeraio(3));
    EXPECT_EQ(meta->Akeraios(), 40);
    EXPECT_EQ(prin->Akeraios(), 20);
    EXPECT_EQ(anapoda->Akeraios(), 50);
    i.GraceTimn(TTimn::ApoAkeraio(5));
    try {
        meta->Akeraios();
        ADD_FAILURE() << "index 6 was accepted";
    } catch (const ELa8osEktelesns& e) {
        EXPECT_EQ(SeUtf8(e.Mnvuma()), "Ο 1ος δείκτης του πίνακα «Π» έχει τιμή «6», δηλαδή είναι εκτός διαστάσεων");
    }
    // 2^32 + 1 past i selects index 1 + i after the low 32 bits are taken.
    auto makria = diabase(u"Π[i+4294967297]");
    i.GraceTimn(TTimn::ApoAkeraio(1));
    EXPECT_EQ(makria->Akeraios(), 20);
}

}  // namespace
}  // namespace kalmira
