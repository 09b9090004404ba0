// The identifier table: folded names, redeclaration, look-up, guarded reads, stores with
// conversion, index checks and reset.
#include <gtest/gtest.h>

#include <string>

#include "Voithitika.h"

using namespace voithitika;

namespace {

std::string Ksava(const std::string& ovoma) { return "Το αναγνωριστικό «" + ovoma + "» έχει ξαναδηλωθεί"; }
std::string XwrisTimn(const std::string& ovoma)
{
    return "Το πρόγραμμα προσπάθησε να χρησιμοποιήσει την τιμή της μεταβλητής «" + ovoma + "» ενώ αυτή δεν έχει αρχικοποιηθεί";
}
const std::string XwrisStoixeio = "Έγινε προσπάθεια να διαβαστεί στοιχείο του πίνακα «Π» χωρίς πρώτα να αρχικοποιηθεί";

}  // namespace

TEST(Avagvwristika, NamesCompareFoldedInBothDirectionsAcrossKindsButNotAcrossScripts)
{
    TPivakasAvagvwristikwv p;
    TMetablntn& alfa = Metablntn(p, u"Άλφα", tdAkeraios);
    TMetablntn& sofos = Metablntn(p, u"ΣΟΦΟΣ", tdAkeraios);
    TMetablntn& latin = Metablntn(p, u"Abc", tdAkeraios);
    for (const char16_t* ovoma : {u"αλφα", u"ΑΛΦΑ", u"άλφα"})
        EXPECT_EQ(&p.Find(ovoma), &alfa) << U8(ovoma);
    EXPECT_EQ(&p.Find(u"σοφός"), &sofos);
    EXPECT_EQ(&p.Find(u"Σόφος"), &sofos);
    EXPECT_EQ(&p.Find(u"aBC"), &latin);
    EXPECT_EQ(U8(p.Find(u"αλφα").Ovoma), "Άλφα");

    for (std::u16string ovoma : {u"ΑΛΦΑ", u"αλφα", u"αλφά", u"σοφος", u"ABC"})
        EXPECT_EQ(La8os<ESuvtaktikoLa8os>([&] { Metablntn(p, ovoma, tdPragmatikos); }), Ksava(U8(ovoma)));
    // Constants, variables and arrays share one namespace.
    Sta8era(p, u"Πλήθος", TTimn::ApoAkeraio(3));
    Pivakas(p, u"Τιμές", tdAkeraios, TOria{{1, 2}});
    EXPECT_EQ(La8os<ESuvtaktikoLa8os>([&] { Pivakas(p, u"πληθος", tdAkeraios, TOria{{1, 2}}); }), Ksava("πληθος"));
    EXPECT_EQ(La8os<ESuvtaktikoLa8os>([&] { Sta8era(p, u"τιμες", TTimn::ApoAkeraio(1)); }), Ksava("τιμες"));
    EXPECT_EQ(p.Stoixeia().size(), 5u);
    EXPECT_EQ(La8os<ESuvtaktikoLa8os>([&] { p.Find(u"Βήτα"); }), "Άγνωστο αναγνωριστικό: «Βήτα»");

    // Latin and Greek look-alikes are different names.
    TMetablntn& latinA = Metablntn(p, u"A", tdAkeraios);     // Latin capital A
    TMetablntn& ellnvikoA = Metablntn(p, u"Α", tdAkeraios);  // Greek capital alpha
    TMetablntn& latinEo = Metablntn(p, u"EO", tdAkeraios);   // Latin
    EXPECT_EQ(&p.Find(u"a"), &latinA);
    EXPECT_EQ(&p.Find(u"α"), &ellnvikoA);
    EXPECT_EQ(&p.Find(u"eo"), &latinEo);
    EXPECT_EQ(La8os<ESuvtaktikoLa8os>([&] { p.Find(u"ΕΟ"); }), "Άγνωστο αναγνωριστικό: «ΕΟ»");  // Greek
}

TEST(Avagvwristika, SimpleVariableReadsStoresAndResets)
{
    TPivakasAvagvwristikwv p;
    TMetablntn& x = Metablntn(p, u"Χρόνος", tdPragmatikos);
    TMetablntn& n = Metablntn(p, u"ν", tdAkeraios);
    TMetablntn& s = Metablntn(p, u"όνομα", tdAlfari8mntikos);
    EXPECT_TRUE(x.Timn().EivaiKevo());  // the unguarded read never fails
    EXPECT_EQ(La8os<ELa8osEktelesns>([&] { x.Anagvwsn(); }), XwrisTimn("Χρόνος"));

    GraceTimn(x, TTimn::ApoAkeraio(3));
    ASSERT_EQ(x.Anagvwsn().Eidos(), TTimn::tmPragmatikos);
    EXPECT_EQ(x.Anagvwsn().Pragmatikos(), 3.0);
    GraceTimn(n, TTimn::ApoPragmatiko(2.5));
    ASSERT_EQ(n.Anagvwsn().Eidos(), TTimn::tmAkeraios);
    EXPECT_EQ(n.Anagvwsn().Akeraios(), 2);
    GraceTimn(n, TTimn::ApoPragmatiko(3.5));
    EXPECT_EQ(n.Anagvwsn().Akeraios(), 4);
    GraceTimn(s, TTimn::ApoAlfari8mntiko(u"Ελένη"));
    EXPECT_EQ(U8(s.Anagvwsn().Alfari8mntiko()), "Ελένη");

    p.AdeiasmaMetablntwv();
    EXPECT_TRUE(x.Timn().EivaiKevo());
    EXPECT_TRUE(s.Timn().EivaiKevo());
    EXPECT_EQ(La8os<ELa8osEktelesns>([&] { n.Anagvwsn(); }), XwrisTimn("ν"));
}

