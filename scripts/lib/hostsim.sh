# Helpers for runs of the Host stand-in; source after common.sh.
source "$ROOT/scripts/lib/display.sh"

# Runs a Windows program of the build under Wine in the display prefix, on a virtual
# display when there is none (message boxes and dialogs need one).
run_wine_display() {
  on_display -- "$WINE_LOADER" "$@"
}

# A fresh copy of an example publication in a folder (no saved records or labels).
fresh_publication() {
  local example="$1" folder="$2"
  rm -rf "$folder"
  mkdir -p "$folder"
  cp "$ROOT/examples/$example" "$folder/"
  echo "$folder/$example"
}
