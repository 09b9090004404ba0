#include "workbench/uAvagvwsnProgrammatos.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "front/uLa8os.h"
#include "front/uTimn.h"

namespace kalmira {

namespace {

constexpr std::string_view BomUtf8 = "\xEF\xBB\xBF";

std::u16string KanonikesAllagesGrammns(std::u16string_view keimevo)
{
    std::u16string apotelesma;
    apotelesma.reserve(keimevo.size() + keimevo.size() / 16);
    for (std::size_t i = 0; i < keimevo.size(); ++i) {
        const char16_t c = keimevo[i];
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

// The characters of UTF-16 bytes after their byte-order mark; an odd last byte is dropped.
std::u16string ApoUtf16(std::string_view bytes, bool megaloAkro)
{
    std::u16string keimevo;
    keimevo.reserve((bytes.size() - 2) / 2);
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        keimevo += megaloAkro ? static_cast<char16_t>(a << 8 | b) : static_cast<char16_t>(b << 8 | a);
    }
    return keimevo;
}

// Well-formed UTF-8 only (no overlong forms, surrogates or values past U+10FFFF, nothing cut
// short); false at the first byte that breaks it. One byte-order mark at the start is skipped.
bool ApoAustnroUtf8(std::string_view bytes, std::u16string& keimevo)
{
    if (bytes.starts_with(BomUtf8))
        bytes.remove_prefix(BomUtf8.size());
    keimevo.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t c;
        const std::size_t mhkos = SeiraUtf8(bytes, i, c);
        if (mhkos == 0)
            return false;
        Pros8eseUtf16(keimevo, c);
        i += mhkos;
    }
    return true;
}

bool EivaiUtf16(std::string_view bytes, bool& megaloAkro)
{
    if (bytes.size() < 2)
        return false;
    const auto a = static_cast<unsigned char>(bytes[0]), b = static_cast<unsigned char>(bytes[1]);
    megaloAkro = a == 0xFE && b == 0xFF;
    return megaloAkro || (a == 0xFF && b == 0xFE);
}

// A file that holds a NUL is no text file: NUL bytes in the 8-bit encodings, NUL characters in
// UTF-16.
bool EivaiKeimevo(std::string_view bytes)
{
    bool megaloAkro;
    if (!EivaiUtf16(bytes, megaloAkro))
        return bytes.find('\0') == std::string_view::npos;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
        if (bytes[i] == '\0' && bytes[i + 1] == '\0')
            return false;
    return true;
}

std::string MnvumaAvagvwsns(const std::string& diadromn, std::string_view aitia)
{
    return "Δεν μπόρεσα να ανοίξω το αρχείο «" + diadromn + "»: " + std::string(aitia);
}

// Why a file cannot be opened for reading, told from what the file system shows.
std::string_view AitiaAvagvwsns(const std::string& diadromn)
{
    struct stat katastasn;
    if (stat(diadromn.c_str(), &katastasn) != 0)
        return "το αρχείο δεν υπάρχει";
    if (S_ISDIR(katastasn.st_mode))
        return "είναι φάκελος, όχι αρχείο";
    if (access(diadromn.c_str(), R_OK) != 0)
        return "δεν επιτρέπεται η ανάγνωσή του";
    return "δεν ήταν δυνατό να ανοιχτεί";
}

// Closes the file when the reading ends, however it ends.
class TPerigrafeas {
public:
    explicit TPerigrafeas(int fd) : fd_(fd) {}
    ~TPerigrafeas()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    TPerigrafeas(const TPerigrafeas&) = delete;
    TPerigrafeas& operator=(const TPerigrafeas&) = delete;
    int Fd() const { return fd_; }

private:
    const int fd_;
};

// Reads up to `megisto` bytes, to the end of the file or of the stream; false on a read error.
// `anamevomena` is how many are expected (the size of a regular file, or none when unknown): the
// buffer starts one byte larger, to see the end, and doubles only for what comes beyond it.
bool DiabaseEws(int fd, std::size_t megisto, std::optional<std::size_t> anamevomena, std::string& bytes)
{
    bytes.assign(std::min(anamevomena ? *anamevomena + 1 : std::size_t{1} << 16, megisto), '\0');
    std::size_t diabasmena = 0;
    for (;;) {
        if (diabasmena == bytes.size())
            bytes.resize(std::min(2 * bytes.size(), megisto));
        if (diabasmena == megisto)
            return true;
        const ssize_t n = read(fd, bytes.data() + diabasmena, bytes.size() - diabasmena);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0) {
            bytes.resize(diabasmena);
            return true;
        }
        diabasmena += static_cast<std::size_t>(n);
    }
}

}  // namespace

std::u16string AposkwdikopoinsnProgrammatos(std::string_view bytes)
{
    bool megaloAkro;
    if (EivaiUtf16(bytes, megaloAkro))
        return KanonikesAllagesGrammns(ApoUtf16(bytes, megaloAkro));
    const std::string_view periexomevo = bytes.starts_with(BomUtf8) ? bytes.substr(BomUtf8.size()) : bytes;
    std::u16string keimevo;
    if (!ApoAustnroUtf8(periexomevo, keimevo)) {
        keimevo.clear();
        keimevo.reserve(periexomevo.size());
        for (char b : periexomevo)
            keimevo += ApoKwdikoselida1253(static_cast<unsigned char>(b));
    }
    return KanonikesAllagesGrammns(keimevo);
}

bool DiabaseArxeioProgrammatos(const std::string& diadromn, std::u16string& keimevo, std::string& la8os)
{
    struct stat katastasn;
    if (stat(diadromn.c_str(), &katastasn) == 0 && S_ISDIR(katastasn.st_mode)) {
        la8os = MnvumaAvagvwsns(diadromn, AitiaAvagvwsns(diadromn));
        return false;
    }
    const TPerigrafeas arxeio(open(diadromn.c_str(), O_RDONLY | O_CLOEXEC));
    if (arxeio.Fd() < 0) {
        la8os = MnvumaAvagvwsns(diadromn, AitiaAvagvwsns(diadromn));
        return false;
    }
    const std::string orio = "το μέγεθός του ξεπερνά τα " + std::to_string(MegistoMegethosProgrammatos / (1024 * 1024)) +
                             " MB, το όριο για ένα πρόγραμμα";
    // The size is checked before reading; a device that does not tell its size (anything but a
    // regular file) is read up to one byte past the limit.
    const bool kanoviko = fstat(arxeio.Fd(), &katastasn) == 0 && S_ISREG(katastasn.st_mode);
    if (kanoviko && katastasn.st_size > MegistoMegethosProgrammatos) {
        la8os = MnvumaAvagvwsns(diadromn, orio);
        return false;
    }
    std::string bytes;
    if (!DiabaseEws(arxeio.Fd(), MegistoMegethosProgrammatos + 1, kanoviko ? std::optional(static_cast<std::size_t>(katastasn.st_size)) : std::nullopt, bytes)) {
        la8os = MnvumaAvagvwsns(diadromn, "συνέβη λάθος κατά την ανάγνωσή του");
        return false;
    }
    if (static_cast<std::int64_t>(bytes.size()) > MegistoMegethosProgrammatos) {
        la8os = MnvumaAvagvwsns(diadromn, orio);
        return false;
    }
    if (!EivaiKeimevo(bytes)) {
        la8os = MnvumaAvagvwsns(diadromn, "δεν είναι αρχείο κειμένου");
        return false;
    }
    keimevo = AposkwdikopoinsnProgrammatos(bytes);
    return true;
}

}  // namespace kalmira
