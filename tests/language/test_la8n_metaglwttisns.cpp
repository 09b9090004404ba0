// What a failed compile leaves behind: the heading by the kind of error, the message, and the
// position that marks the line in the editor.
#include <gtest/gtest.h>

#include <string>

#include "core/uProgramma.h"
#include "front/uLa8os.h"

using namespace kalmira;

namespace {

std::string U8(std::u16string_view s) { return SeUtf8(s); }

const std::string Lektiko = "Λεκτικό λάθος κατά την μεταγλώττιση του προγράμματος";
const std::string Suvtaktiko = "Συντακτικό λάθος κατά την μεταγλώττιση του προγράμματος";
const std::string Agvwsto = "Άγνωστο εσωτερικό λάθος του διερμηνευτή της Καλμίρας κατά τη μεταγλώττιση";

struct TEkbasn {
    bool epituxia = false;
    std::string eidos, mnvuma;
    std::size_t snmeio = 0;
    std::u16string pnyh;  // what Metaglwttisn left in the source variable
    int grammn = 0;       // 1-based line of the position in that text
};

TEkbasn Metaglwttise(std::u16string pnyh)
{
    TProgramma programma([](const TEkfrasnMetablntns&, std::u16string&) {}, [](const std::u16string&) {});
    TEkbasn e;
    e.epituxia = programma.Metaglwttisn(pnyh, 80);
    e.eidos = U8(programma.EidosLa8ous);
    e.mnvuma = U8(programma.MnvumaLa8ous);
    e.snmeio = programma.SnmeioLa8ous;
    e.pnyh = pnyh;
    if (!e.epituxia && e.snmeio >= 3) {
        e.grammn = 1;
        for (std::size_t i = 0; i < e.snmeio - 3 && i < pnyh.size(); ++i)
            if (pnyh[i] == u'\n')
                ++e.grammn;
    }
    return e;
}

std::string Epafn() { return "\r\nΠαρακαλώ επικοινωνήστε με τον προγραμματιστή στο " + U8(DieuQvvsnEpikoivwvias); }

}  // namespace

TEST(La8nMetaglwttisns, ErrorInTheFirstTokenIsAtOffsetZero)
{
    TEkbasn e = Metaglwttise(u"_Πρόγραμμα Π\r\nΑρχή\r\nΤέλος_προγράμματος\r\n");
    EXPECT_FALSE(e.epituxia);
    EXPECT_EQ(e.eidos, Lektiko);
    EXPECT_EQ(e.mnvuma, "Η κάτω παύλα «_» δεν επιτρέπεται στην αρχή των αναγνωριστικών");
    EXPECT_EQ(e.snmeio, 3u);
}

TEST(La8nMetaglwttisns, OpenStringMarksItsLine)
{
    std::u16string pnyh = u"Πρόγραμμα Π\r\nΑρχή\r\n  Γράψε 'abc\r\nΤέλος_προγράμματος\r\n";
    TEkbasn e = Metaglwttise(pnyh);
    EXPECT_FALSE(e.epituxia);
    EXPECT_EQ(e.eidos, Lektiko);
    EXPECT_EQ(e.mnvuma, "Στο αλφαριθμητικό «abc» δεν έχει κλείσει το δεξί εισαγωγικό");
    EXPECT_EQ(e.snmeio, pnyh.find(u'\'') + 3);
    EXPECT_EQ(e.grammn, 3);
}

TEST(La8nMetaglwttisns, UndeclaredNameIsASyntaxErrorAtTheName)
{
    std::u16string pnyh = u"Πρόγραμμα Π\r\nΜεταβλητές\r\n  ακέραιες: χ\r\nΑρχή\r\n  χ <-- ψ + 1\r\nΤέλος_προγράμματος\r\n";
    TEkbasn e = Metaglwttise(pnyh);
    EXPECT_EQ(e.eidos, Suvtaktiko);
    EXPECT_EQ(e.mnvuma, "Άγνωστο αναγνωριστικό: «ψ»");
    EXPECT_EQ(e.pnyh.find(u"ψ") + 3, e.snmeio);
    EXPECT_EQ(e.grammn, 5);
    // A failed compile leaves the operator-normalised text.
    EXPECT_NE(e.pnyh.find(u"χ ← ψ"), std::u16string::npos);
}

TEST(La8nMetaglwttisns, TypeErrorIsReportedAtTheTokenAfterTheExpression)
{
    std::u16string pnyh = u"Πρόγραμμα Π\r\nΑρχή\r\n  Γράψε 1 + 'α'\r\nΤέλος_προγράμματος\r\n";
    TEkbasn e = Metaglwttise(pnyh);
    EXPECT_EQ(e.eidos, Suvtaktiko);
    EXPECT_EQ(e.mnvuma, "Δεν είναι δυνατή η πράξη «+» μεταξύ των τελεστέων «1» και «'α'»");
    EXPECT_EQ(e.snmeio, pnyh.find(u"Τέλος_") + 3);
    EXPECT_EQ(e.grammn, 4);
}

