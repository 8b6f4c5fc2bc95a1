// One print job of the simulated Host: the notifications in the order a Host
// emits them while it writes its own PostScript, with the plug-in's text put in
// at the place of each notification.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "hostsim/SimHost.h"

namespace hostsim {

struct NotificationOutcome {
    std::uint32_t identifier = 0;
    std::int16_t status = 0;
    std::int32_t result = 0;
};

struct PrintJobResult {
    bool cancelled = false;  // the plug-in stored 1 at print start
    int sheets = 0;
    std::vector<NotificationOutcome> notifications;
    std::string postscript;  // the whole job
    bool AllSucceeded() const;
};

// 102 (a result of 1 cancels the job), 105 in the document setup, 107 in the page
// device setup, 110 at the start of every sheet before its content, 118 in the
// trailer, then 2 with code 531 and class 0x200; each only when the plug-in
// registered for it.
PrintJobResult RunPrintJob(SimHost& host);

}  // namespace hostsim
