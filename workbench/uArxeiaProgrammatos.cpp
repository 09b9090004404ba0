#include "workbench/uArxeiaProgrammatos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "front/uTimn.h"

namespace kalmira {

QString AposkwdikopoinsnProgrammatos(const QByteArray& bytes)
{
    return QString::fromStdU16String(AposkwdikopoinsnProgrammatos(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
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

static QString MnvumaEggrafns(const QString& diadromn, const QString& aitia)
{
    return QStringLiteral("Δεν μπόρεσα να αποθηκεύσω το αρχείο «%1»: %2").arg(diadromn, aitia);
}

// Why a file cannot be written, told from what the file system shows; empty when nothing there
// explains it.
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

bool DiabaseArxeioProgrammatos(const QString& diadromn, QString& keimevo, QString& la8os)
{
    std::u16string keimevo16;
    std::string la8os8;
    if (!DiabaseArxeioProgrammatos(QFile::encodeName(diadromn).toStdString(), keimevo16, la8os8)) {
        la8os = QString::fromStdString(la8os8);
        return false;
    }
    keimevo = QString::fromStdU16String(keimevo16);
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
