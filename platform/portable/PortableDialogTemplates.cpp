// The identified controls of the plug-in's dialog templates (resources/dialogs.rc).
#include "platform/portable/PortableDialog.h"

namespace orvane::platform {

namespace {
using K = ControlKind;

const std::vector<PortableTemplate>& Templates()
{
    static const std::vector<PortableTemplate> templates = {
        {130, "Orvane Trapping Information",
         {{1, K::Button, "OK"}, {2, K::Button, "Cancel"}, {1023, K::ListBox, ""},
          {1011, K::Button, "Styles..."}, {1014, K::Button, "Inks..."}, {1024, K::Button, "Create..."},
          {1025, K::Button, "Modify..."}, {1026, K::Button, "Remove"}, {1021, K::CheckBox, "Trap all pages"},
          {1022, K::CheckBox, "Trapping enabled"}, {1001, K::ComboBox, ""}}},
        {132, "Trap Styles",
         {{1, K::Button, "OK"}, {2, K::Button, "Cancel"}, {1029, K::ListBox, ""},
          {1017, K::Button, "Create..."}, {1016, K::Button, "Modify..."}, {1018, K::Button, "Remove"}}},
        {112, "New Trap Style",
         {{1000, K::Edit, ""}, {1002, K::Edit, ""}, {1003, K::Edit, ""}, {1004, K::Edit, ""},
          {1005, K::Edit, ""}, {1006, K::Edit, ""}, {1012, K::Edit, ""}, {1014, K::Edit, ""},
          {1007, K::ComboBox, ""}, {1013, K::Edit, ""}, {1, K::Button, "OK"}, {2, K::Button, "Cancel"},
          {1008, K::CheckBox, "Trap images to objects"}, {1009, K::CheckBox, "Internal image trapping"},
          {1010, K::Static, "points"}, {1011, K::Static, "points"}}},
        {133, "New Trap Zone",
         {{1, K::Button, "OK"}, {2, K::Button, "Cancel"}, {1001, K::ComboBox, ""}, {1008, K::Edit, ""},
          {1000, K::CheckBox, "Trapping enabled"}}},
        {134, "Inks",
         {{1, K::Button, "OK"}, {2, K::Button, "Cancel"}, {1031, K::ListBox, ""},
          {1032, K::Button, "Modify..."}, {1033, K::Button, "Move up"}, {1035, K::Button, "Move down"}}},
        {166, "Current Ink",
         {{1008, K::Edit, ""}, {1001, K::ComboBox, ""}, {1034, K::Static, "Static"}, {1, K::Button, "OK"},
          {2, K::Button, "Cancel"}}},
    };
    return templates;
}
}  // namespace

const PortableTemplate* FindPortableTemplate(int id)
{
    for (const PortableTemplate& entry : Templates()) {
        if (entry.id == id) return &entry;
    }
    return nullptr;
}

}  // namespace orvane::platform
