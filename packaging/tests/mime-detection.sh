# The MIME rules recognise the files the workbench writes whatever their name, and nothing else.
# Detection is done by File::MimeInfo's mimetype over a database holding only our package, so that
# the result is decided by our rules alone.
KALMIRA_PACKAGES="shared-mime-info libfile-mimeinfo-perl"
source "$(dirname "$0")/common.sh"
need update-mime-database mimetype python3
mkdir -p "$scratch/data/mime/packages" "$scratch/files"
cp "$1" "$scratch/data/mime/packages/kalmira.xml"
update-mime-database "$scratch/data/mime" >/dev/null 2>&1

f="$scratch/files"
example=$(find "$2" -maxdepth 1 -name '*.καλμίρα' | LC_ALL=C sort | head -n 1)
cp "$example" "$f/example-without-extension"
cp "$example" "$f/example.dat"
python3 - "$f" <<'PY'
import sys
d = sys.argv[1]
def utf16(name, text):
    open(f"{d}/{name}", "wb").write(b"\xff\xfe" + text.replace("\n", "\r\n").encode("utf-16-le"))
program = "Αρχή\nΓράψε 'Γεια'\nΤέλος_προγράμματος\n"
utf16("heading-first", "Πρόγραμμα Α\n" + program)
utf16("heading-capitals", "ΠΡΟΓΡΑΜΜΑ Α\n" + program)
utf16("heading-small", "πρόγραμμα α\n" + program)
utf16("comments-first", "! Άσκηση 1\n! Τάξη Β\n" + "! " + "σχόλιο " * 300 + "\nΠρόγραμμα Α\n" + program)
# Not programs: a comment with no heading, text in Greek, a heading after far too much text, the
# heading without the byte-order mark, and UTF-16 big-endian.
utf16("comment-only", "! μόνο ένα σχόλιο\nκαι κείμενο\n")
utf16("greek-text", "Περιεχόμενα: το πρόγραμμα σπουδών\n")
utf16("heading-too-late", "!" + "σχόλιο " * 1500 + "\nΠρόγραμμα Α\n" + program)
open(f"{d}/no-mark", "wb").write(("Πρόγραμμα Α\n" + program).encode("utf-16-le"))
open(f"{d}/big-endian", "wb").write(b"\xfe\xff" + ("Πρόγραμμα Α\n" + program).encode("utf-16-be"))
open(f"{d}/άσκηση.καλμίρα", "w", encoding="utf-8").write("Πρόγραμμα Α\n" + program)
PY

type_of() { XDG_DATA_HOME="$scratch/data" XDG_DATA_DIRS="$scratch/none" mimetype --brief "$f/$1"; }
failures=0
expect() {
  local got
  got=$(type_of "$1")
  if [ "$got" = "$2" ]; then echo "ok   $1: $got"; else echo "FAIL $1: $got, expected $2"; failures=$((failures + 1)); fi
}
for name in example-without-extension example.dat heading-first heading-capitals heading-small comments-first άσκηση.καλμίρα; do
  expect "$name" text/x-kalmira
done
for name in comment-only greek-text heading-too-late no-mark big-endian; do
  got=$(type_of "$name")
  if [ "$got" = text/x-kalmira ]; then echo "FAIL $name: taken for a program"; failures=$((failures + 1)); else echo "ok   $name: $got"; fi
done
[ $failures -eq 0 ] || fail "$failures file(s) classified wrongly"
