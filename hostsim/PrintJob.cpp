#include "hostsim/PrintJob.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "hostsim/PrintedSheets.h"

namespace hostsim {

namespace {

constexpr std::uint16_t kJobEndCode = 531;
constexpr std::uint16_t kJobEndClass = 0x200;
constexpr std::size_t kMaxSwatches = 12;

std::string Points(std::int32_t twentieths)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", twentieths / 20.0);
    return text;
}

std::string Fraction(std::int16_t thousandths)
{
    double value = std::min(1000, std::max(0, static_cast<int>(thousandths))) / 1000.0;
    char text[16];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

// Printable ASCII only, for comments and PostScript strings.
std::string Plain(const std::string& text)
{
    std::string out;
    for (char c : text) {
        bool printable = c >= 32 && c < 127 && c != '(' && c != ')' && c != '\\';
        out += printable ? c : '_';
    }
    return out;
}

std::string BaseName(const std::string& path)
{
    std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

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

void WriteSheet(std::ostringstream& out, const Publication& pub, const PrintedSheet& sheet)
{
    std::string pageW = Points(pub.pageWidth), pageH = Points(pub.pageHeight);
    out << "save\n";
    out << Points((pub.paperWidth - pub.pageWidth) / 2) << " " << Points((pub.paperHeight - pub.pageHeight) / 2)
        << " translate\n";
    out << "0 0 0 0 setcmykcolor 0 0 " << pageW << " " << pageH << " rectfill\n";
    std::size_t count = std::min(pub.colors.size(), kMaxSwatches);
    for (std::size_t i = 0; i < count; ++i) {
        const SimColor& color = pub.colors[i];
        out << "% swatch " << Plain(color.name) << "\n";
        out << Fraction(color.c) << " " << Fraction(color.m) << " " << Fraction(color.y) << " " << Fraction(color.k)
            << " setcmykcolor\n";
        std::string box = std::to_string(36 + 60 * static_cast<int>(i % 4)) + " " +
                          std::to_string(500 - 140 * static_cast<int>(i / 4)) + " 50 120";
        out << box << " rectfill\n0 0 0 1 setcmykcolor 0.5 setlinewidth " << box << " rectstroke\n";
    }
    std::string label = sheet.firstPage == sheet.lastPage
                            ? "Page " + std::to_string(sheet.firstPage)
                            : "Pages " + std::to_string(sheet.firstPage) + "-" + std::to_string(sheet.lastPage);
    out << "0 0 0 1 setcmykcolor\n/Helvetica findfont 24 scalefont setfont\n";
    out << "36 660 moveto (" << label << ") show\n";
    out << "/Helvetica findfont 10 scalefont setfont\n36 640 moveto (" << Plain(BaseName(pub.name)) << ") show\n";
    out << "restore\nshowpage\n";
}

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
            WriteSheet(out, pub, sheet);
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
