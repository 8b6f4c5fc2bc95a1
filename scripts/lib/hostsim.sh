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

# What the plug-in put into a print job: styles, inks, trapping order, zones per page.
job_summary() {
  awk '
    function unescape(s,   out, i, c) {
      out = ""
      for (i = 1; i <= length(s); i++) {
        c = substr(s, i, 1)
        if (c == "\\" && substr(s, i + 1, 3) ~ /^[0-7][0-7][0-7]$/) {
          out = out sprintf("%c", (substr(s, i + 1, 1) * 64) + (substr(s, i + 2, 1) * 8) + substr(s, i + 3, 1))
          i += 3
        } else if (c == "\\" && substr(s, i + 1, 1) == "\\") {
          out = out "\\"; i++
        } else {
          out = out c
        }
      }
      return out
    }
    /currenttrapparams/ { device = 1 }
    /\/TrapSetName/ { sub(/.*\/TrapSetName[ \t]*\(/, ""); sub(/\)[ \t]*$/, ""); styles = styles "  " $0 "\n" }
    /^\t\t\(.*\)cvn \[$/ { ink = $0; sub(/^\t\t\(/, "", ink); sub(/\)cvn \[$/, "", ink) }
    /\/NeutralDensity/ { density = $2 }
    /\/ColorantType/ { inks = inks sprintf("  %-12s density %s, %s\n", ink, density, substr($2, 2)) }
    /\/TrappingOrder/ { order = $0; sub(/.*\/TrappingOrder \[/, "", order); sub(/\][ \t]*$/, "", order)
                        gsub(/\)cvn */, " ", order); gsub(/\(/, "", order) }
    /^%%Page: / { page = $2; pages[++npages] = page; zones[npages] = "" }
    /settrapparams$/ && npages > 0 {
      name = $0; sub(/^[ \t]*\(/, "", name); sub(/\) cvn \/TrapParams.*/, "", name)
      state = ($0 ~ /\/Enabled false put/) ? " (off)" : ""
      zones[npages] = zones[npages] (zones[npages] == "" ? "" : ", ") unescape(name) state
    }
    END {
      printf "styles defined:\n%s", styles == "" ? "  none\n" : styles
      if (device) print "  and the device'"'"'s own parameters"
      printf "inks:\n%s", inks == "" ? "  none\n" : inks
      print "trapping order: " (order == "" ? "none" : order)
      print "zones of each printed page:"
      for (i = 1; i <= npages; i++) print "  page " pages[i] ": " (zones[i] == "" ? "no trapping" : zones[i])
    }' "$1"
}
