// The expression parser: grammar levels and grouping, the token protocol, every message with the
// token it quotes, array elements, and the nesting limit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/uProgramma.h"
#include "core/uSarwtnsEkfrasewv.h"
#include "core/uTupoiDedomevwv.h"
#include "front/uLa8os.h"
#include "front/uLektikosAvalutns.h"

using namespace kalmira;

namespace {

std::string U8(std::u16string_view s) { return SeUtf8(s); }

// The operators as messages quote them, in the order of TTelestns.
const char* const Telestes[24] = {"+", "-", "*", "/", "<", "=", ">", "^", "≠", "≤", "≥", "div", "mod", "Α_Μ", "Α_Τ", "Ε",
                                  "ΕΦ", "ή", "ΗΜ", "και", "ΛΟΓ", "όχι", "ΣΥΝ", "Τ_Ρ"};

// The shape of a tree: binary nodes as "(L op R)", unary ones as "op[X]", leaves by their text.
std::string Domn(const TEkfrasn& e)
{
    if (auto d = dynamic_cast<const TDuadiknPra3n*>(&e))
        return "(" + Domn(*d->Aristeros) + " " + Telestes[d->Telestns] + " " + Domn(*d->De3ios) + ")";
    if (auto m = dynamic_cast<const TMovadiaiaPra3n*>(&e))
        return std::string(Telestes[m->Telestns]) + "[" + Domn(*m->Telesteos) + "]";
    return U8(e.Keimevo());
}

std::string LathosStoixeio(const std::string& le3n) { return "syntax Λάθος στοιχείο «" + le3n + "» κατά το διάβασμα έκφρασης"; }
const std::string PolloiEpipeda = "syntax Η έκφραση έχει πάρα πολλά εμφωλευμένα επίπεδα";

std::u16string Epanalnpsn(std::u16string_view s, int n)
{
    std::u16string r;
    r.reserve(s.size() * static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        r += s;
    return r;
}

class Sarwtns : public testing::Test {
protected:
    void SetUp() override
    {
        for (auto [ovoma, tupos] : {std::pair{u"a", tdAkeraios}, {u"b", tdAkeraios}, {u"x", tdPragmatikos}, {u"p", tdLogikos},
                                    {u"q", tdLogikos}, {u"κενή", tdAkeraios}})
            pivakas_.Add(std::make_unique<TMetablntn>(std::u16string(ovoma), tupos));
        pivakas_.Add(std::make_unique<TOvomasmevnSta8era>(u"Κ", TTimn::ApoAkeraio(5)));
        timew_ = &static_cast<TMetablntnPivakas&>(pivakas_.Add(
            std::make_unique<TMetablntnPivakas>(u"Τιμές", tdAkeraios, std::vector<std::pair<std::int32_t, std::int32_t>>{{1, 3}, {1, 4}})));
        b_ = &static_cast<TMetablntnPivakas&>(pivakas_.Add(
            std::make_unique<TMetablntnPivakas>(u"Β", tdPragmatikos, std::vector<std::pair<std::int32_t, std::int32_t>>{{1, 5}})));
        static_cast<TMetablntn&>(pivakas_.Find(u"a")).GraceTimn(TTimn::ApoAkeraio(3));
        static_cast<TMetablntn&>(pivakas_.Find(u"b")).GraceTimn(TTimn::ApoAkeraio(4));
        static_cast<TMetablntn&>(pivakas_.Find(u"x")).GraceTimn(TTimn::ApoPragmatiko(0.5));
        static_cast<TMetablntn&>(pivakas_.Find(u"p")).GraceTimn(TTimn::ApoLogiko(true));
        static_cast<TMetablntn&>(pivakas_.Find(u"q")).GraceTimn(TTimn::ApoLogiko(false));
    }

    // Parses with the given entry; `lektikos_` stays on the token after the construct.
    std::unique_ptr<TEkfrasn> Diabase(std::u16string_view keimevo, bool stoixeio = false)
    {
        lektikos_ = std::make_unique<TLektikosAvalutns>(MetatropnTelestwv(keimevo), nullptr);
        lektikos_->EpomevnLe3n();
        TSarwtnsEkfrasewv sarwtns(*lektikos_, pivakas_);
        return stoixeio ? sarwtns.DiabaseStoixeio() : sarwtns.DiabaseEkfrasn();
    }

    // The shape of the whole text's tree, or the error it raises.
    std::string Apotelesma(std::u16string_view keimevo)
    {
        try {
            std::unique_ptr<TEkfrasn> e = Diabase(keimevo);
            if (lektikos_->Le3n().Eidos != lxTelos)
                return "stopped before the end: " + Domn(*e);
            return Domn(*e);
        } catch (const ESuvtaktikoLa8os& e) {
            return "syntax " + U8(e.Mnvuma());
        } catch (const std::exception& e) {
            return std::string("other error ") + e.what();
        }
    }

    // The value of the whole text, or the error its evaluation raises.
    std::string Timn(std::u16string_view keimevo)
    {
        try {
            TTimn t = Diabase(keimevo)->Timn();
            return U8(KeimevoTimns(t));
        } catch (const ELa8osEktelesns& e) {
            return "error " + U8(e.Mnvuma());
        } catch (const std::exception& e) {
            return std::string("other error ") + e.what();
        }
    }

    TPivakasAvagvwristikwv pivakas_;
    std::unique_ptr<TLektikosAvalutns> lektikos_;
    TMetablntnPivakas* timew_ = nullptr;
    TMetablntnPivakas* b_ = nullptr;
};

struct TEkbasnProgrammatos {
    bool epituxia = false;
    std::string eidos, mnvuma;
    std::vector<std::string> e3odos;
    std::u16string keimevo;
};

TEkbasnProgrammatos Trexe(std::u16string pnyh)
{
    TEkbasnProgrammatos e;
    TProgramma programma([](const TEkfrasnMetablntns&, std::u16string&) {}, [&](const std::u16string& g) { e.e3odos.push_back(U8(g)); });
    e.epituxia = programma.Metaglwttisn(pnyh, 80);
    e.eidos = U8(programma.EidosLa8ous);
    e.mnvuma = U8(programma.MnvumaLa8ous);
    e.keimevo = pnyh;
    if (e.epituxia)
        for (int i = 0; i < 100 && programma.EpomevoBnma() != -1; ++i) {
        }
    return e;
}

}  // namespace

TEST_F(Sarwtns, LevelsAndGrouping)
{
    const std::pair<const char16_t*, const char*> periptwseis[] = {
        {u"10 - 2 - 3", "((10 - 2) - 3)"},
        {u"10 - (2 - 3)", "(10 - (2 - 3))"},
        {u"2^3^2", "(2 ^ (3 ^ 2))"},
        {u"-2^2", "-[(2 ^ 2)]"},
        {u"2*-3", "(2 * -[3])"},
        {u"2^-1", "(2 ^ -[1])"},
        {u"2^-3^2", "(2 ^ (-[3] ^ 2))"},
        {u"-a*b", "-[(a * b)]"},
        {u"-a + b", "(-[a] + b)"},
        {u"a - -b", "(a - -[b])"},
        {u"--x", "-[-[x]]"},
        {u"1 + 2 * 3", "(1 + (2 * 3))"},
        {u"(1 + 2) * 3", "((1 + 2) * 3)"},
        {u"a*b div a mod b / x", "((((a * b) div a) mod b) / x)"},
        {u"όχι x > 3 και p", "(όχι[(x > 3)] και p)"},
        {u"p ή q και p", "((p ή q) και p)"},
        {u"όχι όχι p", "όχι[όχι[p]]"},
        {u"a < b + 1 ή p", "((a < (b + 1)) ή p)"},
        {u"a <> b", "(a ≠ b)"},
        {u"Τ_Ρ(x + 1) * 2", "(Τ_Ρ[(x + 1)] * 2)"},
        {u"((a))", "a"},
        {u"Α", "syntax Άγνωστο αναγνωριστικό: «Α»"},  // Greek capital alpha, not the Latin a
    };
    for (auto [keimevo, domn] : periptwseis)
        EXPECT_EQ(Apotelesma(keimevo), domn) << U8(keimevo);
    EXPECT_EQ(Timn(u"10 - 2 - 3"), "5");
    EXPECT_EQ(Timn(u"10 - (2 - 3)"), "11");
    EXPECT_EQ(Timn(u"2^3^2"), "512");
    EXPECT_EQ(Timn(u"-2^2"), "-4");
    EXPECT_EQ(Timn(u"2*-3"), "-6");
    EXPECT_EQ(Timn(u"1 + 2 * 3"), "7");
    EXPECT_EQ(Timn(u"(1 + 2) * 3"), "9");
}

TEST_F(Sarwtns, StopsAtTheFirstTokenThatCannotContinue)
{
    const std::pair<const char16_t*, TEidosLe3ns> periptwseis[] = {
        {u"1 + 2 τότε", lxTote}, {u"a < b < 3", lxMikrotero}, {u"1 2", lxAkeraiaSta8era}, {u"a, b", lxKomma},
        {u"x]", lxDe3iaAgkulh},  {u"a ← 1", lxAva8esn},      {u"p επανάλαβε", lxEpavalabe}, {u"a μέχρι 5", lxMexri},
    };
    for (auto [keimevo, eidos] : periptwseis) {
        Diabase(keimevo);
        EXPECT_EQ(lektikos_->Le3n().Eidos, eidos) << U8(keimevo);
    }
    EXPECT_EQ(Domn(*Diabase(u"a < b < 3")), "(a < b)");
    EXPECT_EQ(U8(KeimevoTimns(Diabase(u"Τ_Ρ(4,5)")->Timn())), U8(KeimevoTimns(TTimn::ApoPragmatiko(std::sqrt(4.5)))));
}

TEST_F(Sarwtns, PrimaryForVariables)
{
    std::unique_ptr<TEkfrasn> e = Diabase(u"x + 1", true);
    EXPECT_NE(dynamic_cast<TEkfrasnMetablntns*>(e.get()), nullptr);
    EXPECT_EQ(U8(e->Keimevo()), "x");
    EXPECT_EQ(lektikos_->Le3n().Eidos, lxSuv);

    e = Diabase(u"ΤΙΜΕΣ[2, 3] * 2", true);
    EXPECT_NE(dynamic_cast<TEkfrasnMetablntns*>(e.get()), nullptr);
    EXPECT_EQ(U8(e->Keimevo()), "Τιμές[2, 3]");
    EXPECT_EQ(lektikos_->Le3n().Eidos, lxAsteraki);

    e = Diabase(u"(X)", true);  // the parentheses make no node
    EXPECT_NE(dynamic_cast<TEkfrasnMetablntns*>(e.get()), nullptr);
    EXPECT_EQ(lektikos_->Le3n().Eidos, lxTelos);

    EXPECT_EQ(dynamic_cast<TEkfrasnMetablntns*>(Diabase(u"κ", true).get()), nullptr);
    EXPECT_EQ(dynamic_cast<TEkfrasnMetablntns*>(Diabase(u"5", true).get()), nullptr);
    EXPECT_EQ(dynamic_cast<TEkfrasnMetablntns*>(Diabase(u"Τ_Ρ(x)", true).get()), nullptr);
}

TEST_F(Sarwtns, WrongItemQuotesTheToken)
{
    const std::pair<const char16_t*, const char*> periptwseis[] = {
        {u"+5", "+"},
        {u"", ""},
        {u"1 +", ""},
        {u"όχι", ""},
        {u"1 * τότε", "τότε"},
        {u"ΤΕΛΟΣ_ΠΡΟΓΡΑΜΜΑΤΟΣ", "Τέλος_προγράμματος"},
        {u"γράψε", "Γράψε"},
        {u")", ")"},
        {u"ή p", "ή"},
        {u"1 + ,", ","},
        {u"[1]", "["},
        {u"a ^ ακέραιες", "ακέραιες"},
        {u"Ε()", ")"},
        {u"Τιμές[]", "]"},
        {u"1 < <> 2", "≠"},
    };
    for (auto [keimevo, le3n] : periptwseis)
        EXPECT_EQ(Apotelesma(keimevo), LathosStoixeio(le3n)) << U8(keimevo);
}

TEST_F(Sarwtns, ParenthesesAndFunctions)
{
    const std::pair<const char16_t*, std::string> periptwseis[] = {
        {u"(1 + 2 Γράψε", "syntax Δεν υπάρχει δεξιά παρένθεση στην έκφραση «1+2»"},
        {u"((1)", "syntax Δεν υπάρχει δεξιά παρένθεση στην έκφραση «1»"},
        {u"(a <= b", "syntax Δεν υπάρχει δεξιά παρένθεση στην έκφραση «a ≤ b»"},
        {u"(a]", "syntax Δεν υπάρχει δεξιά παρένθεση στην έκφραση «a»"},
        {u"τ_ρ 4", "syntax Δεν υπάρχει αριστερή παρένθεση μετά την συνάρτηση «Τ_Ρ»"},
        {u"Τ_Ρ(4, 5)", "syntax Δεν υπάρχει δεξιά παρένθεση μετά την συνάρτηση «Τ_Ρ»"},
        {u"ημ(1", "syntax Δεν υπάρχει δεξιά παρένθεση μετά την συνάρτηση «ΗΜ»"},
        {u"Α_Μ(5 x", "syntax Δεν είναι δυνατή η πράξη «Α_Μ» στην έκφραση «5»"},
        {u"ψ + 1", "syntax Άγνωστο αναγνωριστικό: «ψ»"},
        {u"1 + ΑγνωστοΌνομα", "syntax Άγνωστο αναγνωριστικό: «ΑγνωστοΌνομα»"},
    };
    for (const auto& [keimevo, mnvuma] : periptwseis)
        EXPECT_EQ(Apotelesma(keimevo), mnvuma) << U8(keimevo);
    for (const char16_t* f : {u"Α_Μ", u"Α_Τ", u"Ε", u"ΕΦ", u"ΗΜ", u"ΛΟΓ", u"ΣΥΝ", u"Τ_Ρ"}) {
        EXPECT_EQ(Apotelesma(std::u16string(f) + u" 4"), "syntax Δεν υπάρχει αριστερή παρένθεση μετά την συνάρτηση «" + U8(f) + "»");
        EXPECT_EQ(Apotelesma(std::u16string(f) + u"(x]"),
                  "syntax Δεν υπάρχει δεξιά παρένθεση μετά την συνάρτηση «" + U8(f) + "»");
    }
}

TEST_F(Sarwtns, ErrorPositionIsTheTokenTheCheckLookedAt)
{
    EXPECT_EQ(Apotelesma(u"1 + + 2"), LathosStoixeio("+"));
    EXPECT_EQ(lektikos_->Ar3nLe3ns(), 7u);
    EXPECT_EQ(Apotelesma(u"(1 + 2 Γράψε"), "syntax Δεν υπάρχει δεξιά παρένθεση στην έκφραση «1+2»");
    EXPECT_EQ(lektikos_->Ar3nLe3ns(), 10u);
    EXPECT_EQ(Apotelesma(u"a +\r\n  ψ"), "syntax Άγνωστο αναγνωριστικό: «ψ»");
    EXPECT_EQ(lektikos_->Ar3nLe3ns(), 10u);
}

TEST_F(Sarwtns, ArrayElementRules)
{
    const std::pair<const char16_t*, std::string> periptwseis[] = {
        {u"Τιμές", "syntax Δεν υπάρχει η αγκύλη για τους δείκτες του πίνακα «Τιμές»"},
        {u"τιμες + 1", "syntax Δεν υπάρχει η αγκύλη για τους δείκτες του πίνακα «Τιμές»"},
        {u"Τιμές(1)", "syntax Δεν υπάρχει η αγκύλη για τους δείκτες του πίνακα «Τιμές»"},
        {u"Τιμές[1]", "syntax Ο πίνακας «Τιμές» έχει 2 διαστάσεις, όχι 1"},
        {u"ΤΙΜΕΣ[1, 2, 3]", "syntax Ο πίνακας «Τιμές» έχει 2 διαστάσεις, όχι 3"},
        {u"Β[1, 1]", "syntax Ο πίνακας «Β» έχει 1 διαστάσεις, όχι 2"},
        {u"Τιμές[1, 2", "syntax Δεν έκλεισε η αγκύλη των δεικτών του πίνακα «Τιμές»"},
        {u"Τιμές[1, 2)", "syntax Δεν έκλεισε η αγκύλη των δεικτών του πίνακα «Τιμές»"},
        {u"Τιμές[x, 2]", "syntax Ο 1ος δείκτης του πίνακα «Τιμές» δεν είναι ακέραιος"},
        {u"Τιμές[x, 2", "syntax Ο 1ος δείκτης του πίνακα «Τιμές» δεν είναι ακέραιος"},
        {u"Τιμές[1, x]", "syntax Ο 2ος δείκτης του πίνακα «Τιμές» δεν είναι ακέραιος"},
        {u"Τιμές[1, 'a']", "syntax Ο 2ος δείκτης του πίνακα «Τιμές» δεν είναι ακέραιος"},
        {u"Τιμές[1,2]", "syntax Ο 1ος δείκτης του πίνακα «Τιμές» δεν είναι ακέραιος"},  // one real index
        {u"Τιμές[4 / 2, 1]", "syntax Ο 1ος δείκτης του πίνακα «Τιμές» δεν είναι ακέραιος"},
        {u"τιμές[1, 2^2]", "Τιμές[1, 2^2]"},
        {u"Τιμές[a, b] + β[Τιμές[1, 1]]", "(Τιμές[a, b] + Β[Τιμές[1, 1]])"},
    };
    for (const auto& [keimevo, mnvuma] : periptwseis)
        EXPECT_EQ(Apotelesma(keimevo), mnvuma) << U8(keimevo);
}

TEST_F(Sarwtns, ArrayElementsEvaluateTheirIndicesThenCheckThem)
{
    std::vector<std::unique_ptr<TEkfrasn>> komvoi;
    auto stoixeio = [&](std::u16string_view keimevo) -> const TEkfrasnMetablntns& {
        komvoi.push_back(Diabase(keimevo, true));
        return dynamic_cast<const TEkfrasnMetablntns&>(*komvoi.back());
    };
    EXPECT_EQ(Timn(u"Τιμές[1, 1]"), "error Έγινε προσπάθεια να διαβαστεί στοιχείο του πίνακα «Τιμές» χωρίς πρώτα να αρχικοποιηθεί");
    stoixeio(u"Τιμές[2, 3]").GraceTimn(TTimn::ApoPragmatiko(2.5));
    EXPECT_EQ(Timn(u"Τιμές[2, 3]"), "2");
    EXPECT_EQ(Timn(u"Τιμές[a - 1, b - 1]"), "2");
    stoixeio(u"Τιμές[1, 1]").GraceTimn(TTimn::ApoAkeraio(11));
    EXPECT_EQ(Timn(u"Τιμές[4294967297, 1]"), "11");  // the low 32 bits of the index
    EXPECT_EQ(Timn(u"Τιμές[2^0, 2^0]"), "11");      // real values of integer type, rounded
    EXPECT_EQ(Timn(u"Τιμές[0, 9]"), "error Ο 1ος δείκτης του πίνακα «Τιμές» έχει τιμή «0», δηλαδή είναι εκτός διαστάσεων");
    EXPECT_EQ(Timn(u"Τιμές[3, 5]"), "error Ο 2ος δείκτης του πίνακα «Τιμές» έχει τιμή «5», δηλαδή είναι εκτός διαστάσεων");
    EXPECT_EQ(Timn(u"Τιμές[2^-1, 1]"), "error Ο 1ος δείκτης του πίνακα «Τιμές» έχει τιμή «0», δηλαδή είναι εκτός διαστάσεων");
    EXPECT_EQ(Timn(u"Τιμές[9, 1 div 0]"), "error Division by zero");  // every index first, then the check
    EXPECT_EQ(Timn(u"Τιμές[κενή, 1]"),
              "error Το πρόγραμμα προσπάθησε να χρησιμοποιήσει την τιμή της μεταβλητής «κενή» ενώ αυτή δεν έχει αρχικοποιηθεί");

    // One dimension.
    stoixeio(u"Β[2]").GraceTimn(TTimn::ApoAkeraio(3));
    TTimn t = Diabase(u"Β[2]")->Timn();
    ASSERT_EQ(t.Eidos(), TTimn::tmPragmatikos);
    EXPECT_EQ(t.Pragmatikos(), 3.0);
    EXPECT_EQ(Timn(u"Β[4294967298]"), "3");
    EXPECT_EQ(Timn(u"Β[2^1]"), "3");
    EXPECT_EQ(Timn(u"Β[6]"), "error Ο 1ος δείκτης του πίνακα «Β» έχει τιμή «6», δηλαδή είναι εκτός διαστάσεων");
    EXPECT_EQ(Timn(u"Β[-4294967295 - 1]"), "error Ο 1ος δείκτης του πίνακα «Β» έχει τιμή «0», δηλαδή είναι εκτός διαστάσεων");
    EXPECT_EQ(Timn(u"Β[1]"), "error Έγινε προσπάθεια να διαβαστεί στοιχείο του πίνακα «Β» χωρίς πρώτα να αρχικοποιηθεί");
    try {
        stoixeio(u"Β[0]").GraceTimn(TTimn::ApoAkeraio(1));
        ADD_FAILURE() << "stored out of bounds";
    } catch (const ELa8osEktelesns& e) {
        EXPECT_EQ(U8(e.Mnvuma()), "Ο 1ος δείκτης του πίνακα «Β» έχει τιμή «0», δηλαδή είναι εκτός διαστάσεων");
    }
    EXPECT_EQ(U8(KeimevoTimns(b_->Timn())), "(-, 3, -, -, -)");
}

TEST_F(Sarwtns, NestingDeeperThanTheLimitIsRefused)
{
    EXPECT_EQ(Apotelesma(Epanalnpsn(u"(", 1001) + u"1" + Epanalnpsn(u")", 1001)), PolloiEpipeda);
    EXPECT_EQ(Apotelesma(Epanalnpsn(u"(", 999) + u"a" + Epanalnpsn(u")", 999)), "a");
    EXPECT_EQ(Timn(Epanalnpsn(u"(", 999) + u"a" + Epanalnpsn(u")", 999)), "3");
    EXPECT_EQ(Timn(Epanalnpsn(u"-", 999) + u"a"), "-3");
    EXPECT_EQ(Timn(Epanalnpsn(u"όχι ", 999) + u"p"), "Ψευδής");
    EXPECT_EQ(Timn(Epanalnpsn(u"1^", 999) + u"1"), "1");

    // Far beyond the limit every kind of nesting fails with the message, never with the stack.
    const int poly = 100000;
    EXPECT_EQ(Apotelesma(Epanalnpsn(u"(", poly) + u"1" + Epanalnpsn(u")", poly)), PolloiEpipeda);
    EXPECT_EQ(Apotelesma(Epanalnpsn(u"-", poly) + u"1"), PolloiEpipeda);
    EXPECT_EQ(Apotelesma(Epanalnpsn(u"όχι ", poly) + u"p"), PolloiEpipeda);
    EXPECT_EQ(Apotelesma(Epanalnpsn(u"2^", poly) + u"2"), PolloiEpipeda);
    EXPECT_EQ(Apotelesma(Epanalnpsn(u"2^-", poly) + u"2"), PolloiEpipeda);
    EXPECT_EQ(Apotelesma(Epanalnpsn(u"Τ_Ρ(", poly) + u"1" + Epanalnpsn(u")", poly)), PolloiEpipeda);
    EXPECT_EQ(Apotelesma(Epanalnpsn(u"Β[", poly) + u"1" + Epanalnpsn(u"]", poly)), PolloiEpipeda);
}

TEST(SarwtnsProgrammatos, DeepNestingIsASyntaxErrorOfTheCompile)
{
    TEkbasnProgrammatos e = Trexe(u"Πρόγραμμα Β\r\nΑρχή\r\n  Γράψε " + Epanalnpsn(u"(", 1001) + u"1" + Epanalnpsn(u")", 1001) +
                                  u"\r\nΤέλος_προγράμματος\r\n");
    EXPECT_FALSE(e.epituxia);
    EXPECT_EQ(e.eidos, "Συντακτικό λάθος κατά την μεταγλώττιση του προγράμματος");
    EXPECT_EQ(e.mnvuma, "Η έκφραση έχει πάρα πολλά εμφωλευμένα επίπεδα");
}

TEST(SarwtnsProgrammatos, FlatChainOfAHundredThousandTerms)
{
    std::u16string alusida = u"1" + Epanalnpsn(u"+1", 99999);
    TEkbasnProgrammatos e = Trexe(u"Πρόγραμμα Α\r\nΑρχή\r\n  Γράψε " + alusida + u"\r\nΤέλος_προγράμματος\r\n");
    ASSERT_TRUE(e.epituxia) << e.mnvuma;
    EXPECT_EQ(e.e3odos, (std::vector<std::string>{"100000"}));
    EXPECT_NE(e.keimevo.find(u"  Γράψε " + alusida + u"\r\n"), std::u16string::npos);

    // A mixed chain and a logical one: built, printed, evaluated and freed the same way.
    alusida = u"10" + Epanalnpsn(u"-1+1*1", 49999) + u"-x*2";
    e = Trexe(u"Πρόγραμμα Α\r\nΜεταβλητές\r\n  πραγματικές: x\r\nΑρχή\r\n  x <-- 0,5\r\n  Γράψε " + alusida + u"\r\nΤέλος_προγράμματος\r\n");
    ASSERT_TRUE(e.epituxia) << e.mnvuma;
    EXPECT_EQ(e.e3odos, (std::vector<std::string>{"9"}));
    EXPECT_NE(e.keimevo.find(alusida), std::u16string::npos);

    alusida = u"Ψευδής" + Epanalnpsn(u" ή Ψευδής", 99998) + u" ή Αληθής";
    e = Trexe(u"Πρόγραμμα Α\r\nΑρχή\r\n  Γράψε " + alusida + u"\r\nΤέλος_προγράμματος\r\n");
    ASSERT_TRUE(e.epituxia) << e.mnvuma;
    EXPECT_EQ(e.e3odos, (std::vector<std::string>{"Αληθής"}));
}
