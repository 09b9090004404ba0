// The identifier table: folded names, redeclaration, look-up, guarded reads, stores with
// conversion, index checks and reset.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/uTupoiDedomevwv.h"
#include "front/uLa8os.h"

using namespace kalmira;

namespace {

std::string U8(std::u16string_view s) { return SeUtf8(s); }

using TOria = std::vector<std::pair<std::int32_t, std::int32_t>>;

// The message of the expected kind of error that `f` raises, or a text that says what happened.
template <class E, class F>
std::string La8os(F&& f)
{
    try {
        f();
    } catch (const E& e) {
        return U8(e.Mnvuma());
    } catch (const std::exception& e) {
        return std::string("another kind of error: ") + e.what();
    }
    return "no error";
}

class Avagvwristika : public testing::Test {
protected:
    TMetablntn& Metablntn(std::u16string ovoma, TTuposDedomevwv tupos)
    {
        return static_cast<TMetablntn&>(pivakas_.Add(std::make_unique<TMetablntn>(std::move(ovoma), tupos)));
    }
    TMetablntnPivakas& Pivakas(std::u16string ovoma, TTuposDedomevwv tupos, TOria oria)
    {
        return static_cast<TMetablntnPivakas&>(pivakas_.Add(std::make_unique<TMetablntnPivakas>(std::move(ovoma), tupos, oria)));
    }
    TOvomasmevnSta8era& Sta8era(std::u16string ovoma, TTimn timn)
    {
        return static_cast<TOvomasmevnSta8era&>(pivakas_.Add(std::make_unique<TOvomasmevnSta8era>(std::move(ovoma), std::move(timn))));
    }

    TPivakasAvagvwristikwv pivakas_;
};

}  // namespace

TEST_F(Avagvwristika, NamesCompareFoldedInBothDirections)
{
    TMetablntn& alfa = Metablntn(u"Άλφα", tdAkeraios);
    TMetablntn& sofos = Metablntn(u"ΣΟΦΟΣ", tdAkeraios);
    TMetablntn& latin = Metablntn(u"Abc", tdAkeraios);
    EXPECT_EQ(&pivakas_.Find(u"αλφα"), &alfa);
    EXPECT_EQ(&pivakas_.Find(u"ΑΛΦΑ"), &alfa);
    EXPECT_EQ(&pivakas_.Find(u"άλφα"), &alfa);
    EXPECT_EQ(&pivakas_.Find(u"σοφός"), &sofos);
    EXPECT_EQ(&pivakas_.Find(u"Σόφος"), &sofos);
    EXPECT_EQ(&pivakas_.Find(u"aBC"), &latin);
    EXPECT_EQ(U8(pivakas_.Find(u"αλφα").Ovoma), "Άλφα");

    for (std::u16string ovoma : {u"ΑΛΦΑ", u"αλφα", u"αλφά"}) {
        EXPECT_EQ(La8os<ESuvtaktikoLa8os>([&] { Metablntn(ovoma, tdPragmatikos); }),
                  "Το αναγνωριστικό «" + U8(ovoma) + "» έχει ξαναδηλωθεί");
    }
    EXPECT_EQ(La8os<ESuvtaktikoLa8os>([&] { Metablntn(u"σοφος", tdAkeraios); }), "Το αναγνωριστικό «σοφος» έχει ξαναδηλωθεί");
    EXPECT_EQ(La8os<ESuvtaktikoLa8os>([&] { Metablntn(u"ABC", tdAkeraios); }), "Το αναγνωριστικό «ABC» έχει ξαναδηλωθεί");
    EXPECT_EQ(pivakas_.Stoixeia().size(), 3u);
}

TEST_F(Avagvwristika, LatinAndGreekLookAlikesAreDifferentNames)
{
    TMetablntn& latin = Metablntn(u"A", tdAkeraios);      // Latin capital A
    TMetablntn& ellnviko = Metablntn(u"Α", tdAkeraios);   // Greek capital alpha
    TMetablntn& latinEo = Metablntn(u"EO", tdAkeraios);   // Latin
    EXPECT_EQ(&pivakas_.Find(u"a"), &latin);
    EXPECT_EQ(&pivakas_.Find(u"α"), &ellnviko);
    EXPECT_EQ(&pivakas_.Find(u"eo"), &latinEo);
    EXPECT_EQ(La8os<ESuvtaktikoLa8os>([&] { pivakas_.Find(u"ΕΟ"); }), "Άγνωστο αναγνωριστικό: «ΕΟ»");  // Greek
}

