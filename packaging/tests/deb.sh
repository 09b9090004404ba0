# cpack -G DEB makes a package whose control fields and contents are as expected and which lintian
# passes without errors; warnings are printed for the record.
KALMIRA_PACKAGES="dpkg-dev lintian"
source "$(dirname "$0")/common.sh"
need dpkg-deb dpkg-shlibdeps lintian
build=$1 source=$2
start=$SECONDS
(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1) \
  || { cat "$scratch/cpack.log"; fail "cpack -G DEB failed"; }
deb=$(find "$scratch/out" -maxdepth 1 -name 'kalmira_*.deb')
[ -n "$deb" ] || fail "cpack made no kalmira_*.deb"
echo "built $(basename "$deb") in $((SECONDS - start)) s"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = kalmira ] || fail "Package: $(field Package)"
[ "$(field Version)" = 0.8 ] || fail "Version: $(field Version)"
[ "$(field Section)" = education ] || fail "Section: $(field Section)"
[ "$(field Maintainer)" = "Ομάδα ανάπτυξης της Καλμίρας <kalmira@merovan.gr>" ] || fail "Maintainer: $(field Maintainer)"
depends=$(field Depends)
echo "Depends: $depends"
for package in libqt6svg6 fonts-dejavu-core libqt6widgets6 libqt6core6 libc6 libstdc++6; do
  tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//' | grep -qxF "$package" || fail "Depends lacks $package"
done

diff -u <(expected_files "$source" | sed 's|^|usr/|') \
  <(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | LC_ALL=C sort) \
  || fail "the package's files differ from the expected list"

start=$SECONDS
status=0
lintian --info --display-level ">=pedantic" "$deb" >"$scratch/lintian.log" 2>&1 || status=$?
echo "lintian ($((SECONDS - start)) s, exit $status):"
grep -E '^[EWIPXO]: ' "$scratch/lintian.log" | sort -u || echo "  no tags"
if grep -qE '^E: ' "$scratch/lintian.log"; then fail "lintian reports errors"; fi
if [ $status -ne 0 ] && ! grep -qE '^[EWIPXO]: ' "$scratch/lintian.log"; then
  cat "$scratch/lintian.log"; fail "lintian failed"
fi