TEST(Avagvwristika, IndexCheckNamesTheFirstOffendingDimension)
{
    TPivakasAvagvwristikwv pivakas;
    TMetablntnPivakas& p = Pivakas(pivakas, u"Βαθμοί", tdAkeraios, TOria{{1, 3}, {1, 4}});
    EXPECT_EQ(p.Periexomevo.Pivakas().AnwOria(), (TDeiktes{3, 4}));
    const std::pair<TDeiktes, std::string> periptwseis[] = {
        {{3, 5}, "Ο 2ος δείκτης του πίνακα «Βαθμοί» έχει τιμή «5», δηλαδή είναι εκτός διαστάσεων"},
        {{0, 9}, "Ο 1ος δείκτης του πίνακα «Βαθμοί» έχει τιμή «0», δηλαδή είναι εκτός διαστάσεων"},
        {{4, 0}, "Ο 1ος δείκτης του πίνακα «Βαθμοί» έχει τιμή «4», δηλαδή είναι εκτός διαστάσεων"},
        {{1, -1}, "Ο 2ος δείκτης του πίνακα «Βαθμοί» έχει τιμή «-1», δηλαδή είναι εκτός διαστάσεων"},
        {{-2147483647 - 1, 1}, "Ο 1ος δείκτης του πίνακα «Βαθμοί» έχει τιμή «-2147483648», δηλαδή είναι εκτός διαστάσεων"},
    };
    for (const auto& [deiktes, mnvuma] : periptwseis) {
        EXPECT_EQ(La8os<ELa8osEktelesns>([&] { Stoixeio(p, deiktes); }), mnvuma);
        EXPECT_EQ(La8os<ELa8osEktelesns>([&] { GraceStoixeio(p, deiktes, TTimn::ApoAkeraio(1)); }), mnvuma);
    }
    EXPECT_EQ(U8(KeimevoTimns(p.Timn())), "(-, -, -, -, -, -, -, -, -, -, -, -)");  // failed stores changed nothing
}

TEST(Avagvwristika, ArrayElementsReadStoreAndReset)
{
    TPivakasAvagvwristikwv pivakas;
    TMetablntnPivakas& p = Pivakas(pivakas, u"Π", tdPragmatikos, TOria{{1, 3}, {1, 4}});
    GraceStoixeio(p, {1, 1}, TTimn::ApoPragmatiko(2.5));
    GraceStoixeio(p, {3, 4}, TTimn::ApoAkeraio(3));
    EXPECT_EQ(La8os<ELa8osEktelesns>([&] { Stoixeio(p, {2, 2}); }), XwrisStoixeio);
    EXPECT_EQ(Stoixeio(p, {1, 1}).Pragmatikos(), 2.5);
    ASSERT_EQ(Stoixeio(p, {3, 4}).Eidos(), TTimn::tmPragmatikos);
    EXPECT_EQ(Stoixeio(p, {3, 4}).Pragmatikos(), 3.0);

    TMetablntnPivakas& n = Pivakas(pivakas, u"Ν", tdAkeraios, TOria{{1, 2}});
    GraceStoixeio(n, {2}, TTimn::ApoPragmatiko(-2.5));
    ASSERT_EQ(Stoixeio(n, {2}).Eidos(), TTimn::tmAkeraios);
    EXPECT_EQ(Stoixeio(n, {2}).Akeraios(), -2);

    TOvomasmevnSta8era& k = Sta8era(pivakas, u"Κ", TTimn::ApoAkeraio(7));
    pivakas.AdeiasmaMetablntwv();
    EXPECT_EQ(U8(KeimevoTimns(p.Timn())), "(-, -, -, -, -, -, -, -, -, -, -, -)");
    EXPECT_EQ(p.Periexomevo.Pivakas().AnwOria(), (TDeiktes{3, 4}));
    EXPECT_EQ(La8os<ELa8osEktelesns>([&] { Stoixeio(p, {1, 1}); }), XwrisStoixeio);
    EXPECT_EQ(k.Timn().Akeraios(), 7);  // constants keep their value
    EXPECT_EQ(Sta8era(pivakas, u"Λ", TTimn::ApoPragmatiko(8.0)).Tupos, tdPragmatikos);  // and take the type of their value
}
