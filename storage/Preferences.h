// The preferences file "OrvaneTrp.prf": the user's library of trap styles.
#pragma once

namespace orvane {

// Writes Module().currentStyleList (nothing when empty or missing). 1, or 0 when
// the file cannot be created.
int SavePreferences();

// Replaces the content of Module().currentStyleList with the file's styles. 1, or
// 0 when the file cannot be opened (the list is then unchanged) or ends inside a
// style (the list then holds the styles before it).
int LoadPreferences();

}  // namespace orvane
