# Helpers shared by the packaging checks (sourced).
set -euo pipefail

# Exits with ctest's skip code when one of the named programs is missing.
need() {
  local missing=()
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "SKIPPED: missing ${missing[*]} (Debian: apt-get install ${KALMIRA_PACKAGES:-the package that provides it})"
    exit 77
  fi
}

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The files an installation holds, one path a line relative to the prefix, sorted: the fixed list
# in expected-files.txt, every file of the examples (the example exercise's folder included) and every
# file of the manual's folder when there is one.
expected_files() {
  local source=$1
  {
    grep -v '^#' "$(dirname "${BASH_SOURCE[0]}")/expected-files.txt" | sed '/^$/d'
    (cd "$source" && find examples -type f | sed 's|^|share/kalmira/|')
    if [ -d "$source/egxeiridio" ]; then
      (cd "$source" && find egxeiridio -type f | sed 's|^|share/kalmira/|')
    fi
  } | LC_ALL=C sort
}
