# The desktop entry passes desktop-file-validate without errors, warnings or hints.
KALMIRA_PACKAGES=desktop-file-utils
source "$(dirname "$0")/common.sh"
need desktop-file-validate
out=$(desktop-file-validate "$1" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate reports: $out"
grep -qx 'Exec=kalmira %f' "$1" || fail "the entry does not pass a file to kalmira"
echo "desktop entry valid"
