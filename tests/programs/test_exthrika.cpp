// Hostile inputs through the kalmira-cli program: files that are no program or too large, invalid
// UTF-16, programs built to exhaust the compile (long expressions, deep nesting) or the memory
// (huge arrays, strings doubled without end), and numbers at and beyond the limits of input. Each
// must end with its result or a Greek message and the documented exit code, well under 1 GB of
// memory (the peak of the child process, which the sanitizer builds do not measure).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Voithitika.h"

using namespace voithitika;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool MetraiMnmn = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool MetraiMnmn = false;
#else
constexpr bool MetraiMnmn = true;
#endif
#else
constexpr bool MetraiMnmn = true;
#endif

// Under 1 GB, in the kilobytes that getrusage counts.
constexpr long OrioMnmnsKB = 1000 * 1000;

class Exthrika : public testing::Test {
protected:
    // Runs `kalmira-cli ENTOLH FILE` on the bytes with the input.
    TApotelesma Ektelese(const std::string& entoln, const std::string& bytes, const std::string& eisodos = {})
    {
        arxeio_ = fakelos_.Arxeio("programma-" + std::to_string(++metrntns_) + ".txt", bytes);
        return EkteleseCli(fakelos_, {entoln, arxeio_}, eisodos);
    }

    // The checks every hostile input must pass: the exit code, standard output and error (FILE
    // stands for the file's path), and the memory.
    void Elegxe(const TApotelesma& e, int kwdikos, const std::string& e3odos, const std::string& la8n)
    {
        EXPECT_EQ(e.kwdikos, kwdikos);
        EXPECT_EQ(e.e3odos, e3odos);
        EXPECT_EQ(e.la8n, MeDiadromn(la8n, arxeio_));
        if (MetraiMnmn) {
            EXPECT_LT(e.mnmnKB, OrioMnmnsKB) << "peak memory in KB";
        }
    }

    TProswrinosFakelos fakelos_;
    std::string arxeio_;
    int metrntns_ = 0;
};

