#include "inspect/HelpText.h"

namespace orvane::inspect {

const char* const kHelpIntro = R"TEXT(Runs the PostScript job JOB.ps, whoever wrote it, in Ghostscript on a device that
traps with type 1001, and reports on standard output:
  - the trap setup: each trap style with every parameter as the device received it;
    the inks with neutral density, colorant type and trapping order; per page each
    trap zone (its rectangle in points, its style, enabled or not); the pages
    without trapping;
  - what the device would refuse: each parameter out of range or of the wrong type,
    each style or ink named but never defined, each zone naming an unknown style,
    with the page and the name; and a warning for each style with TrapWidth,
    BlackWidth, BlackDensityLimit or ImageResolution of 0, which a device may refuse.
DIR/report.html holds the report and every picture of the run, page by page, for a
browser (offline, no script). Each page also becomes a picture, DIR/page-NNNN.png: the page as rendered, each trap
zone outlined in a colour per style (dashed when disabled) and labelled with its
style, and a legend.

With --plates, each page pictured also becomes its plates, as Ghostscript separates
it: DIR/page-NNNN-<ink>.png per ink, process and spot, film-style (black is 100 %
ink; in <ink> every character other than a letter, a digit, - and _ is _), and
DIR/page-NNNN-coverage.png, the page with the areas of more ink in all than
--ink-limit marked red. The report adds per page the highest total ink, the area over
the limit and each ink's share of the page.

With --traps, also the trap preview: the traps that a device following the trapping
model of PostScript LanguageLevel 3 would make inside each enabled trap zone, with the
parameters and inks the device received for it. DIR/page-NNNN-<ink>-trapped.png is
each plate with its traps, DIR/page-NNNN-traps.png the page with every trap area
marked in its style's colour (drawn wider than it is, to show at page scale) and a
legend. The report says per page and zone which inks spread into which, where the
trap lies, how wide it is and how long an edge it runs along, and the edges left
untrapped, with the reason (step limit, no gap, ignored ink, zone disabled, width 0);
each with the rule that decided it (in the JSON: rule); edges against bare paper,
which never need a trap, in one line per page (in the JSON: paperEdges). Each pair
of colours that traps (the first 24 of a page) gets an enlarged crop of one of its
edges, without its traps, with them, and the pixels they changed in red:
DIR/page-NNNN-trap-K.png. The model the preview follows (a device may
differ in detail):
  - A colour is the tint of every ink at a point. Where two colours meet, a trap is
    needed only when each side has an ink higher than on the other side by more than
    StepLimit of its higher tint; otherwise misregistration shows no gap. Transparent
    inks are left out of that test; an edge with an OpaqueIgnore ink on either side
    gets no trap.
  - Neutral density (ND) of a colour: the sum of tint x the ink's NeutralDensity. The
    lighter colour's higher inks spread into the darker side. When lighter ND /
    darker ND >= SlidingTrapLimit, the trap straddles the edge, half on each side
    (centre); otherwise all of it lies on the darker side (spread).
  - Width: TrapWidth points; where the darker side is black (an ink of ND >=
    BlackDensityLimit at a tint >= BlackColorLimit), BlackWidth x TrapWidth. A width
    of 0 makes no trap.
  - A spread trap adds the lighter side's higher inks on the darker side; in a centre
    trap each side gets, over its half, the other side's higher inks. Each ink added
    comes at own + (source - own) x TrapColorScaling (the ink's ColorantZoneDetails
    value where it has one): at 1 the full tint of the side it comes from, at 0
    nothing; the simulated device's default is 1.
  - Disabled zones, pages outside every zone and jobs without trapping get no traps;
    where zones overlap, the one set last on the page holds.
  - An ink the job gives no NeutralDensity takes Cyan 0.61, Magenta 0.76, Yellow
    0.16, Black 1.7, any other 1.0.

Where Ghostscript provides no trapping device (it has none of its own), the device is
a simulated one, inspect/trap-device.ps: it takes and checks trap parameters, inks
and zones as a device of type 1001 does, but does not trap; the pictures show the
page untrapped. The job runs with -dSAFER and can write no file outside the
inspector's own temporary folder.

)TEXT";

const char* const kHelpEnd = R"TEXT(On a terminal a progress line (pages done / pages in all) goes to standard error.
Exit status: 0 clean; 1 the device would refuse something; 2 the job does not run
through (Ghostscript's error and the line of the job where it stopped go to standard
error), the inspector could not run (the plates of a page included) or was stopped
(Ctrl-C, SIGTERM, SIGHUP: Ghostscript ends with it, and its own folder goes).
Needs gs (package ghostscript). scripts/inspect builds the inspector (optimised) when it
is missing or older than its sources, and runs it.
)TEXT";

}  // namespace orvane::inspect
