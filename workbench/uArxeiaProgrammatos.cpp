#include "workbench/uArxeiaProgrammatos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

QString AitiaLa8ousArxeiou(QFileDevice::FileError la8os)
{
    switch (la8os) {
    case QFileDevice::NoError: break;
    case QFileDevice::ReadError: return QStringLiteral("συνέβη λάθος κατά την ανάγνωσή του");
    case QFileDevice::WriteError: return QStringLiteral("συνέβη λάθος κατά την εγγραφή του");
    case QFileDevice::FatalError: return QStringLiteral("συνέβη σοβαρό λάθος στο σύστημα αρχείων");
    case QFileDevice::ResourceError: return QStringLiteral("δεν υπάρχει αρκετός χώρος στον δίσκο ή αρκετή μνήμη");
    case QFileDevice::OpenError: return QStringLiteral("δεν ήταν δυνατό να ανοιχτεί");
    case QFileDevice::AbortError: return QStringLiteral("η εργασία διακόπηκε");
    case QFileDevice::TimeOutError: return QStringLiteral("το σύστημα αρχείων δεν απάντησε εγκαίρως");
    case QFileDevice::UnspecifiedError: break;
    case QFileDevice::RemoveError: return QStringLiteral("δεν ήταν δυνατό να διαγραφεί");
    case QFileDevice::RenameError: return QStringLiteral("δεν ήταν δυνατό να αντικατασταθεί το παλιό αρχείο");
    case QFileDevice::PositionError: return QStringLiteral("δεν ήταν δυνατή η μετάβαση σε θέση μέσα στο αρχείο");
    case QFileDevice::ResizeError: return QStringLiteral("δεν ήταν δυνατό να αλλάξει το μέγεθός του");
    case QFileDevice::PermissionsError: return QStringLiteral("δεν επιτρέπεται η πρόσβαση σε αυτό");
    case QFileDevice::CopyError: return QStringLiteral("δεν ήταν δυνατό να αντιγραφεί");
    }
    return QStringLiteral("συνέβη άγνωστο λάθος");
}

static QString MnvumaAvagvwsns(const QString& diadromn, const QString& aitia)
{
    return QStringLiteral("Δεν μπόρεσα να ανοίξω το αρχείο «%1»: %2").arg(diadromn, aitia);
}

static QString MnvumaEggrafns(const QString& diadromn, const QString& aitia)
{
    return QStringLiteral("Δεν μπόρεσα να αποθηκεύσω το αρχείο «%1»: %2").arg(diadromn, aitia);
}

// Why a file cannot be opened for reading, told from what the file system shows; empty when
// nothing there explains it.
static QString AitiaAvagvwsns(const QFileInfo& arxeio)
{
    if (!arxeio.exists())
        return QStringLiteral("το αρχείο δεν υπάρχει");
    if (arxeio.isDir())
        return QStringLiteral("είναι φάκελος, όχι αρχείο");
    if (!arxeio.isReadable())
        return QStringLiteral("δεν επιτρέπεται η ανάγνωσή του");
    return {};
}

// Why a file cannot be written, likewise.
static QString AitiaEggrafns(const QFileInfo& arxeio)
{
    const QFileInfo fakelos(arxeio.absolutePath());
    if (!fakelos.exists())
        return QStringLiteral("ο φάκελος «%1» δεν υπάρχει").arg(QDir::toNativeSeparators(fakelos.filePath()));
    if (arxeio.isDir())
        return QStringLiteral("υπάρχει φάκελος με αυτό το όνομα");
    if (arxeio.exists() && !arxeio.isWritable())
        return QStringLiteral("το αρχείο επιτρέπει μόνο ανάγνωση");
    if (!fakelos.isWritable())
        return QStringLiteral("δεν επιτρέπεται η εγγραφή στον φάκελο «%1»").arg(QDir::toNativeSeparators(fakelos.filePath()));
    return {};
}