std::string Epanalnpsn(const std::string& s, int n)
{
    std::string r;
    r.reserve(s.size() * static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        r += s;
    return r;
}

// A program with the variables used below.
std::string Programma(const std::string& swma)
{
    return "Πρόγραμμα Π\nΜεταβλητές\n  ακέραιες: α, ι\n  πραγματικές: ρ\n  χαρακτήρες: s\nΑρχή\n" + swma + "Τέλος_προγράμματος\n";
}

std::string Utf16(const std::u16string& keimevo)
{
    std::string bytes = "\xFF\xFE";
    for (char16_t c : keimevo) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

const std::string Suvtaktiko = "Συντακτικό λάθος κατά την μεταγλώττιση του προγράμματος\n";
const std::string Sfalma = ": Σφάλμα εκτέλεσης - η εκτέλεση του προγράμματος τερματίστηκε\n";

}  // namespace

TEST_F(Exthrika, FilesThatAreNoProgram)
{
    Elegxe(Ektelese("check", ""), 1, "", "FILE:1:1: " + Suvtaktiko + "Περίμενα τη δεσμευμένη λέξη «πρόγραμμα» και βρήκα «-»\n");
    Elegxe(Ektelese("run", std::string(1 << 20, '\0')), 4, "",
           "kalmira-cli: Δεν μπόρεσα να ανοίξω το αρχείο «FILE»: δεν είναι αρχείο κειμένου\n");
    // Above 8 MB a file is refused before it is read whole.
    Elegxe(Ektelese("check", Programma("") + std::string(8 << 20, ' ')), 4, "",
           "kalmira-cli: Δεν μπόρεσα να ανοίξω το αρχείο «FILE»: το μέγεθός του ξεπερνά τα 8 MB, το όριο για ένα πρόγραμμα\n");
}

TEST_F(Exthrika, InvalidUtf16)
{
    // A lone surrogate inside a string is written out as the replacement character; outside one
    // it is no character of the language. An odd last byte is dropped.
    const std::u16string arxn = u"Πρόγραμμα Π\r\nΑρχή\r\n  Γράψε '", telos = u"'\r\nΤέλος_προγράμματος\r\n";
    Elegxe(Ektelese("run", Utf16(arxn + u'\xD800' + telos)), 0, "\xEF\xBF\xBD\n", "");
    Elegxe(Ektelese("run", Utf16(u"Πρόγραμμα Π\r\nΑρχή\r\n  Γράψε \xDC00\r\nΤέλος_προγράμματος\r\n")), 1, "",
           "FILE:3:9: Λεκτικό λάθος κατά την μεταγλώττιση του προγράμματος\n"
           "Ο χαρακτήρας «\xEF\xBF\xBD» δεν είναι αποδεκτός χαρακτήρας της Καλμίρας\n");
    Elegxe(Ektelese("run", Utf16(arxn + u"α" + telos) + "A"), 0, "α\n", "");
}

TEST_F(Exthrika, AFiveMegabyteProgram)
{
    const std::string grammn = "  α <-- α + 1\n";
    const int plnr8os = (5 << 20) / static_cast<int>(grammn.size());
    Elegxe(Ektelese("run", Programma("  α <-- 0\n" + Epanalnpsn(grammn, plnr8os) + "  Γράψε α\n")), 0, std::to_string(plnr8os) + "\n", "");
}

TEST_F(Exthrika, LongAndDeepExpressions)
{
    Elegxe(Ektelese("run", Programma("  α <-- 1" + Epanalnpsn("+1", 99999) + "\n  Γράψε α\n")), 0, "100000\n", "");
    Elegxe(Ektelese("run", Programma("  α <-- " + std::string(100000, '(') + "1" + std::string(100000, ')') + "\n")), 1, "",
           "FILE:7:1007: " + Suvtaktiko + "Η έκφραση έχει πάρα πολλά εμφωλευμένα επίπεδα\n");
    // A sum of 200,000 strings is built once.
    Elegxe(Ektelese("run", Programma("  s <-- 'ab'" + Epanalnpsn(" + 'ab'", 199999) + "\n  Γράψε s\n")), 0, Epanalnpsn("ab", 200000) + "\n", "");
}

TEST_F(Exthrika, TwentyThousandNestedIfs)
{
    Elegxe(Ektelese("check", Programma("  α <-- 1\n" + Epanalnpsn("  Αν α = 1 τότε\n", 20000) + "  Γράψε α\n" + Epanalnpsn("  Τέλος_αν\n", 20000))),
           1, "", "FILE:107:3: " + Suvtaktiko + "Το πρόγραμμα έχει πάρα πολλά εμφωλευμένα επίπεδα εντολών\n");
}

TEST_F(Exthrika, TenOfTheLargestArrays)
{
    std::string pivakes;
    for (int i = 0; i < 10; ++i)
        pivakes += (i > 0 ? ", Π" : "Π") + std::to_string(i) + "[16777216]";
    const std::string programma = "Πρόγραμμα Π\nΜεταβλητές\n  ακέραιες: " + pivakes + "\nΑρχή\n  Π0[1] <-- 1\n  Γράψε Π0[1]\nΤέλος_προγράμματος\n";
    Elegxe(Ektelese("run", programma), 1, "",
           "FILE:3:66: " + Suvtaktiko +
               "Ο πίνακας «Π3» χρειάζεται περισσότερη μνήμη από όση απομένει από τα 1024 MB που επιτρέπονται για τις τιμές του προγράμματος\n");
}

TEST_F(Exthrika, StringsDoubled)
{
    // Past ten million characters, then without end.
    Elegxe(Ektelese("run", Programma("  s <-- 'ab'\n  ι <-- 2\n  Όσο ι < 10000000 επανάλαβε\n    s <-- s + s\n    ι <-- ι * 2\n"
                                     "  Τέλος_επανάληψης\n  Γράψε ι\n")),
           0, "16777216\n", "");
    Elegxe(Ektelese("run", Programma("  s <-- 'ab'\n  Όσο 1 = 1 επανάλαβε\n    s <-- s + s\n  Τέλος_επανάληψης\n")), 2,
           "Σφάλμα εκτέλεσης!\nΤο πρόγραμμα χρειάζεται περισσότερη μνήμη από τα 1024 MB που επιτρέπονται για τις τιμές του\n", "FILE:9" + Sfalma);
}

TEST_F(Exthrika, NumbersAtAndBeyondTheLimitsOfInput)
{
    const std::string akeraios = Programma("  Διάβασε α\n  Γράψε α\n"), pragmatikos = Programma("  Διάβασε ρ\n  Γράψε ρ\n");
    for (const char* timn : {"2147483647", "-2147483648"})
        Elegxe(Ektelese("run", akeraios, std::string(timn) + "\n"), 0, std::string(timn) + "\n" + timn + "\n", "");
    for (const std::string& timn : {std::string("2147483648"), std::string("-2147483649"), std::string("9223372036854775808"), std::string(400, '9')})
        Elegxe(Ektelese("run", akeraios, timn + "\n"), 2,
               timn + "\nΣφάλμα εκτέλεσης!\nΤο πρόγραμμα ήθελε να διαβάσει την ακέραια μεταβλητή «α» αλλά εσύ έδωσες «" + timn + "»\n",
               "FILE:7" + Sfalma);
    for (const std::string& timn : {std::string(400, '9'), std::string("1e9223372036854775807"), std::string("-1e+99999999999999999999")})
        Elegxe(Ektelese("run", pragmatikos, timn + "\n"), 2,
               timn + "\nΣφάλμα εκτέλεσης!\nΠολύ μεγάλος αριθμός για να χωρέσει σε πραγματική μεταβλητή: «" + timn + "»\n", "FILE:7" + Sfalma);
    for (const std::string& timn : {"0," + std::string(399, '0') + "1", std::string("0,01e-9223372036854775808"), std::string("1e-9223372036854775809")})
        Elegxe(Ektelese("run", pragmatikos, timn + "\n"), 0, timn + "\n0\n", "");
}
