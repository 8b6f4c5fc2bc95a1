# scripts/demo --dialogs as a user runs it, on the builds and the prefix made already:
# six screenshots of the 32-bit DLL's dialogs, none blank.
source "$(dirname "$0")/../lib/wine.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ORVANE_OUT="$work" "$ROOT/scripts/lib/dialogs-demo.sh" --dialogs
