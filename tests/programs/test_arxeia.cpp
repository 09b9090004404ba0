// Program files: what the workbench writes reads back unchanged, and what other editors wrote
// reads as the text its author saw.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include "workbench/uArxeiaProgrammatos.h"

namespace kalmira {
namespace {

TEST(ArxeiaProgrammatos, GrafontaiWsUtf16MeBomKaiDiabazovtaiIdia)
{
    QTemporaryDir fakelos;
    ASSERT_TRUE(fakelos.isValid());
    const QString diadromn = fakelos.filePath(QStringLiteral("Άσκηση1.καλμίρα"));
    const QStringList grammes{QStringLiteral("Πρόγραμμα Άσκηση1"), QStringLiteral("Αρχή"), QStringLiteral("  Γράψε 'α ← β ≠ γ'"),
                              QString(), QStringLiteral("Τέλος_προγράμματος")};
    QString la8os;
    ASSERT_TRUE(GrapseArxeioProgrammatos(diadromn, grammes, la8os)) << la8os.toStdString();

    QFile arxeio(diadromn);
    ASSERT_TRUE(arxeio.open(QIODevice::ReadOnly));
    const QByteArray bytes = arxeio.readAll();
    ASSERT_GE(bytes.size(), 2);
    EXPECT_EQ(bytes.left(2), QByteArray("\xFF\xFE", 2));
    EXPECT_EQ(bytes.right(4), QByteArray("\r\0\n\0", 4));  // the last line ends in CR LF too
    EXPECT_EQ(bytes.size(), 2 + 2 * (grammes.join(QString()).size() + 2 * grammes.size()));

    QString keimevo;
    ASSERT_TRUE(DiabaseArxeioProgrammatos(diadromn, keimevo, la8os));
    EXPECT_EQ(GrammesKeimevou(keimevo), grammes);
}

TEST(ArxeiaProgrammatos, AllesKwdikopoinseis)
{
    const QString anamevomeno = QStringLiteral("Αρχή\r\nΓράψε 'ή'\r\n");
    // UTF-16 big-endian with its byte-order mark.
    QByteArray be("\xFE\xFF", 2);
    for (QChar c : QStringLiteral("Αρχή\nΓράψε 'ή'\n"))
        be += static_cast<char>(c.unicode() >> 8), be += static_cast<char>(c.unicode() & 0xFF);
    EXPECT_EQ(AposkwdikopoinsnProgrammatos(be), anamevomeno);
    // UTF-8, with a byte-order mark and old Mac line ends.
    EXPECT_EQ(AposkwdikopoinsnProgrammatos(QByteArray("\xEF\xBB\xBF") + QStringLiteral("Αρχή\rΓράψε 'ή'\r").toUtf8()), anamevomeno);
    // Bytes that are not UTF-8 are the Greek code page of older editors: Α ρ χ ή in Windows-1253.
    EXPECT_EQ(AposkwdikopoinsnProgrammatos(QByteArray("\xC1\xF1\xF7\xDE\r\n")), QStringLiteral("Αρχή\r\n"));
}

TEST(ArxeiaProgrammatos, Utf8MovoOtavEivaiKalosSxnmatismeno)
{
    auto keimevo = [](std::string_view bytes) { return AposkwdikopoinsnProgrammatos(bytes); };
    // Well-formed UTF-8 reads as such, noncharacters and characters beyond the BMP included; its
    // byte-order mark is dropped, and so is a second one right after it.
    EXPECT_EQ(keimevo("\xCE\xB1\xEF\xBF\xBE\xEF\xB7\x90\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF"), u"α\uFFFE\uFDD0😀\U0010FFFF");
    EXPECT_EQ(keimevo("\xEF\xBB\xBF\xEF\xBB\xBF\xCE\xB1\xEF\xBB\xBF"), u"α\uFEFF");
    // One byte that breaks it sends the whole file to the Greek code page: an overlong form, a
    // surrogate, a value past U+10FFFF, a sequence cut short, a lone continuation byte.
    EXPECT_EQ(keimevo("\xCE\xB1\xC0\x80"), u"Ξ±ΐ€");
    EXPECT_EQ(keimevo("\xE0\x80\xB1"), u"ΰ€±");
    EXPECT_EQ(keimevo("\xED\xA0\x80"), u"ν\u00A0€");
    EXPECT_EQ(keimevo("\xF4\x90\x80\x80"), u"τ\uFFFD€€");  // 0x90 is none of the code page's
    EXPECT_EQ(keimevo("\xCE\xB1\xCE"), u"Ξ±Ξ");
    EXPECT_EQ(keimevo("\xB1"), u"±");
    // The code page's mark survives a file that is not UTF-8.
    EXPECT_EQ(keimevo("\xEF\xBB\xBF\xC1\r"), u"Α\r\n");
}

QByteArray DiabaseBytes(const QString& diadromn)
{
    QFile arxeio(diadromn);
    return arxeio.open(QIODevice::ReadOnly) ? arxeio.readAll() : QByteArray();
}

void GrapseBytes(const QString& diadromn, const QByteArray& bytes)
{
    QFile arxeio(diadromn);
    ASSERT_TRUE(arxeio.open(QIODevice::WriteOnly));
    ASSERT_EQ(arxeio.write(bytes), bytes.size());
}

// Limits the size of the files this process may write, so that a write past it fails half way;
// the limit holds for root too. The old limit comes back at the end of the scope.
class TOrioArxeiou {
public:
    explicit TOrioArxeiou(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &palio_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit veo = palio_;
        veo.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &veo);
    }
    ~TOrioArxeiou()
    {
        setrlimit(RLIMIT_FSIZE, &palio_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit palio_{};
    void (*previous_)(int) = nullptr;
};

}  // namespace

TEST(ArxeiaProgrammatos, KwdikoselidaEllnvikwvDiabazetaiAkeraia)
{
    // Every Greek letter of Windows-1253, accented and with dialytika, as an older editor saved it.
    QByteArray bytes;
    for (int b = 0xB8; b <= 0xFE; ++b)
        if (b != 0xBB && b != 0xBD && b != 0xD2)
            bytes += static_cast<char>(b);
    bytes += "\r\n";
    QTemporaryDir fakelos;
    const QString diadromn = fakelos.filePath(QStringLiteral("ansi.txt"));
    GrapseBytes(diadromn, bytes);
    QString keimevo, la8os;
    ASSERT_TRUE(DiabaseArxeioProgrammatos(diadromn, keimevo, la8os)) << la8os.toStdString();
    EXPECT_EQ(keimevo, QStringLiteral("ΈΉΊΌΎΏΐΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩΪΫάέήίΰαβγδεζηθικλμνξοπρςστυφχψωϊϋόύώ\r\n"));
}

TEST(ArxeiaProgrammatos, AposutnmevnAp08nkeusnAfnveiToPalioArxeio)
{
    QTemporaryDir fakelos;
    const QString diadromn = fakelos.filePath(QStringLiteral("Άσκηση.καλμίρα"));
    QString la8os;
    ASSERT_TRUE(GrapseArxeioProgrammatos(diadromn, {QStringLiteral("Πρόγραμμα Παλιό")}, la8os));
    const QByteArray palio = DiabaseBytes(diadromn);

    // The disk fills half way through the new text.
    const QStringList megales(500, QStringLiteral("Γράψε 'μια μεγάλη γραμμή που δεν χωράει'"));
    bool grafike = true;
    {
        TOrioArxeiou orio(static_cast<rlim_t>(palio.size() + 64));
        grafike = GrapseArxeioProgrammatos(diadromn, megales, la8os);
    }
    EXPECT_FALSE(grafike);
    EXPECT_EQ(DiabaseBytes(diadromn), palio);
    EXPECT_TRUE(la8os.startsWith(QStringLiteral("Δεν μπόρεσα να αποθηκεύσω το αρχείο «") + diadromn + QStringLiteral("»: "))) << la8os.toStdString();
    EXPECT_FALSE(la8os.contains(QStringLiteral("rror")));
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(fakelos.path()).entryList(QDir::Files), QStringList{QStringLiteral("Άσκηση.καλμίρα")});

