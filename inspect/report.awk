# Turns the events of inspect.ps into the inspector's report: text, or JSON with
# json=1. Variables: job (its path), announced (pages its %%Page: comments announce,
# 0 when none), pictures (folder of the pictures), progress (1: a progress line on
# standard error). Texts in events are escaped (\t \n \\ \ooo) and stay so in the text
# report; JSON gets the characters, bytes above 127 as U+0080 to U+00FF.
# Exit status: 0 clean, 1 the device would refuse something, 2 the job does not run
# through (its error goes to standard error).
BEGIN {
  FS = "\t"; marker = "@@inspect\t"
  nstyles = 0; nsets = 0; ninks = 0; norder = 0; nzones = 0; nrefused = 0; npictures = 0
  nswitches = 0; pages = 0; ended = 0; failed = 0
  for (i = 0; i < 8; i++) octal[i ""] = i
  for (i = 1; i < 256; i++) code[sprintf("%c", i)] = i
}

{
  at = index($0, marker)
  if (at == 0) next                                # the job's own output
  $0 = substr($0, at + length(marker))
}

$1 == "style" {
  name = $2
  if (!(name in styleIndex)) { styleIndex[name] = ++nstyles; styleName[nstyles] = name }
  s = styleIndex[name]; nparams[s] = 0
  for (i = 3; i + 1 <= NF; i += 2) { k = ++nparams[s]; paramKey[s, k] = $i; paramValue[s, k] = $(i + 1) }
  sortParams(s)
  next
}
$1 == "inkset" { if (!($2 in setSeen)) { setSeen[$2] = 1; setName[++nsets] = $2 }; next }
$1 == "trapping" { switchPage[++nswitches] = $2; switchValue[nswitches] = $3; next }
$1 == "details" { ninks = 0; norder = 0; next }
$1 == "ink" { ++ninks; inkName[ninks] = $2; inkDensity[ninks] = $3; inkType[ninks] = substr($4, 2); next }
$1 == "order" { norder = 0; for (i = 2; i <= NF; i++) orderName[++norder] = $i; next }
$1 == "zone" {
  ++nzones; zonePage[nzones] = $2; zoneStyle[nzones] = $3; zoneKnown[nzones] = $4; zoneOn[nzones] = $5
  zoneRect[nzones] = num($6) " " num($7) " " num($8) " " num($9)
  if ($4 == "false") unknownZone[$2, $3] = 1
  next
}
$1 == "refuse" {
  ++nrefused; refPage[nrefused] = $2; refSubject[nrefused] = $3; refKey[nrefused] = $4
  refValue[nrefused] = $5; refError[nrefused] = $6; refRange[nrefused] = $7
  next
}
$1 == "picture" { pictureOf[++npictures] = $2; next }
$1 == "page" {
  pages = $2 + 0
  if (progress) {
    printf "\rinspect: page %d%s", pages, (announced > 0 ? " of " announced : "") > "/dev/stderr"
    fflush("/dev/stderr")
  }
  next
}
$1 == "error" { failed = 1; errName = $2; errCommand = $3; errAt = $4; next }
$1 == "end" { ended = 1; pages = $2 + 0; next }

END {
  if (progress) { printf "\r\033[K" > "/dev/stderr"; fflush("/dev/stderr") }
  groupRefusals()
  short = announced > pages && !failed
  if (failed) locateError()
  sortInks()
  status = (failed || short || !ended) ? 2 : (ngroups > 0 ? 1 : 0)
  if (json) writeJson(); else writeText()
  if (failed) {
    print "inspect: the job does not run: Error: /" errName (errCommand == "" ? "" : " in " errCommand) > "/dev/stderr"
    print "inspect: " errWhere > "/dev/stderr"
    if (errHint != "") print "inspect: " errHint > "/dev/stderr"
  } else if (short) {
    print "inspect: " shortText() > "/dev/stderr"
  } else if (!ended) {
    print "inspect: the interpreter stopped before the end of the job" > "/dev/stderr"
  }
  exit status
}

