// The expression parser: grammar levels and grouping, the token protocol, every message with the
// token it quotes, array elements, and the nesting limit.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "Voithitika.h"

using namespace voithitika;

namespace {

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

class Sarwtns : public testing::Test {
protected:
    void SetUp() override
    {
        GraceTimn(Metablntn(pivakas_, u"a", tdAkeraios), TTimn::ApoAkeraio(3));
        GraceTimn(Metablntn(pivakas_, u"b", tdAkeraios), TTimn::ApoAkeraio(4));
        GraceTimn(Metablntn(pivakas_, u"x", tdPragmatikos), TTimn::ApoPragmatiko(0.5));
        GraceTimn(Metablntn(pivakas_, u"p", tdLogikos), TTimn::ApoLogiko(true));
        GraceTimn(Metablntn(pivakas_, u"q", tdLogikos), TTimn::ApoLogiko(false));
        Metablntn(pivakas_, u"κενή", tdAkeraios);
        Sta8era(pivakas_, u"Κ", TTimn::ApoAkeraio(5));
        timew_ = &Pivakas(pivakas_, u"Τιμές", tdAkeraios, TOria{{1, 3}, {1, 4}});
        b_ = &Pivakas(pivakas_, u"Β", tdPragmatikos, TOria{{1, 5}});
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
            return (lektikos_->Le3n().Eidos != lxTelos ? "stopped before the end: " : "") + Domn(*e);
        } catch (const ESuvtaktikoLa8os& e) {
            return "syntax " + U8(e.Mnvuma());
        } catch (const std::exception& e) {
            return std::string("other error ") + e.what();
        }
    }

    // The value of the whole text, or the error its evaluation raises.
    std::string Timn(std::u16string_view keimevo)
    {
        std::string timn;
        std::string la8os = La8os<ELa8osEktelesns>([&] { timn = U8(KeimevoTimns(Diabase(keimevo)->Timn())); });
        return la8os == "no error" ? timn : "error " + la8os;
    }

    TPivakasAvagvwristikwv pivakas_;
    std::unique_ptr<TLektikosAvalutns> lektikos_;
    TMetablntnPivakas* timew_ = nullptr;
    TMetablntnPivakas* b_ = nullptr;
};

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
        {u"a*b div a mod b / x", "((((a * b) div a) mod b) / x)"},
        {u"όχι x > 3 και p", "(όχι[(x > 3)] και p)"},
        {u"p ή q και p", "((p ή q) και p)"},
        {u"όχι όχι p", "όχι[όχι[p]]"},
        {u"a < b + 1 ή p", "((a < (b + 1)) ή p)"},
        {u"Τ_Ρ(x + 1) * 2", "(Τ_Ρ[(x + 1)] * 2)"},
        {u"Τ_Ρ(4,5)", "Τ_Ρ[4,5]"},  // one real argument
        {u"((a))", "a"},
        {u"Α", "syntax Άγνωστο αναγνωριστικό: «Α»"},  // Greek capital alpha, not the Latin a
    };
    for (auto [keimevo, domn] : periptwseis)
        EXPECT_EQ(Apotelesma(keimevo), domn) << U8(keimevo);
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
}

TEST_F(Sarwtns, PrimaryForVariables)
{
    const struct {
        const char16_t* keimevo;
        const char* metablntn;  // nullptr: not a variable
        TEidosLe3ns epomevn;
    } periptwseis[] = {
        {u"x + 1", "x", lxSuv},
        {u"ΤΙΜΕΣ[2, 3] * 2", "Τιμές[2, 3]", lxAsteraki},
        {u"(X)", "x", lxTelos},  // the parentheses make no node
        {u"κ", nullptr, lxTelos},
        {u"5", nullptr, lxTelos},
        {u"Τ_Ρ(x)", nullptr, lxTelos},
    };
    for (const auto& p : periptwseis) {
        std::unique_ptr<TEkfrasn> e = Diabase(p.keimevo, true);
        EXPECT_EQ(dynamic_cast<TEkfrasnMetablntns*>(e.get()) != nullptr, p.metablntn != nullptr) << U8(p.keimevo);
        if (p.metablntn) {
            EXPECT_EQ(U8(e->Keimevo()), p.metablntn);
        }
        EXPECT_EQ(lektikos_->Le3n().Eidos, p.epomevn) << U8(p.keimevo);
    }
}