TEST_F(Avagvwristika, ConstantsAndVariablesShareOneNamespace)
{
    Sta8era(u"Πλήθος", TTimn::ApoAkeraio(3));
    EXPECT_EQ(La8os<ESuvtaktikoLa8os>([&] { Metablntn(u"ΠΛΗΘΟΣ", tdAkeraios); }), "Το αναγνωριστικό «ΠΛΗΘΟΣ» έχει ξαναδηλωθεί");
    EXPECT_EQ(La8os<ESuvtaktikoLa8os>([&] { Pivakas(u"πληθος", tdAkeraios, TOria{{1, 2}}); }),
              "Το αναγνωριστικό «πληθος» έχει ξαναδηλωθεί");
    Pivakas(u"Τιμές", tdAkeraios, TOria{{1, 2}});
    EXPECT_EQ(La8os<ESuvtaktikoLa8os>([&] { Sta8era(u"τιμες", TTimn::ApoAkeraio(1)); }), "Το αναγνωριστικό «τιμες» έχει ξαναδηλωθεί");
    EXPECT_EQ(pivakas_.Stoixeia().size(), 2u);
    EXPECT_EQ(La8os<ESuvtaktikoLa8os>([&] { pivakas_.Find(u"Βήτα"); }), "Άγνωστο αναγνωριστικό: «Βήτα»");
}

TEST_F(Avagvwristika, ConstantTakesTheTagOfItsValue)
{
    EXPECT_EQ(Sta8era(u"Κ", TTimn::ApoPragmatiko(8.0)).Tupos, tdPragmatikos);
    EXPECT_EQ(Sta8era(u"Λ", TTimn::ApoAlfari8mntiko(u"x")).Tupos, tdAlfari8mntikos);
    EXPECT_EQ(Sta8era(u"Μ", TTimn::ApoLogiko(false)).Tupos, tdLogikos);
    EXPECT_EQ(Sta8era(u"Ν", TTimn::ApoAkeraio(-1)).Timn().Akeraios(), -1);
}

TEST_F(Avagvwristika, SimpleVariableReadsStoresAndResets)
{
    TMetablntn& x = Metablntn(u"Χρόνος", tdPragmatikos);
    TMetablntn& n = Metablntn(u"ν", tdAkeraios);
    TMetablntn& s = Metablntn(u"όνομα", tdAlfari8mntikos);
    EXPECT_TRUE(x.Timn().EivaiKevo());  // the unguarded read never fails
    EXPECT_EQ(La8os<ELa8osEktelesns>([&] { x.Anagvwsn(); }),
              "Το πρόγραμμα προσπάθησε να χρησιμοποιήσει την τιμή της μεταβλητής «Χρόνος» ενώ αυτή δεν έχει αρχικοποιηθεί");

    x.GraceTimn(TTimn::ApoAkeraio(3));
    ASSERT_EQ(x.Anagvwsn().Eidos(), TTimn::tmPragmatikos);
    EXPECT_EQ(x.Anagvwsn().Pragmatikos(), 3.0);
    n.GraceTimn(TTimn::ApoPragmatiko(2.5));
    ASSERT_EQ(n.Anagvwsn().Eidos(), TTimn::tmAkeraios);
    EXPECT_EQ(n.Anagvwsn().Akeraios(), 2);
    n.GraceTimn(TTimn::ApoPragmatiko(3.5));
    EXPECT_EQ(n.Anagvwsn().Akeraios(), 4);
    s.GraceTimn(TTimn::ApoAlfari8mntiko(u"Ελένη"));
    EXPECT_EQ(U8(s.Anagvwsn().Alfari8mntiko()), "Ελένη");

    pivakas_.Epavafora();
    EXPECT_TRUE(x.Timn().EivaiKevo());
    EXPECT_TRUE(s.Timn().EivaiKevo());
    EXPECT_EQ(La8os<ELa8osEktelesns>([&] { n.Anagvwsn(); }),
              "Το πρόγραμμα προσπάθησε να χρησιμοποιήσει την τιμή της μεταβλητής «ν» ενώ αυτή δεν έχει αρχικοποιηθεί");
}

