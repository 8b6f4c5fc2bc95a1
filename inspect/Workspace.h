// The inspector's own folder for one run, inside the output folder (so that what it
// makes moves into place by renaming): Ghostscript's temporary files, the separations,
// the pictures being made. Removed with everything in it when the run ends.
#pragma once
#include <string>
#include <vector>

namespace orvane::inspect {

class Workspace {
public:
    // Throws std::runtime_error when the folder cannot be made.
    explicit Workspace(const std::string& out);
    ~Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    std::string Path(const std::string& name) const { return dir_ + "/" + name; }

private:
    std::string dir_;
};

// Replaces the pictures of an earlier run (page-NNNN*.png) in `out` by the files named,
// moved there from `from` under their new names (same count as `names`).
void ReplacePictures(const std::string& out, const std::vector<std::string>& from, const std::vector<std::string>& names);

}  // namespace orvane::inspect
