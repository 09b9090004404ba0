#include "workbench/uArxeiaProgrammatos.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include "front/uTimn.h"

namespace kalmira {

static QString KanonikesAllagesGrammns(const QString& keimevo)
{
    QString apotelesma;
    apotelesma.reserve(keimevo.size() + keimevo.size() / 16);
    for (qsizetype i = 0; i < keimevo.size(); ++i) {
        QChar c = keimevo[i];
        if (c == u'\r') {
            apotelesma += u"\r\n";
            if (i + 1 < keimevo.size() && keimevo[i + 1] == u'\n')
                ++i;
        } else if (c == u'\n') {
            apotelesma += u"\r\n";
        } else {
            apotelesma += c;
        }
    }
    return apotelesma;
}

static QString ApoUtf16(const QByteArray& bytes, bool megaloAkro)
{
    QString keimevo;
    keimevo.reserve((bytes.size() - 2) / 2);
    for (qsizetype i = 2; i + 1 < bytes.size(); i += 2) {
        auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        keimevo += QChar(megaloAkro ? static_cast<char16_t>(a << 8 | b) : static_cast<char16_t>(b << 8 | a));
    }
    return keimevo;
}

QString AposkwdikopoinsnProgrammatos(const QByteArray& bytes)
{
    QString keimevo;
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF && static_cast<unsigned char>(bytes[1]) == 0xFE) {
        keimevo = ApoUtf16(bytes, false);
    } else if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFE && static_cast<unsigned char>(bytes[1]) == 0xFF) {
        keimevo = ApoUtf16(bytes, true);
    } else {
        QByteArray periexomevo = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        keimevo = utf8.decode(periexomevo);
        if (utf8.hasError()) {
            keimevo.clear();
            keimevo.reserve(periexomevo.size());
            for (char b : periexomevo)
                keimevo += QChar(ApoKwdikoselida1253(static_cast<unsigned char>(b)));
        }
    }
    return KanonikesAllagesGrammns(keimevo);
}

QByteArray KwdikopoinsnProgrammatos(const QStringList& grammes)
{
    QByteArray bytes("\xFF\xFE", 2);
    auto grapse = [&bytes](QChar c) {
        bytes += static_cast<char>(c.unicode() & 0xFF);
        bytes += static_cast<char>(c.unicode() >> 8);
    };
    for (const QString& grammn : grammes) {
        for (QChar c : grammn)
            grapse(c);
        grapse(u'\r');
        grapse(u'\n');
    }
    return bytes;
}

QStringList GrammesKeimevou(const QString& keimevo)
{
    QStringList grammes = keimevo.split(QStringLiteral("\r\n"));
    if (!grammes.isEmpty() && grammes.back().isEmpty())
        grammes.removeLast();
    return grammes;
}

static QString AitiaLa8ous(QFileDevice::FileError la8os)
{
    switch (la8os) {
    case QFileDevice::OpenError: return QStringLiteral("το αρχείο δεν υπάρχει ή δεν επιτρέπεται η πρόσβαση σε αυτό");
    case QFileDevice::ReadError: return QStringLiteral("συνέβη λάθος κατά την ανάγνωσή του");
    case QFileDevice::WriteError: return QStringLiteral("συνέβη λάθος κατά την εγγραφή του");
    case QFileDevice::PermissionsError: return QStringLiteral("δεν επιτρέπεται η πρόσβαση σε αυτό");
    case QFileDevice::ResourceError: return QStringLiteral("δεν υπάρχει αρκετός χώρος ή μνήμη");
    default: return QStringLiteral("συνέβη άγνωστο λάθος");
    }
}

bool DiabaseArxeioProgrammatos(const QString& diadromn, QString& keimevo, QString& la8os)
{
    QFile arxeio(diadromn);
    if (!arxeio.open(QIODevice::ReadOnly)) {
        la8os = QStringLiteral("Δεν μπόρεσα να ανοίξω το αρχείο «%1»: %2").arg(diadromn, AitiaLa8ous(arxeio.error()));
        return false;
    }
    QByteArray bytes = arxeio.readAll();
    if (arxeio.error() != QFileDevice::NoError) {
        la8os = QStringLiteral("Δεν μπόρεσα να διαβάσω το αρχείο «%1»: %2").arg(diadromn, AitiaLa8ous(arxeio.error()));
        return false;
    }
    keimevo = AposkwdikopoinsnProgrammatos(bytes);
    return true;
}

bool GrapseArxeioProgrammatos(const QString& diadromn, const QStringList& grammes, QString& la8os)
{
    // Written to a temporary file and renamed over the old one, so a failed write never leaves a
    // half-written program behind.
    QSaveFile arxeio(diadromn);
    if (!arxeio.open(QIODevice::WriteOnly) || arxeio.write(KwdikopoinsnProgrammatos(grammes)) < 0 || !arxeio.commit()) {
        la8os = QStringLiteral("Δεν μπόρεσα να αποθηκεύσω το αρχείο «%1»: %2").arg(diadromn, AitiaLa8ous(arxeio.error()));
        return false;
    }
    return true;
}

}  // namespace kalmira
