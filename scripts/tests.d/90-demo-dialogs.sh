# scripts/demo --dialogs as a user runs it, right after a Wine run without a display
# (whose server may still be up): six screenshots of the dialogs, none blank.
source "$(dirname "$0")/../lib/common.sh"
skip_without_wine
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
env -u DISPLAY timeout 120 "$WINE_LOADER" cmd /c exit || { echo "wine does not run"; exit 2; }
ORVANE_OUT="$work" "$ROOT/scripts/demo" --dialogs
