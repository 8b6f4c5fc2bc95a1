// The publication's style record "CCC": the styles that zones or the default use.
#pragma once

namespace orvane {

// Both work on Module().currentStyleList and do nothing when there is none.
void LoadStyleRecord();
void SaveStyleRecord();

}  // namespace orvane