TEST_F(Sarwtns, WrongItemQuotesTheToken)
{
    const std::pair<const char16_t*, const char*> periptwseis[] = {
        {u"+5", "+"}, {u"", ""}, {u"1 +", ""}, {u"όχι", ""}, {u"1 * τότε", "τότε"},
        {u"ΤΕΛΟΣ_ΠΡΟΓΡΑΜΜΑΤΟΣ", "Τέλος_προγράμματος"}, {u"γράψε", "Γράψε"}, {u")", ")"}, {u"ή p", "ή"},
        {u"[1]", "["}, {u"a ^ ακέραιες", "ακέραιες"}, {u"Ε()", ")"}, {u"Τιμές[]", "]"}, {u"1 < <> 2", "≠"},
    };
    for (auto [keimevo, le3n] : periptwseis)
        EXPECT_EQ(Apotelesma(keimevo), LathosStoixeio(le3n)) << U8(keimevo);
}

TEST_F(Sarwtns, ParenthesesFunctionsAndArrayElements)
{
    const std::pair<const char16_t*, std::string> periptwseis[] = {
        {u"(1 + 2 Γράψε", "syntax Δεν υπάρχει δεξιά παρένθεση στην έκφραση «1+2»"},
        {u"(a <= b", "syntax Δεν υπάρχει δεξιά παρένθεση στην έκφραση «a ≤ b»"},
        {u"(a]", "syntax Δεν υπάρχει δεξιά παρένθεση στην έκφραση «a»"},
        {u"Τ_Ρ(4, 5)", "syntax Δεν υπάρχει δεξιά παρένθεση μετά την συνάρτηση «Τ_Ρ»"},
        {u"ημ(1", "syntax Δεν υπάρχει δεξιά παρένθεση μετά την συνάρτηση «ΗΜ»"},
        {u"Α_Μ(5 x", "syntax Δεν είναι δυνατή η πράξη «Α_Μ» στην έκφραση «5»"},
        {u"ψ + 1", "syntax Άγνωστο αναγνωριστικό: «ψ»"},
        {u"1 + ΑγνωστοΌνομα", "syntax Άγνωστο αναγνωριστικό: «ΑγνωστοΌνομα»"},
        // Array elements.
        {u"Τιμές", "syntax Δεν υπάρχει η αγκύλη για τους δείκτες του πίνακα «Τιμές»"},
        {u"Τιμές(1)", "syntax Δεν υπάρχει η αγκύλη για τους δείκτες του πίνακα «Τιμές»"},
        {u"ΤΙΜΕΣ[1, 2, 3]", "syntax Ο πίνακας «Τιμές» έχει 2 διαστάσεις, όχι 3"},
        {u"Β[1, 1]", "syntax Ο πίνακας «Β» έχει 1 διαστάσεις, όχι 2"},
        {u"Τιμές[1, 2", "syntax Δεν έκλεισε η αγκύλη των δεικτών του πίνακα «Τιμές»"},
        {u"Τιμές[1, 2)", "syntax Δεν έκλεισε η αγκύλη των δεικτών του πίνακα «Τιμές»"},
        {u"Τιμές[x, 2]", "syntax Ο 1ος δείκτης του πίνακα «Τιμές» δεν είναι ακέραιος"},
        {u"Τιμές[x, 2", "syntax Ο 1ος δείκτης του πίνακα «Τιμές» δεν είναι ακέραιος"},
        {u"Τιμές[1, x]", "syntax Ο 2ος δείκτης του πίνακα «Τιμές» δεν είναι ακέραιος"},
        {u"Τιμές[1,2]", "syntax Ο 1ος δείκτης του πίνακα «Τιμές» δεν είναι ακέραιος"},  // one real index
        {u"τιμές[1, 2^2]", "Τιμές[1, 2^2]"},
        {u"Τιμές[a, b] + β[Τιμές[1, 1]]", "(Τιμές[a, b] + Β[Τιμές[1, 1]])"},
    };
    for (const auto& [keimevo, mnvuma] : periptwseis)
        EXPECT_EQ(Apotelesma(keimevo), mnvuma) << U8(keimevo);
    for (const char16_t* f : {u"Α_Μ", u"Α_Τ", u"Ε", u"ΕΦ", u"ΗΜ", u"ΛΟΓ", u"ΣΥΝ", u"τ_ρ"}) {
        const std::string ovoma = U8(KefalaiaXwrisTovous(f));
        EXPECT_EQ(Apotelesma(std::u16string(f) + u" 4"), "syntax Δεν υπάρχει αριστερή παρένθεση μετά την συνάρτηση «" + ovoma + "»");
        EXPECT_EQ(Apotelesma(std::u16string(f) + u"(x]"), "syntax Δεν υπάρχει δεξιά παρένθεση μετά την συνάρτηση «" + ovoma + "»");
    }
}

