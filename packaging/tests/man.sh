# The manual pages format without any warning from man (groff -ww through man --warnings).
KALMIRA_PACKAGES=man-db
source "$(dirname "$0")/common.sh"
need man groff
for page in "$@"; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
  lines=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -E UTF-8 -l "$page" 2>/dev/null | wc -l)
  [ "$lines" -gt 20 ] || fail "$(basename "$page") renders to only $lines lines"
  echo "$(basename "$page"): no warnings, $lines lines"
done
