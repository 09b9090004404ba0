# The AppStream metainfo passes appstreamcli validate with no errors or warnings (notes of the
# informational kind are listed, not failed: appstream 0.16 takes a Greek capital for a small letter).
KALMIRA_PACKAGES=appstream
source "$(dirname "$0")/common.sh"
need appstreamcli
status=0
out=$(appstreamcli validate --no-net "$1" 2>&1) || status=$?
echo "$out"
[ $status -eq 0 ] || fail "appstreamcli validate exited with $status"
if grep -E '^(E|W):' <<<"$out"; then fail "appstreamcli reports errors or warnings"; fi