function num(v) { v = sprintf("%.2f", v + 0); sub(/0+$/, "", v); sub(/\.$/, "", v); if (v == "-0") v = "0"; return v }

function sortParams(s,   i, j, k, v) {
  for (i = 2; i <= nparams[s]; i++) {
    k = paramKey[s, i]; v = paramValue[s, i]
    for (j = i - 1; j >= 1 && paramKey[s, j] > k; j--) { paramKey[s, j + 1] = paramKey[s, j]; paramValue[s, j + 1] = paramValue[s, j] }
    paramKey[s, j + 1] = k; paramValue[s, j + 1] = v
  }
}

# One message per kind of refusal, with the pages it happens on.
function refusalText(i,   key, value, err, subject, what) {
  key = refKey[i]; value = refValue[i]; err = refError[i]; subject = refSubject[i]
  if (err == "undefinedresource") {
    sub(/^\//, "", value)
    if (key == "TrapParams") return "the style " value " is named but never defined"
    return "the ink set " value " is named but never defined"
  }
  if (key == "NeutralDensity" || key == "ColorantType") what = "ink " subject
  else if (key == "Type" || key == "ColorantDetails" || key == "TrappingOrder") what = "TrappingDetails"
  else if (key == "Trapping" || key == "TrappingDetails") what = "page device"
  else if (subject == "") what = "trap parameters"
  else what = "style " subject
  if (key == "TrappingOrder" && err == "undefined") {
    sub(/^\//, "", value)
    return "the trapping order names the ink " value ", which ColorantDetails does not define"
  }
  if (err == "undefined" && value == "null") return what ": " key " is missing"
  if (err == "undefined") return what ": " key " is not a trap parameter"
  if (err == "typecheck") return what ": " key " " value " is of the wrong type; it must be " refRange[i]
  return what ": " key " " value " is out of range; it must be " refRange[i]
}

function groupRefusals(   i, z, text, g) {
  ngroups = 0
  for (i = 1; i <= nrefused; i++) {
    # A style looked up for a zone is reported with the zone.
    if (refError[i] == "undefinedresource" && refKey[i] == "TrapParams") {
      text = refValue[i]; sub(/^\//, "", text)
      if ((refPage[i], text) in unknownZone) continue
    }
    text = refusalText(i)
    if (!(text in groupOf)) { groupOf[text] = ++ngroups; groupText[ngroups] = text; groupPages[ngroups] = "" ; groupFirst[ngroups] = i }
    addPage(groupOf[text], refPage[i])
  }
  for (z = 1; z <= nzones; z++) {
    if (zoneKnown[z] != "false") continue
    text = "a zone names the style " zoneStyle[z] ", which the job never defines"
    if (!(text in groupOf)) { groupOf[text] = ++ngroups; groupText[ngroups] = text; groupPages[ngroups] = ""; groupFirst[ngroups] = 0; groupZone[ngroups] = z }
    addPage(groupOf[text], zonePage[z])
  }
}

function addPage(g, p) {
  if (groupPages[g] == "") groupPages[g] = p
  else if (groupLast[g] != p) groupPages[g] = groupPages[g] " " p
  groupLast[g] = p
}

# "1 2 3 5" -> "1-3, 5"
function ranges(pagesList,   n, i, out, start, prev, p) {
  n = split(pagesList, list, " ")
  out = ""
  for (i = 1; i <= n; i++) {
    p = list[i] + 0
    if (i == 1) { start = p; prev = p; continue }
    if (p == prev + 1) { prev = p; continue }
    out = out (out == "" ? "" : ", ") (start == prev ? start : start "-" prev)
    start = p; prev = p
  }
  if (n > 0) out = out (out == "" ? "" : ", ") (start == prev ? start : start "-" prev)
  return out
}

function trappingOn(p,   i, on) {
  on = "false"
  for (i = 1; i <= nswitches && switchPage[i] + 0 <= p; i++) on = switchValue[i]
  return on == "true"
}

function untrappedPages(   p, z, out) {
  for (z = 1; z <= nzones; z++) if (zoneOn[z] == "true") trapped[zonePage[z] + 0] = 1
  out = ""
  for (p = 1; p <= pages; p++) if (!(p in trapped) || !trappingOn(p)) out = out (out == "" ? "" : " ") p
  return out
}

# Inks in trapping order, then those outside it by name.
function sortInks(   i, j, k, n, d, t) {
  for (i = 1; i <= ninks; i++) inkRank[i] = orderOf(inkName[i]) ? sprintf("0%06d", orderOf(inkName[i])) : "1" inkName[i]
  for (i = 2; i <= ninks; i++) {
    k = inkRank[i]; n = inkName[i]; d = inkDensity[i]; t = inkType[i]
    for (j = i - 1; j >= 1 && inkRank[j] > k; j--) {
      inkRank[j + 1] = inkRank[j]; inkName[j + 1] = inkName[j]; inkDensity[j + 1] = inkDensity[j]; inkType[j + 1] = inkType[j]
    }
    inkRank[j + 1] = k; inkName[j + 1] = n; inkDensity[j + 1] = d; inkType[j + 1] = t
  }
}

function orderOf(name,   i) { for (i = 1; i <= norder; i++) if (orderName[i] == name) return i; return 0 }

function picturePath(p) { return pictures "/" sprintf("page-%04d.png", p) }

function shortText() {
  return "the job ends after page " pages " of the " announced " its %%Page: comments announce; is the file cut short?"
}

# Where the interpreter stood: the line that holds the byte before that position.
function locateError(   line, n, offset, text, last) {
  n = 0; offset = 0; last = ""
  while ((getline text < job) > 0) {
    n++
    if (text != "") { last = text; lastLine = n }
    if (errAt != "end" && errAt - 1 < offset + length(text) + 1) { line = n; break }
    offset += length(text) + 1
  }
  close(job)
  if (errAt == "end") { line = lastLine; text = last }
  sub(/\r$/, "", text); sub(/^[ \t]+/, "", text)
  if (length(text) > 100) text = substr(text, 1, 100) "..."
  errLine = line; errText = escape(text)
  errWhere = (errAt == "end" ? "at the end of the file, after line " : "at line ") line " of " job ": " text
  if (errCommand ~ /^--.*--$/) errCommand = ""
  errHint = ""
  if (errName == "syntaxerror" && errAt == "end") errHint = "the job ends inside a procedure or a string; is the file cut short?"
  else if (errName == "undefined") errHint = errCommand " is not defined where the job uses it"
}

function writeText(   s, k, i, z, p, line, list, g, shown) {
  print "Job: " job
  print "Pages: " pages (announced > pages ? " of the " announced " announced" : "")
  print ""
  print "Trap styles, every parameter as the device received it:"
  if (nstyles == 0) print "  none"
  for (s = 1; s <= nstyles; s++) {
    print "  " styleName[s]
    for (k = 1; k <= nparams[s]; k++) printf "    %-22s %s\n", paramKey[s, k], paramValue[s, k]
  }
  print ""
  line = ""
  for (i = 1; i <= nsets; i++) line = line (i > 1 ? ", " : "") setName[i]
  print "Inks" (line == "" ? "" : " (ink set " line ")") ", with neutral density, colorant type and trapping order:"
  if (ninks == 0) print "  none"
  for (i = 1; i <= ninks; i++) {
    p = orderOf(inkName[i])
    printf "  %-20s neutral density %-8s %-13s %s\n", inkName[i], inkDensity[i], inkType[i], (p ? "trapping order " p : "not in the trapping order")
  }
  line = ""
  for (i = 1; i <= norder; i++) line = line (i > 1 ? ", " : "") orderName[i]
  print "Trapping order: " (norder == 0 ? "none" : line)
  line = ""
  for (i = 1; i <= nswitches; i++) line = line (i > 1 ? ", " : "") (switchValue[i] == "true" ? "on" : "off") " from page " switchPage[i]
  print "Trapping in the page device: " (nswitches == 0 ? "never set" : line)
  print ""
  print "Trap zones per page (rectangle in points: left bottom right top):"
  if (nzones == 0) print "  none"
  for (z = 1; z <= nzones; z++)
    printf "  page %-5s %s, %s, %s%s\n", zonePage[z], zoneStyle[z], (zoneOn[z] == "true" ? "enabled" : "disabled"),
      zoneRect[z], (zoneKnown[z] == "false" ? " (style not defined)" : "")
  line = ranges(untrappedPages())
  print "Pages without trapping: " (line == "" ? "none" : line)
  print ""
  if (ngroups == 0) print "The device would refuse nothing."
  else {
    print "The device would refuse:"
    for (g = 1; g <= ngroups; g++) {
      n = split(groupPages[g], list, " ")
      print "  page" (n > 1 ? "s " : " ") ranges(groupPages[g]) ": " groupText[g]
    }
  }
  if (failed) print "The job stops with Error: /" errName (errCommand == "" ? "" : " in " errCommand) ", " errWhere
  else if (short) print "The device got less than the whole job: " shortText()
  print ""
  if (npictures == 0) print "Pictures: none"
  else if (npictures <= 12) {
    line = ""
    for (i = 1; i <= npictures; i++) line = line (i > 1 ? ", " : "") sprintf("page-%04d.png", pictureOf[i])
    print "Pictures in " pictures ": " line
  } else {
    print "Pictures in " pictures ": " sprintf("page-%04d.png", pictureOf[1]) " to " sprintf("page-%04d.png", pictureOf[npictures]) " (" npictures ")"
  }
}

# A raw text escaped as the events escape it.
function escape(s,   out, i, c, n) {
  out = ""; n = length(s)
  for (i = 1; i <= n; i++) {
    c = substr(s, i, 1)
    if (c == "\\") out = out "\\\\"
    else if (c == "\t") out = out "\\t"
    else if (code[c] < 32 || code[c] > 126) out = out sprintf("\\%03o", code[c])
    else out = out c
  }
  return out
}

function jstr(s,   out, i, c, n) {
  out = ""
  n = length(s)
  for (i = 1; i <= n; i++) {
    c = substr(s, i, 1)
    if (c == "\"") out = out "\\\""
    else if (c == "\\") {
      c = substr(s, i + 1, 1)
      if (c ~ /[0-7]/) { out = out sprintf("\\u%04x", octal[c] * 64 + octal[substr(s, i + 2, 1)] * 8 + octal[substr(s, i + 3, 1)]); i += 3 }
      else { out = out "\\" c; i++ }
    }
    else out = out c
  }
  return "\"" out "\""
}

# A value as the job gave it: numbers, booleans and null as such, /Name and (string) as strings.
function jvalue(v) {
  if (v ~ /^-?[0-9]+(\.[0-9]+)?([eE][-+]?[0-9]+)?$/) return v
  if (v == "true" || v == "false" || v == "null") return v
  if (v ~ /^\(.*\)$/) return jstr(substr(v, 2, length(v) - 2))
  return jstr(v)
}

function jpages(list,   n, i, out, a) {
  n = split(list, a, " "); out = ""
  for (i = 1; i <= n; i++) out = out (i > 1 ? ", " : "") a[i]
  return "[" out "]"
}

function writeJson(   s, k, i, z, g, sep, p) {
  print "{"
  print "  \"job\": " jstr(escape(job)) ","
  print "  \"pages\": " pages ","
  print "  \"pagesAnnounced\": " (announced > 0 ? announced : "null") ","
  print "  \"styles\": ["
  for (s = 1; s <= nstyles; s++) {
    printf "    {\"name\": %s, \"parameters\": {", jstr(styleName[s])
    for (k = 1; k <= nparams[s]; k++) printf "%s%s: %s", (k > 1 ? ", " : ""), jstr(paramKey[s, k]), jvalue(paramValue[s, k])
    print "}}" (s < nstyles ? "," : "")
  }
  print "  ],"
  printf "  \"inkSets\": ["
  for (i = 1; i <= nsets; i++) printf "%s%s", (i > 1 ? ", " : ""), jstr(setName[i])
  print "],"
  print "  \"inks\": ["
  for (i = 1; i <= ninks; i++) {
    p = orderOf(inkName[i])
    printf "    {\"name\": %s, \"neutralDensity\": %s, \"colorantType\": %s, \"trappingOrder\": %s}%s\n", jstr(inkName[i]),
      (inkDensity[i] == "" ? "null" : jvalue(inkDensity[i])), (inkType[i] == "" ? "null" : jstr(inkType[i])), (p ? p : "null"), (i < ninks ? "," : "")
  }
  print "  ],"
  printf "  \"trappingOrder\": ["
  for (i = 1; i <= norder; i++) printf "%s%s", (i > 1 ? ", " : ""), jstr(orderName[i])
  print "],"
  printf "  \"trapping\": ["
  for (i = 1; i <= nswitches; i++) printf "%s{\"fromPage\": %s, \"on\": %s}", (i > 1 ? ", " : ""), switchPage[i], jvalue(switchValue[i])
  print "],"
  print "  \"zones\": ["
  for (z = 1; z <= nzones; z++) {
    split(zoneRect[z], r, " ")
    printf "    {\"page\": %s, \"style\": %s, \"enabled\": %s, \"styleDefined\": %s, \"rect\": [%s, %s, %s, %s]}%s\n",
      zonePage[z], jstr(zoneStyle[z]), zoneOn[z], zoneKnown[z], r[1], r[2], r[3], r[4], (z < nzones ? "," : "")
  }
  print "  ],"
  print "  \"pagesWithoutTrapping\": " jpages(untrappedPages()) ","
  print "  \"refused\": ["
  for (g = 1; g <= ngroups; g++) {
    i = groupFirst[g]
    if (i > 0)
      printf "    {\"pages\": %s, \"subject\": %s, \"key\": %s, \"value\": %s, \"error\": %s, \"message\": %s}%s\n",
        jpages(groupPages[g]), jstr(refSubject[i]), jstr(refKey[i]), jstr(refValue[i]), jstr(refError[i]), jstr(groupText[g]), (g < ngroups ? "," : "")
    else
      printf "    {\"pages\": %s, \"subject\": %s, \"key\": \"TrapParams\", \"value\": %s, \"error\": \"undefinedresource\", \"message\": %s}%s\n",
        jpages(groupPages[g]), jstr("zone"), jstr("/" zoneStyle[groupZone[g]]), jstr(groupText[g]), (g < ngroups ? "," : "")
  }
  print "  ],"
  if (failed)
    printf "  \"error\": {\"name\": %s, \"command\": %s, \"line\": %s, \"lineText\": %s, \"atEnd\": %s, \"hint\": %s},\n",
      jstr(errName), jstr(errCommand), errLine, jstr(errText), (errAt == "end" ? "true" : "false"), jstr(errHint)
  else if (short)
    printf "  \"error\": {\"name\": null, \"message\": %s},\n", jstr(shortText())
  else print "  \"error\": null,"
  printf "  \"pictures\": ["
  for (i = 1; i <= npictures; i++) printf "%s%s", (i > 1 ? ", " : ""), jstr(escape(picturePath(pictureOf[i])))
  print "],"
  print "  \"status\": " status
  print "}"
}