TEST_F(Avagvwristika, IndexCheckNamesTheFirstOffendingDimension)
{
    TMetablntnPivakas& p = Pivakas(u"Βαθμοί", tdAkeraios, TOria{{1, 3}, {1, 4}});
    EXPECT_EQ(p.Diastaseis(), (TDeiktes{3, 4}));
    struct {
        TDeiktes deiktes;
        std::string mnvuma;
    } const periptwseis[] = {
        {{3, 5}, "Ο 2ος δείκτης του πίνακα «Βαθμοί» έχει τιμή «5», δηλαδή είναι εκτός διαστάσεων"},
        {{0, 9}, "Ο 1ος δείκτης του πίνακα «Βαθμοί» έχει τιμή «0», δηλαδή είναι εκτός διαστάσεων"},
        {{4, 0}, "Ο 1ος δείκτης του πίνακα «Βαθμοί» έχει τιμή «4», δηλαδή είναι εκτός διαστάσεων"},
        {{1, -1}, "Ο 2ος δείκτης του πίνακα «Βαθμοί» έχει τιμή «-1», δηλαδή είναι εκτός διαστάσεων"},
        {{-2147483647 - 1, 1}, "Ο 1ος δείκτης του πίνακα «Βαθμοί» έχει τιμή «-2147483648», δηλαδή είναι εκτός διαστάσεων"},
    };
    for (const auto& p8 : periptwseis) {
        EXPECT_EQ(La8os<ELa8osEktelesns>([&] { p.Stoixeio(p8.deiktes); }), p8.mnvuma);
        EXPECT_EQ(La8os<ELa8osEktelesns>([&] { p.GraceStoixeio(p8.deiktes, TTimn::ApoAkeraio(1)); }), p8.mnvuma);
    }
    EXPECT_EQ(U8(KeimevoTimns(p.Timn())), "(-, -, -, -, -, -, -, -, -, -, -, -)");  // failed stores changed nothing
}

TEST_F(Avagvwristika, ArrayElementsReadStoreAndReset)
{
    TMetablntnPivakas& p = Pivakas(u"Π", tdPragmatikos, TOria{{1, 3}, {1, 4}});
    p.GraceStoixeio({1, 1}, TTimn::ApoPragmatiko(2.5));
    p.GraceStoixeio({3, 4}, TTimn::ApoAkeraio(3));
    EXPECT_EQ(La8os<ELa8osEktelesns>([&] { p.Stoixeio({2, 2}); }),
              "Έγινε προσπάθεια να διαβαστεί στοιχείο του πίνακα «Π» χωρίς πρώτα να αρχικοποιηθεί");
    EXPECT_EQ(p.Stoixeio({1, 1}).Pragmatikos(), 2.5);
    TTimn t = p.Stoixeio({3, 4});
    ASSERT_EQ(t.Eidos(), TTimn::tmPragmatikos);
    EXPECT_EQ(t.Pragmatikos(), 3.0);

    TMetablntnPivakas& n = Pivakas(u"Ν", tdAkeraios, TOria{{1, 2}});
    n.GraceStoixeio({2}, TTimn::ApoPragmatiko(-2.5));
    ASSERT_EQ(n.Stoixeio({2}).Eidos(), TTimn::tmAkeraios);
    EXPECT_EQ(n.Stoixeio({2}).Akeraios(), -2);

    TOvomasmevnSta8era& k = Sta8era(u"Κ", TTimn::ApoAkeraio(7));
    pivakas_.Epavafora();
    EXPECT_EQ(U8(KeimevoTimns(p.Timn())), "(-, -, -, -, -, -, -, -, -, -, -, -)");
    EXPECT_EQ(p.Diastaseis(), (TDeiktes{3, 4}));
    EXPECT_EQ(La8os<ELa8osEktelesns>([&] { p.Stoixeio({1, 1}); }),
              "Έγινε προσπάθεια να διαβαστεί στοιχείο του πίνακα «Π» χωρίς πρώτα να αρχικοποιηθεί");
    EXPECT_EQ(k.Timn().Akeraios(), 7);  // constants keep their value
}
