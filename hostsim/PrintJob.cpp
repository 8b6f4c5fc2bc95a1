#include "hostsim/PrintJob.h"

#include <algorithm>
#include <sstream>

#include "hostsim/JobText.h"
#include "hostsim/PageMarks.h"
#include "hostsim/PrintedSheets.h"

namespace hostsim {

namespace {

constexpr std::uint16_t kJobEndCode = 531;
constexpr std::uint16_t kJobEndClass = 0x200;

class JobWriter {
public:
    JobWriter(SimHost& host, PrintJobResult& result) : host_(host), result_(result) {}

    // Sends a notification the plug-in registered for and puts what it wrote at this
    // point of the job.
    std::int32_t Notify(std::uint32_t identifier, void* details = nullptr)
    {
        const std::vector<std::int32_t>& registered = host_.registered;
        if (std::find(registered.begin(), registered.end(), static_cast<std::int32_t>(identifier)) == registered.end()) {
            return 0;
        }
        std::size_t before = host_.job.size();
        NotificationOutcome outcome;
        outcome.identifier = identifier;
        if (details == nullptr) {
            outcome.status = host_.Notify(identifier, &outcome.result);
        } else {
            outcome.status = host_.Notify(identifier, &outcome.result, details);
        }
        result_.notifications.push_back(outcome);
        host_.log.push_back("notification " + std::to_string(identifier) + " -> status " +
                            std::to_string(outcome.status) + ", result " + std::to_string(outcome.result));
        if (host_.job.size() > before) out_ << host_.job.substr(before);
        return outcome.result;
    }
    std::ostringstream& Out() { return out_; }

private:
    SimHost& host_;
    PrintJobResult& result_;
    std::ostringstream out_;
};

}  // namespace

bool PrintJobResult::AllSucceeded() const
{
    return std::all_of(notifications.begin(), notifications.end(),
                       [](const NotificationOutcome& n) { return n.status == 0; });
}

PrintJobResult RunPrintJob(SimHost& host)
{
    PrintJobResult result;
    JobWriter writer(host, result);
    std::ostringstream& out = writer.Out();
    const Publication& pub = host.publication;

    out << "%!PS-Adobe-3.0\n%%Creator: hostsim\n%%Title: " << Plain(BaseName(pub.name)) << "\n";
    out << "%%BoundingBox: 0 0 " << pub.paperWidth / 20 << " " << pub.paperHeight / 20 << "\n";
    out << "%%LanguageLevel: 3\n%%EndComments\n";
    result.cancelled = writer.Notify(102) == 1;

    if (!result.cancelled) {
        std::vector<PrintedSheet> sheets = SheetsToPrint(pub);
        result.sheets = static_cast<int>(sheets.size());
        out << "%%BeginProlog\n%%EndProlog\n%%BeginSetup\n";
        writer.Notify(105);
        out << "<< /PageSize [" << Points(pub.paperWidth) << " " << Points(pub.paperHeight) << "] >> setpagedevice\n";
        writer.Notify(107);
        out << "%%EndSetup\n";
        int ordinal = 0;
        for (const PrintedSheet& sheet : sheets) {
            ++ordinal;
            out << "%%Page: " << sheet.firstPage << " " << ordinal << "\n";
            writer.Notify(110);
            WritePageMarks(out, pub, sheet);
        }
        out << "%%Trailer\n";
    } else {
        out << "% The job was cancelled at print start.\n";
    }
    writer.Notify(118);
    out << "%%EOF\n";
    orvane::NotificationDetails details{kJobEndCode, kJobEndClass};
    writer.Notify(2, &details);
    result.postscript = out.str();
    return result;
}

}  // namespace hostsim
