// Reading program files, in standard C++ and the system's file calls only: the command-line runner
// reads its programs with it without loading Qt, and the workbench's file commands read through it
// (uArxeiaProgrammatos), so that both read every file alike.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kalmira {

// The largest file taken for a program: anything bigger is no program a pupil wrote, and reading
// it whole would freeze the window.
inline constexpr std::int64_t MegistoMegethosProgrammatos = 8 * 1024 * 1024;

// Decodes the bytes of a program file by their first two bytes: FF FE is UTF-16 little-endian,
// FE FF big-endian, anything else is text in the system's 8-bit encoding (UTF-8 here; bytes that
// are not valid UTF-8 are read as the Greek Windows-1253 code page, and a UTF-8 byte-order mark is
// dropped). Every line break (CR LF, LF or CR) becomes CR LF.
std::u16string AposkwdikopoinsnProgrammatos(std::string_view bytes);

// Reads a program file; `diadromn` is the path as the system takes it (UTF-8 here). False, with a
// Greek message in UTF-8 naming the file and the reason in `la8os`, when it cannot be read, is
// bigger than MegistoMegethosProgrammatos or is not text (a NUL byte outside UTF-16, a NUL
// character in UTF-16); `keimevo` is then left alone.
bool DiabaseArxeioProgrammatos(const std::string& diadromn, std::u16string& keimevo, std::string& la8os);

}  // namespace kalmira