    // A folder that does not exist, and a name taken by a folder.
    const QString xwrisFakelo = fakelos.filePath(QStringLiteral("λείπει/Άσκηση.καλμίρα"));
    EXPECT_FALSE(GrapseArxeioProgrammatos(xwrisFakelo, {QStringLiteral("x")}, la8os));
    EXPECT_EQ(la8os, QStringLiteral("Δεν μπόρεσα να αποθηκεύσω το αρχείο «%1»: ο φάκελος «%2» δεν υπάρχει")
                         .arg(xwrisFakelo, QDir::toNativeSeparators(fakelos.filePath(QStringLiteral("λείπει")))));
    ASSERT_TRUE(QDir(fakelos.path()).mkdir(QStringLiteral("φάκελος")));
    EXPECT_FALSE(GrapseArxeioProgrammatos(fakelos.filePath(QStringLiteral("φάκελος")), {QStringLiteral("x")}, la8os));
    EXPECT_TRUE(la8os.endsWith(QStringLiteral("υπάρχει φάκελος με αυτό το όνομα")));

    // A read-only file and a read-only folder keep what they hold (root may write anyway).
    if (geteuid() != 0) {
        QFile::setPermissions(diadromn, QFileDevice::ReadOwner);
        EXPECT_FALSE(GrapseArxeioProgrammatos(diadromn, {QStringLiteral("x")}, la8os));
        EXPECT_TRUE(la8os.endsWith(QStringLiteral("το αρχείο επιτρέπει μόνο ανάγνωση")));
        EXPECT_EQ(DiabaseBytes(diadromn), palio);
        QFile::setPermissions(diadromn, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QFile::setPermissions(fakelos.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        EXPECT_FALSE(GrapseArxeioProgrammatos(diadromn, {QStringLiteral("x")}, la8os));
        EXPECT_TRUE(la8os.contains(QStringLiteral("δεν επιτρέπεται η εγγραφή στον φάκελο")));
        EXPECT_EQ(DiabaseBytes(diadromn), palio);
        QFile::setPermissions(fakelos.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
}

TEST(ArxeiaProgrammatos, MegalaKaiDuadikaArxeiaDevAvoigouv)
{
    QTemporaryDir fakelos;
    QString keimevo = QStringLiteral("αμετάβλητο"), la8os;

    const QString megalo = fakelos.filePath(QStringLiteral("μεγάλο.txt"));
    GrapseBytes(megalo, QByteArray(MegistoMegethosProgrammatos + 1, 'a'));
    EXPECT_FALSE(DiabaseArxeioProgrammatos(megalo, keimevo, la8os));
    EXPECT_EQ(la8os, QStringLiteral("Δεν μπόρεσα να ανοίξω το αρχείο «%1»: το μέγεθός του ξεπερνά τα 8 MB, το όριο για ένα πρόγραμμα").arg(megalo));
    EXPECT_EQ(keimevo, QStringLiteral("αμετάβλητο"));
    // Right at the limit it is still read.
    QFile::resize(megalo, MegistoMegethosProgrammatos);
    ASSERT_TRUE(DiabaseArxeioProgrammatos(megalo, keimevo, la8os));
    EXPECT_EQ(keimevo.size(), MegistoMegethosProgrammatos);

    // A NUL byte in an 8-bit file, a NUL character in UTF-16 of either byte order.
    keimevo = QStringLiteral("αμετάβλητο");
    const QString duadiko = fakelos.filePath(QStringLiteral("εικόνα.png"));
    for (const QByteArray& bytes : {QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), QByteArray("\xFF\xFE\x41\x00\x00\x00", 6),
                                    QByteArray("\xFE\xFF\x00\x41\x00\x00", 6)}) {
        GrapseBytes(duadiko, bytes);
        EXPECT_FALSE(DiabaseArxeioProgrammatos(duadiko, keimevo, la8os)) << bytes.toHex().toStdString();
        EXPECT_EQ(la8os, QStringLiteral("Δεν μπόρεσα να ανοίξω το αρχείο «%1»: δεν είναι αρχείο κειμένου").arg(duadiko));
    }
    EXPECT_EQ(keimevo, QStringLiteral("αμετάβλητο"));
    // UTF-16 text is full of NUL bytes, and Ā (U+0100) is a NUL byte followed by 1.
    GrapseBytes(duadiko, QByteArray("\xFF\xFE\x41\x00\x00\x01", 6));
    ASSERT_TRUE(DiabaseArxeioProgrammatos(duadiko, keimevo, la8os));
    EXPECT_EQ(keimevo, QStringLiteral("AĀ"));

    // A folder, and a file that is not there.
    EXPECT_FALSE(DiabaseArxeioProgrammatos(fakelos.path(), keimevo, la8os));
    EXPECT_TRUE(la8os.endsWith(QStringLiteral("είναι φάκελος, όχι αρχείο")));
    EXPECT_FALSE(DiabaseArxeioProgrammatos(fakelos.filePath(QStringLiteral("λείπει.καλμίρα")), keimevo, la8os));
    EXPECT_TRUE(la8os.contains(QStringLiteral("λείπει.καλμίρα")) && la8os.endsWith(QStringLiteral("το αρχείο δεν υπάρχει"))) << la8os.toStdString();
    EXPECT_EQ(keimevo, QStringLiteral("AĀ"));  // what was read before stays
}

TEST(ArxeiaProgrammatos, KeimevaEvtolwvArxeiou)
{
    EXPECT_EQ(ErwtnsnAllagwv(QStringLiteral("/home/μαθητής/Άσκηση1.καλμίρα")),
              QStringLiteral("Έχετε τροποποιήσει το πρόγραμμα «/home/μαθητής/Άσκηση1.καλμίρα».\r\nΘέλετε να αποθηκεύσετε τις αλλαγές;"));
    EXPECT_EQ(TitlosPara8urou(QStringLiteral("/tmp/α.txt")), QStringLiteral("/tmp/α.txt - Διερμηνευτής της Καλμίρας"));

    const std::pair<const char16_t*, const char16_t*> ovomata[] = {
        {u"/tmp/Άσκηση1", u"/tmp/Άσκηση1.καλμίρα"},
        {u"/tmp/Άσκηση1.", u"/tmp/Άσκηση1.καλμίρα"},
        {u"/tmp/Άσκηση1.txt", u"/tmp/Άσκηση1.txt"},
        {u"/tmp/Άσκηση1.καλμίρα", u"/tmp/Άσκηση1.καλμίρα"},
        {u"/tmp/έκδοση.2/Άσκηση", u"/tmp/έκδοση.2/Άσκηση.καλμίρα"},  // a dot in a folder's name is no extension
        {u"/tmp/.κρυφό", u"/tmp/.κρυφό.καλμίρα"},
    };
    for (const auto& [dosmevo, anamevomeno] : ovomata)
        EXPECT_EQ(OvomaMeKatal3n(QString::fromUtf16(dosmevo)), QString::fromUtf16(anamevomeno));
}

}  // namespace kalmira
