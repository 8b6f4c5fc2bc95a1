// The publication's style record "CCC": the styles that zones or the default use.
#pragma once

namespace orvane {

// Both work on Module().currentStyleList and do nothing when there is none.
// The load adds the styles read whole; false when the record is there but could not
// be read to its end (a style cut short is not added) or is not one of ours.
bool LoadStyleRecord();
void SaveStyleRecord();

}  // namespace orvane
