// Program files for the workbench's file commands, on Qt's types: reading (which
// uAvagvwsnProgrammatos does, for the command-line runner too), writing, and the commands' texts.
#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <QStringList>

#include "workbench/uAvagvwsnProgrammatos.h"

namespace kalmira {

// The decoding of uAvagvwsnProgrammatos, on Qt's types.
QString AposkwdikopoinsnProgrammatos(const QByteArray& bytes);

// The file's bytes as written: FF FE, then every line followed by CR LF, in UTF-16 little-endian.
QByteArray KwdikopoinsnProgrammatos(const QStringList& grammes);

// The lines of a text whose line breaks are CR LF; a final line break ends the last line.
QStringList GrammesKeimevou(const QString& keimevo);

// Reads a program file as uAvagvwsnProgrammatos does, on Qt's types.
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