// A file that holds a NUL is no text file: NUL bytes in the 8-bit encodings, NUL characters in
// UTF-16.
static bool EivaiKeimevo(const QByteArray& bytes)
{
    const auto byte = [&bytes](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const bool utf16 = bytes.size() >= 2 && ((byte(0) == 0xFF && byte(1) == 0xFE) || (byte(0) == 0xFE && byte(1) == 0xFF));
    if (!utf16)
        return !bytes.contains('\0');
    for (qsizetype i = 2; i + 1 < bytes.size(); i += 2)
        if (byte(i) == 0 && byte(i + 1) == 0)
            return false;
    return true;
}

bool DiabaseArxeioProgrammatos(const QString& diadromn, QString& keimevo, QString& la8os)
{
    const QFileInfo plnrofories(diadromn);
    QFile arxeio(diadromn);
    if (plnrofories.isDir() || !arxeio.open(QIODevice::ReadOnly)) {
        const QString aitia = AitiaAvagvwsns(plnrofories);
        la8os = MnvumaAvagvwsns(diadromn, aitia.isEmpty() ? AitiaLa8ousArxeiou(arxeio.error()) : aitia);
        return false;
    }
    const QString orio = QStringLiteral("το μέγεθός του ξεπερνά τα %1 MB, το όριο για ένα πρόγραμμα").arg(MegistoMegethosProgrammatos / (1024 * 1024));
    // The size is checked before reading; a device that does not tell its size is read up to
    // one byte past the limit.
    if (!arxeio.isSequential() && arxeio.size() > MegistoMegethosProgrammatos) {
        la8os = MnvumaAvagvwsns(diadromn, orio);
        return false;
    }
    const QByteArray bytes = arxeio.read(MegistoMegethosProgrammatos + 1);
    if (arxeio.error() != QFileDevice::NoError) {
        la8os = MnvumaAvagvwsns(diadromn, AitiaLa8ousArxeiou(arxeio.error()));
        return false;
    }
    if (bytes.size() > MegistoMegethosProgrammatos) {
        la8os = MnvumaAvagvwsns(diadromn, orio);
        return false;
    }
    if (!EivaiKeimevo(bytes)) {
        la8os = MnvumaAvagvwsns(diadromn, QStringLiteral("δεν είναι αρχείο κειμένου"));
        return false;
    }
    keimevo = AposkwdikopoinsnProgrammatos(bytes);
    return true;
}

bool GrapseArxeioProgrammatos(const QString& diadromn, const QStringList& grammes, QString& la8os)
{
    const QFileInfo plnrofories(diadromn);
    if (const QString aitia = AitiaEggrafns(plnrofories); !aitia.isEmpty()) {
        la8os = MnvumaEggrafns(diadromn, aitia);
        return false;
    }
    // Written to a temporary file and renamed over the old one, so a failed write never leaves a
    // half-written program behind. A full disk may show only as a short write, which commit()
    // would happily rename over the old file: the count is checked before committing.
    QSaveFile arxeio(diadromn);
    if (!arxeio.open(QIODevice::WriteOnly)) {
        la8os = MnvumaEggrafns(diadromn, AitiaLa8ousArxeiou(arxeio.error()));
        return false;
    }
    const QByteArray bytes = KwdikopoinsnProgrammatos(grammes);
    if (arxeio.write(bytes) != bytes.size()) {
        const QFileDevice::FileError la8osArxeiou = arxeio.error();
        arxeio.cancelWriting();
        la8os = MnvumaEggrafns(diadromn, la8osArxeiou == QFileDevice::NoError
                                             ? QStringLiteral("δεν γράφτηκε ολόκληρο, ίσως επειδή δεν υπάρχει αρκετός χώρος στον δίσκο")
                                             : AitiaLa8ousArxeiou(la8osArxeiou));
        return false;
    }
    if (!arxeio.commit()) {
        la8os = MnvumaEggrafns(diadromn, AitiaLa8ousArxeiou(arxeio.error()));
        return false;
    }
    return true;
}

QString ErwtnsnAllagwv(const QString& diadromn)
{
    const QString ovoma = diadromn.isEmpty() ? QStringLiteral("Ανώνυμο πρόγραμμα") : diadromn;
    return QStringLiteral("Έχετε τροποποιήσει το πρόγραμμα «") + ovoma + QStringLiteral("».\r\nΘέλετε να αποθηκεύσετε τις αλλαγές;");
}

QString TitlosPara8urou(const QString& diadromn)
{
    const QString ovoma = diadromn.isEmpty() ? QStringLiteral("Ανώνυμο πρόγραμμα") : diadromn;
    return ovoma + QStringLiteral(" - Διερμηνευτής της Καλμίρας");
}

QString OvomaMeKatal3n(const QString& diadromn)
{
    const QString ovoma = QFileInfo(diadromn).fileName();
    if (ovoma.isEmpty())
        return diadromn;
    const qsizetype teleia = ovoma.lastIndexOf(u'.');
    if (teleia <= 0)
        return diadromn + QStringLiteral(".καλμίρα");
    if (teleia == ovoma.size() - 1)
        return diadromn + QStringLiteral("καλμίρα");
    return diadromn;
}

}  // namespace kalmira
