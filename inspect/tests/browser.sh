# report.html in a real browser: headless Chromium renders the sample's report, with its
# traps, to a picture that must not be blank, and every picture the page names must
# load; each picture the inspector wrote must be on the page. The jobs come as in
# checks.sh; exit status 77: skipped, for want of a program.
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
HOSTSIM="${ORVANE_HOSTSIM:-${ORVANE_BUILD:-$ROOT/build}/native/hostsim_run}"
for need in chromium:chromium gs:ghostscript convert:imagemagick; do
  command -v "${need%%:*}" >/dev/null || { echo "skipped: ${need%%:*} is not installed (package ${need#*:})"; exit 77; }
done
for program in "$HOSTSIM" ${ORVANE_INSPECTOR:+"$ORVANE_INSPECTOR"}; do
  [ -x "$program" ] || { echo "skipped: no $program (not built)"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
problem() { echo "$*"; failed=1; }
browser() {  # the network is closed and the profile new: nothing to wait for
  timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$(mktemp -d "$work/profile-XXXX")" "$@" 2>>"$work/chromium.err"
}

cp "$ROOT/examples/sample.pub" "$work/"
"$HOSTSIM" --publication "$work/sample.pub" --out "$work/sample.ps" --no-save >/dev/null
"$ROOT/scripts/inspect" "$work/sample.ps" --traps --resolution 150 --out "$work/out" >/dev/null ||
  problem "the inspector failed: exit status $?"
report="$work/out/report.html"
[ -s "$report" ] || { echo "no $report"; exit 1; }

browser --window-size=1200,2400 --screenshot="$work/shot.png" "file://$report" >/dev/null
colours=$(convert "$work/shot.png" -format %k info: 2>&1)
[ "${colours:-0}" -gt 50 ] 2>/dev/null || problem "the rendered report is blank: $colours colours"

# The page's pictures as the browser loaded them: a copy of the report beside it, with a
# script that lists each picture that did not load (the report itself has none).
sed 's#</body></html>##' "$report" >"$work/out/check.html"
cat >>"$work/out/check.html" <<'HTML'
<script>
window.addEventListener("load", function () {
  var broken = [];
  for (var img of document.images) if (!img.complete || img.naturalWidth === 0) broken.push(img.getAttribute("src"));
  var out = document.createElement("pre");
  out.id = "loaded";
  out.textContent = document.images.length + " pictures, not loaded: " + (broken.join(" ") || "none");
  document.body.appendChild(out);
});
</script></body></html>
HTML
loaded=$(browser --virtual-time-budget=10000 --dump-dom "file://$work/out/check.html" | sed -n 's/.*<pre id="loaded">\([^<]*\).*/\1/p')
pictures=$(cd "$work/out" && ls ./*.png | wc -l)
[ "$loaded" = "$pictures pictures, not loaded: none" ] ||
  problem "in the browser: ${loaded:-no answer} (the folder holds $pictures pictures)"
[ "$failed" = 0 ] || tail -5 "$work/chromium.err"
exit "$failed"
