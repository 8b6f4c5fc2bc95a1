// What the simulated Host paints on a printed sheet: a swatch of each colour, the
// page's strip of abutting bars, the page number and the publication's name.
// Process colours and colours of no ink of their own are CMYK; a spot colour paints
// in a Separation colour space of its ink, a colour made of inks in a DeviceN space
// of those inks, so that a device that separates gives each ink its plate.
#pragma once
#include <ostream>

#include "hostsim/PrintedSheets.h"
#include "hostsim/Publication.h"

namespace hostsim {

void WritePageMarks(std::ostream& out, const Publication& publication, const PrintedSheet& sheet);

}  // namespace hostsim
