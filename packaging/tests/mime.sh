# The shared-MIME-info package is well-formed XML and builds a MIME database without complaint.
KALMIRA_PACKAGES="libxml2-utils shared-mime-info"
source "$(dirname "$0")/common.sh"
need xmllint update-mime-database
xmllint --noout "$1"
mkdir -p "$scratch/mime/packages"
cp "$1" "$scratch/mime/packages/kalmira.xml"
out=$(update-mime-database "$scratch/mime" 2>&1 | grep -v -e "is not in the search path" -e "XDG_DATA_HOME and XDG_DATA_DIRS" \
  -e "environment variables, so applications" -e "be able to find it until" -e "directories currently searched" -e '^- ' -e '^$' || true)
[ -z "$out" ] || fail "update-mime-database: $out"
grep -q '^text/x-kalmira:\*\.καλμίρα$' <(grep -v '^#' "$scratch/mime/globs2" | cut -d: -f2-) || fail "no glob *.καλμίρα in the database"
grep -q 'text/x-kalmira' "$scratch/mime/magic" || fail "no magic rules in the database"
echo "MIME package valid"
