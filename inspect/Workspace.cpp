#include "inspect/Workspace.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace orvane::inspect {

namespace fs = std::filesystem;

Workspace::Workspace(const std::string& out) {
    std::string name = out + "/.inspect-XXXXXX";
    if (mkdtemp(name.data()) == nullptr) throw std::runtime_error("cannot make a folder of its own in " + out);
    dir_ = name;
    for (const char* sub : {"gs", "separations", "plates"}) fs::create_directory(Path(sub));
}

Workspace::~Workspace() {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
}

void ReplacePictures(const std::string& out, const std::vector<std::string>& from, const std::vector<std::string>& names) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(out, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 9 && name.compare(0, 5, "page-") == 0 && name[5] >= '0' && name[5] <= '9' &&
            name.compare(name.size() - 4, 4, ".png") == 0)
            fs::remove(entry.path(), error);
    }
    for (std::size_t i = 0; i < from.size() && i < names.size(); ++i) {
        fs::rename(from[i], out + "/" + names[i], error);
        if (error) throw std::runtime_error("cannot move " + names[i] + " into " + out + ": " + error.message());
    }
}

}  // namespace orvane::inspect
