# The build tree holds a current copy of examples/ (and egxeiridio/ when it exists) beside the
# workbench's executable.
source "$(dirname "$0")/common.sh"
beside=$1 source=$2
for folder in examples egxeiridio; do
  [ -d "$source/$folder" ] || continue
  [ -d "$beside/$folder" ] || fail "$folder/ is not beside the executable in $beside"
  diff -r "$source/$folder" "$beside/$folder" || fail "$beside/$folder differs from the source"
done
echo "examples and manual beside the executable are current"
