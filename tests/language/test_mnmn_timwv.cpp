// The memory budget of values: strings and arrays count while they live, whatever makes or copies
// them; a program that would pass the budget meets a run-time error (strings) or a compile error
// that names the array, and everything it held is given back when it goes.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "Voithitika.h"

using namespace voithitika;

namespace {

constexpr std::int64_t MB = 1024 * 1024;

// Sets the budget for one test and puts the default back afterwards.
class TProswrinoOrio {
public:
    explicit TProswrinoOrio(std::int64_t bytes) { OriseOrioMnmns(bytes); }
    ~TProswrinoOrio() { OriseOrioMnmns(ArxikoOrioMnmns); }
    TProswrinoOrio(const TProswrinoOrio&) = delete;
    TProswrinoOrio& operator=(const TProswrinoOrio&) = delete;
};

// The body run with the declarations, the compile error as "KIND: MESSAGE".
TEkbasn Ektelese(const std::u16string& swma, const std::u16string& dnlwseis = u"  χαρακτήρες: s, t\r\n  ακέραιες: ι\r\n")
{
    TEkbasn e = Metaglwttise(Programma(u"Μεταβλητές\r\n" + dnlwseis, swma));
    if (!e.metaglwttistnke)
        e.mnvuma = e.eidos + ": " + e.mnvuma;
    return e;
}

const std::string Perissotern16 = "memory: Το πρόγραμμα χρειάζεται περισσότερη μνήμη από τα 16 MB που επιτρέπονται για τις τιμές του";

}  // namespace

TEST(MnmnTimwv, StringsThatWouldPassTheBudgetAreRefusedBeforeTheyAreMade)
{
    const TProswrinoOrio orio(16 * MB);
    const std::int64_t prin = MnmnTimwv();
    // Each way of making a longer string: doubling in place, a sum, appending, copies into array
    // elements, a line of output. The strings start at 16,384 characters (32 KB). A new buffer
    // counts alongside the old one it replaces, so a string doubles up to 8 MB but not to 16 MB.
    const std::u16string ar3n = u"  s ← 'ab'\r\n  Για ι από 1 μέχρι 13\r\n    s ← s + s\r\n  Τέλος_επανάληψης\r\n";
    const struct {
        std::u16string swma;
        std::string la8os;
        std::vector<std::string> e3odos;
    } periptwseis[] = {
        {ar3n + u"  Για ι από 1 μέχρι 10\r\n    s ← s + s\r\n    Γράψε ι\r\n  Τέλος_επανάληψης\r\n", Perissotern16, {"1", "2", "3", "4", "5", "6", "7", "8"}},
        {ar3n + u"  Για ι από 1 μέχρι 10\r\n    s ← '' + s + s\r\n    Γράψε ι\r\n  Τέλος_επανάληψης\r\n", Perissotern16, {"1", "2", "3", "4", "5", "6", "7", "8"}},
        {ar3n + u"  t ← s\r\n  Όσο ι > 0 επανάλαβε\r\n    s ← s + t\r\n  Τέλος_επανάληψης\r\n", Perissotern16, {}},
        {ar3n + u"  Για ι από 1 μέχρι 7\r\n    s ← s + s\r\n  Τέλος_επανάληψης\r\n  Π[1] ← s\r\n  Π[2] ← s\r\n  Γράψε 'δύο'\r\n  Π[3] ← s\r\n",
         Perissotern16, {"δύο"}},
        {ar3n + u"  Για ι από 1 μέχρι 7\r\n    s ← s + s\r\n  Τέλος_επανάληψης\r\n  Γράψε 'μία'\r\n  Γράψε s, s, s, s\r\n", Perissotern16, {"μία"}},
        // Just under the budget everything works, and a string that fits still grows.
        {ar3n + u"  Για ι από 1 μέχρι 5\r\n    s ← s + s\r\n  Τέλος_επανάληψης\r\n  t ← s + s\r\n  s ← 'τέλος'\r\n  Γράψε s\r\n", "", {"τέλος"}},
    };
    for (const auto& p : periptwseis) {
        const TEkbasn e = Ektelese(p.swma, u"  χαρακτήρες: s, t, Π[3]\r\n  ακέραιες: ι\r\n");
        ASSERT_TRUE(e.metaglwttistnke) << e.mnvuma;
        EXPECT_EQ(e.la8osEktelesns, p.la8os) << U8(p.swma);
        EXPECT_EQ(e.e3odos, p.e3odos) << U8(p.swma);
        // Whatever the program held has been given back.
        EXPECT_EQ(MnmnTimwv(), prin) << U8(p.swma);
    }
}