TEST_F(Sarwtns, ErrorPositionIsTheTokenTheCheckLookedAt)
{
    const std::pair<const char16_t*, std::size_t> periptwseis[] = {{u"1 + + 2", 7}, {u"(1 + 2 Γράψε", 10}, {u"a +\r\n  ψ", 10}};
    for (auto [keimevo, thesn] : periptwseis) {
        EXPECT_EQ(Apotelesma(keimevo).rfind("syntax ", 0), 0u) << U8(keimevo);
        EXPECT_EQ(lektikos_->Ar3nLe3ns(), thesn) << U8(keimevo);
    }
}

TEST_F(Sarwtns, ArrayElementsEvaluateEveryIndexThenCheckThem)
{
    // Elements of two dimensions; the one-dimensional path's bounds, rounding and low 32 bits are
    // pinned by the programs under ana8esn/.
    GraceStoixeio(*timew_, {1, 1}, TTimn::ApoAkeraio(11));
    EXPECT_EQ(Timn(u"Τιμές[a - 2, b - 3]"), "11");
    EXPECT_EQ(Timn(u"Τιμές[4294967297, 1]"), "11");  // the low 32 bits of the index
    EXPECT_EQ(Timn(u"Τιμές[2^-1, 1]"), "error Ο 1ος δείκτης του πίνακα «Τιμές» έχει τιμή «0», δηλαδή είναι εκτός διαστάσεων");
    EXPECT_EQ(Timn(u"Τιμές[9, 1 div 0]"), "error Division by zero");
    EXPECT_EQ(Timn(u"Τιμές[κενή, 1]"),
              "error Το πρόγραμμα προσπάθησε να χρησιμοποιήσει την τιμή της μεταβλητής «κενή» ενώ αυτή δεν έχει αρχικοποιηθεί");
    // A store through the parsed element converts to the array's type and is checked too.
    std::unique_ptr<TEkfrasn> b2 = Diabase(u"Β[2]", true);
    dynamic_cast<TEkfrasnMetablntns&>(*b2).GraceTimn(TTimn::ApoAkeraio(3));
    EXPECT_EQ(Diabase(u"Β[2]")->Timn().Eidos(), TTimn::tmPragmatikos);
    EXPECT_EQ(Timn(u"Β[-4294967295 - 1]"), "error Ο 1ος δείκτης του πίνακα «Β» έχει τιμή «0», δηλαδή είναι εκτός διαστάσεων");
    std::unique_ptr<TEkfrasn> b0 = Diabase(u"Β[0]", true);
    EXPECT_EQ(La8os<ELa8osEktelesns>([&] { dynamic_cast<TEkfrasnMetablntns&>(*b0).GraceTimn(TTimn::ApoAkeraio(1)); }),
              "Ο 1ος δείκτης του πίνακα «Β» έχει τιμή «0», δηλαδή είναι εκτός διαστάσεων");
    EXPECT_EQ(U8(KeimevoTimns(b_->Timn())), "(-, 3, -, -, -)");
}

TEST_F(Sarwtns, NestingDeeperThanTheLimitIsRefused)
{
    EXPECT_EQ(Apotelesma(Epanalnpsn(u"(", 1001) + u"1" + Epanalnpsn(u")", 1001)), PolloiEpipeda);
    EXPECT_EQ(Timn(Epanalnpsn(u"(", 999) + u"a" + Epanalnpsn(u")", 999)), "3");
    EXPECT_EQ(Timn(Epanalnpsn(u"-", 999) + u"a"), "-3");
    EXPECT_EQ(Timn(Epanalnpsn(u"όχι ", 999) + u"p"), "Ψευδής");
    EXPECT_EQ(Timn(Epanalnpsn(u"1^", 999) + u"1"), "1");
    // Far beyond the limit every kind of nesting fails with the message, never with the stack.
    const std::pair<const char16_t*, const char16_t*> eidn[] = {{u"(", u")"}, {u"-", u""},    {u"όχι ", u""}, {u"2^", u""},
                                                                {u"2^-", u""}, {u"Τ_Ρ(", u")"}, {u"Β[", u"]"}};
    for (auto [arxn, telos] : eidn)
        EXPECT_EQ(Apotelesma(Epanalnpsn(arxn, 100000) + (arxn[0] == u'ό' ? u"p" : u"1") + Epanalnpsn(telos, 100000)), PolloiEpipeda)
            << U8(arxn);
}
