# cmake --install into a temporary prefix puts exactly the expected files in place, with the modes
# Debian expects, and writes the manual pages with the paths of that prefix.
source "$(dirname "$0")/common.sh"
build=$1 source=$2
prefix="$scratch/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

diff -u <(expected_files "$source") <(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort) \
  || fail "installed files differ from the expected list (- expected, + installed)"

for program in kalmira kalmira-cli; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program is not executable"
done
wrong=$(find "$prefix" -type f ! -path "$prefix/bin/*" -perm /0133)
[ -z "$wrong" ] || fail "data files that are not rw-r--r--: $wrong"
wrong=$(find "$prefix" -type d ! -perm 0755)
[ -z "$wrong" ] || fail "folders that are not rwxr-xr-x: $wrong"

for gz in "$prefix"/share/man/man1/*.gz "$prefix/share/doc/kalmira/changelog.gz"; do
  gzip -t "$gz" || fail "$gz is not a valid gzip file"
done
zcat "$prefix/share/man/man1/kalmira.1.gz" | grep -qF "$prefix/share/kalmira/examples/" \
  || fail "kalmira(1) does not name the installed examples folder"
"$prefix/bin/kalmira-cli" run "$prefix/share/kalmira/examples/Καλωσόρισμα.καλμίρα" >/dev/null \
  || fail "the installed kalmira-cli does not run the installed welcome example"
echo "$(expected_files "$source" | wc -l) files installed as expected"
