// Program files: what the workbench writes reads back unchanged, and what other editors wrote
// reads as the text its author saw.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

TEST(ArxeiaProgrammatos, AdunatnAvagvwsnKaiEggrafn)
{
    QTemporaryDir fakelos;
    QString keimevo = QStringLiteral("αμετάβλητο"), la8os;
    EXPECT_FALSE(DiabaseArxeioProgrammatos(fakelos.filePath(QStringLiteral("λείπει.καλμίρα")), keimevo, la8os));
    EXPECT_TRUE(la8os.contains(QStringLiteral("λείπει.καλμίρα")));
    EXPECT_EQ(keimevo, QStringLiteral("αμετάβλητο"));
    la8os.clear();
    EXPECT_FALSE(GrapseArxeioProgrammatos(fakelos.filePath(QStringLiteral("δεν/υπάρχει/φάκελος.καλμίρα")), {QStringLiteral("x")}, la8os));
    EXPECT_FALSE(la8os.isEmpty());
}

}  // namespace
}  // namespace kalmira
