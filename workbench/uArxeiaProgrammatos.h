// Program files: reading and writing the text of a program, shared by the workbench's file
// commands and the command-line runner.
#pragma once

#include <QByteArray>
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

// Reads a program file. False, with a Greek reason in `la8os`, when it cannot be read.
bool DiabaseArxeioProgrammatos(const QString& diadromn, QString& keimevo, QString& la8os);
// Writes a program file, replacing it. False, with a Greek reason in `la8os`, when it cannot.
bool GrapseArxeioProgrammatos(const QString& diadromn, const QStringList& grammes, QString& la8os);

}  // namespace kalmira
