// Shared by the dialog tests: a loaded plug-in in the Host stand-in with the
// in-memory dialogs reset, and helpers to script what the user does.
#pragma once
#include <functional>
#include <string>
#include <utility>

#include "platform/portable/PortableDialog.h"
#include "tests/TestHost.h"

namespace orvane::test {

class DialogTestHost : public TestHost {
public:
    DialogTestHost()
    {
        platform::ResetPortableDialogs();
        Module().decimalSeparator = '.';
        Module().thousandsSeparator = ',';
    }
    ~DialogTestHost() { platform::ResetPortableDialogs(); }

    // Queues what the user does in the next dialog that opens.
    void Then(platform::DialogSession session) { platform::PortableDialogs().sessions.push_back(std::move(session)); }

    const platform::ClosedDialog& LastClosed(int templateId) const
    {
        const auto& closed = platform::PortableDialogs().closed;
        for (auto it = closed.rbegin(); it != closed.rend(); ++it) {
            if (it->templateId == templateId) return *it;
        }
        static const platform::ClosedDialog none;
        return none;
    }

    std::vector<std::string> MessageTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : platform::Portable().messageBoxes) texts.push_back(box.text);
        return texts;
    }
};

}  // namespace orvane::test