TEST(La8nMetaglwttisns, RunTimeErrorWhileCompilingGetsTheUnknownHeadingAndContactLine)
{
    TEkbasn e = Metaglwttise(u"Πρόγραμμα Π\r\nΜεταβλητές\r\n  ακέραιες: ν, Τ[ν]\r\nΑρχή\r\nΤέλος_προγράμματος\r\n");
    EXPECT_FALSE(e.epituxia);
    EXPECT_EQ(e.eidos, Agvwsto);
    EXPECT_EQ(e.mnvuma, "Το πρόγραμμα προσπάθησε να χρησιμοποιήσει την τιμή της μεταβλητής «ν» ενώ αυτή δεν έχει αρχικοποιηθεί" + Epafn());
    EXPECT_EQ(e.grammn, 3);

    e = Metaglwttise(u"Πρόγραμμα Π\r\nΣταθερές\r\n  Κ = 1 div 0\r\nΑρχή\r\nΤέλος_προγράμματος\r\n");
    EXPECT_EQ(e.eidos, Agvwsto);
    EXPECT_EQ(e.mnvuma, "Division by zero" + Epafn());

    e = Metaglwttise(u"Πρόγραμμα Π\r\nΣταθερές\r\n  Κ = Τ_Ρ(-1)\r\nΑρχή\r\nΤέλος_προγράμματος\r\n");
    EXPECT_EQ(e.eidos, Agvwsto);
    EXPECT_EQ(e.mnvuma, "Invalid floating point operation" + Epafn());
}

TEST(La8nMetaglwttisns, ConstantsAreTypedByTheirValue)
{
    // 2^3 is integer-typed but its value is the real 8, so the constant is real.
    TEkbasn e = Metaglwttise(u"Πρόγραμμα Π\r\nΣταθερές\r\n  Κ = 2^3\r\nΜεταβλητές\r\n  ακέραιες: ν\r\nΑρχή\r\n  ν <-- Κ div 2\r\n"
                             u"Τέλος_προγράμματος\r\n");
    EXPECT_EQ(e.eidos, Suvtaktiko);
    EXPECT_EQ(e.mnvuma, "Δεν είναι δυνατή η πράξη «div» μεταξύ των τελεστέων «Κ» και «2»");
}

TEST(La8nMetaglwttisns, RedeclarationAcrossSectionsWithFolding)
{
    std::u16string pnyh = u"Πρόγραμμα Π\r\nΣταθερές\r\n  Άλφα = 1\r\nΜεταβλητές\r\n  ακέραιες: β, ΑΛΦΑ, γ\r\nΑρχή\r\nΤέλος_προγράμματος\r\n";
    TEkbasn e = Metaglwttise(pnyh);
    EXPECT_EQ(e.eidos, Suvtaktiko);
    EXPECT_EQ(e.mnvuma, "Το αναγνωριστικό «ΑΛΦΑ» έχει ξαναδηλωθεί");
    EXPECT_EQ(e.snmeio, pnyh.find(u", γ") + 3);  // the token after the name
    EXPECT_EQ(e.grammn, 5);
}

TEST(La8nMetaglwttisns, LexicalErrorAfterTheEndIsStillReported)
{
    std::u16string pnyh = u"Πρόγραμμα Π\r\nΑρχή\r\nΤέλος_προγράμματος\r\n#";
    TEkbasn e = Metaglwttise(pnyh);
    EXPECT_EQ(e.eidos, Lektiko);
    EXPECT_EQ(e.mnvuma, "Ο χαρακτήρας «#» δεν είναι αποδεκτός χαρακτήρας της Καλμίρας");
    EXPECT_EQ(e.snmeio, pnyh.size() - 1 + 3);
}

TEST(La8nMetaglwttisns, MissingExpressionQuotesWhatStandsInItsPlace)
{
    TEkbasn e = Metaglwttise(u"Πρόγραμμα Π\r\nΑρχή\r\n  Γράψε\r\nΤέλος_προγράμματος\r\n");
    EXPECT_EQ(e.eidos, Suvtaktiko);
    EXPECT_EQ(e.mnvuma, "Λάθος στοιχείο «Τέλος_προγράμματος» κατά το διάβασμα έκφρασης");
    EXPECT_EQ(e.grammn, 4);

    e = Metaglwttise(u"Πρόγραμμα Π\r\nΑρχή\r\n  Γράψε 1 +");
    EXPECT_EQ(e.eidos, Suvtaktiko);
    EXPECT_EQ(e.mnvuma, "Λάθος στοιχείο «» κατά το διάβασμα έκφρασης");
}
