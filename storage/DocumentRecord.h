// The publication's document record "AAA": document-wide settings and trap zones.
#pragma once

namespace orvane {

class TrapZoneList;

// Replaces `zones` with the stored zones and fills Settings(). Result 1, or 0 when
// a stored page could not be found again and was dropped, or the record could not
// be read whole. Nothing half-read is kept: a record whose head (mark, settings,
// zone count) fails gives the settings of a publication without a record and no
// zone; a zone cut short is dropped, the zones before it are kept.
int LoadDocumentRecord(TrapZoneList& zones);

// Writes the settings and zones, marks every style a zone names as in use and
// attaches each zoned page's label.
void SaveDocumentRecord(const TrapZoneList& zones);

}  // namespace orvane
