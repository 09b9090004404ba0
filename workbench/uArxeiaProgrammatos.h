// Program files: reading and writing the text of a program, shared by the workbench's file
// commands and the command-line runner.
#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <QStringList>

namespace kalmira {

// Decodes the bytes of a program file by their first two bytes: FF FE is UTF-16 little-endian,
// FE FF big-endian, anything else is text in the system's 8-bit encoding (UTF-8 here; bytes that
// are not valid UTF-8 are read as the Greek Windows-1253 code page, and a UTF-8 byte-order mark is
// dropped). Every line break (CR LF, LF or CR) becomes CR LF.
QString AposkwdikopoinsnProgrammatos(const QByteArray& bytes);

// The file's bytes as written: FF FE, then every line followed by CR LF, in UTF-16 little-endian.
QByteArray KwdikopoinsnProgrammatos(const QStringList& grammes);

// The lines of a text whose line breaks are CR LF; a final line break ends the last line.
QStringList GrammesKeimevou(const QString& keimevo);

// The largest file taken for a program: anything bigger is no program a pupil wrote, and reading
// it whole would freeze the window.
inline constexpr qint64 MegistoMegethosProgrammatos = 8 * 1024 * 1024;

// Reads a program file. False, with a Greek message naming the file and the reason in `la8os`,
// when it cannot be read, is bigger than MegistoMegethosProgrammatos or is not text (a NUL byte
// outside UTF-16, a NUL character in UTF-16); `keimevo` is then left alone.
bool DiabaseArxeioProgrammatos(const QString& diadromn, QString& keimevo, QString& la8os);
// Writes a program file, replacing it. The text goes to a temporary file beside it that is then
// renamed over the old one, so a failed save leaves the old file whole. False, with a Greek
// message naming the file and the reason in `la8os`, when it cannot.
bool GrapseArxeioProgrammatos(const QString& diadromn, const QStringList& grammes, QString& la8os);

// The reason of a file error in Greek, for the end of a message ("...: <reason>").
QString AitiaLa8ousArxeiou(QFileDevice::FileError la8os);

// The texts of the file commands.
// The question before New, Open or closing when the program has unsaved changes; an empty path
// is an unnamed program.
QString ErwtnsnAllagwv(const QString& diadromn);
// The main window's caption for a program file, or for an unnamed program after New.
QString TitlosPara8urou(const QString& diadromn);
// A name chosen in the save dialog without an extension gets ".καλμίρα".
QString OvomaMeKatal3n(const QString& diadromn);

}  // namespace kalmira