TEST(MnmnTimwv, ArraysThatDoNotFitAreACompileErrorThatNamesThem)
{
    const TProswrinoOrio orio(64 * MB);
    const std::int64_t prin = MnmnTimwv();
    // Each element takes 16 bytes: three arrays of 16 MB fit, four do not.
    const TEkbasn e = Ektelese(u"  Γράψε 'αρχή'\r\n", u"  ακέραιες: Α[1048576], Β[1024, 1024], Γ[1048576], Δ[1048576]\r\n");
    EXPECT_EQ(e.mnvuma,
              "Συντακτικό λάθος κατά την μεταγλώττιση του προγράμματος: Ο πίνακας «Δ» χρειάζεται περισσότερη μνήμη από όση απομένει "
              "από τα 64 MB που επιτρέπονται για τις τιμές του προγράμματος");
    EXPECT_EQ(MnmnTimwv(), prin);
    // Three fit, and their strings count with them.
    const TEkbasn tria = Ektelese(u"  Γ[1] ← 'x'\r\n  Για ι από 1 μέχρι 23\r\n    Γ[1] ← Γ[1] + Γ[1]\r\n  Τέλος_επανάληψης\r\n",
                                  u"  ακέραιες: ι, Α[1048576], Β[1024, 1024]\r\n  χαρακτήρες: Γ[1048576]\r\n");
    ASSERT_TRUE(tria.metaglwttistnke) << tria.mnvuma;
    EXPECT_EQ(tria.la8osEktelesns, "memory: Το πρόγραμμα χρειάζεται περισσότερη μνήμη από τα 64 MB που επιτρέπονται για τις τιμές του");
    EXPECT_EQ(MnmnTimwv(), prin);
}

TEST(MnmnTimwv, EveryWayOfMakingOrDroppingAValueKeepsTheCount)
{
    const std::int64_t prin = MnmnTimwv();
    {
        TTimn a = TTimn::ApoAlfari8mntiko(std::u16string(1000, u'α'));
        const std::int64_t meTo_a = MnmnTimwv();
        EXPECT_GE(meTo_a - prin, 2000);
        TTimn b = a;                                    // a copy
        b.Pros8eseAlfari8mntiko(b.Alfari8mntiko());     // appended to itself
        b.Pros8eseAlfari8mntiko(u"β");
        TTimn c;
        c = b;                                          // copied over an empty value
        c.OriseAlfari8mntiko(std::u16string(5000, u'γ'));  // a larger string moved in
        c.OriseAlfari8mntiko(std::u16string_view(u"δ"));  // a shorter one keeps the buffer
        a.OriseAlfari8mntiko(std::u16string_view(c.Alfari8mntiko()));
        TTimn pivakas = TTimn::Pivakas({10, 10});
        TTimn antigrafo = pivakas;
        TTimn metakinnsn = std::move(antigrafo);
        b.OriseAkeraio(7);                              // a string dropped for a number
        EXPECT_GT(MnmnTimwv(), meTo_a);
        EXPECT_EQ(U8(a.Alfari8mntiko()), "δ");
    }
    EXPECT_EQ(MnmnTimwv(), prin);
    {
        const TEkbasn e = Ektelese(u"  Για ι από 1 μέχρι 100\r\n    s ← s + 'ab'\r\n    t ← s + t\r\n  Τέλος_επανάληψης\r\n  Γράψε s < t\r\n",
                                   u"  χαρακτήρες: s, t\r\n  ακέραιες: ι\r\n");
        EXPECT_EQ(e.la8osEktelesns, "Το πρόγραμμα προσπάθησε να χρησιμοποιήσει την τιμή της μεταβλητής «s» ενώ αυτή δεν έχει αρχικοποιηθεί");
    }
    EXPECT_EQ(MnmnTimwv(), prin);
}
