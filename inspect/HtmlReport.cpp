#include "inspect/HtmlReport.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

namespace orvane::inspect {
namespace {

const char* const kStyle = R"CSS(
body { font: 14px/1.4 sans-serif; margin: 1.5em; color: #222; max-width: 80em; }
h1 { font-size: 1.5em; } h2 { border-bottom: 2px solid #888; margin-top: 2em; } h3 { margin-bottom: .3em; }
table { border-collapse: collapse; margin: .5em 0; } td, th { border: 1px solid #bbb; padding: .15em .5em; text-align: left; vertical-align: top; }
th { background: #eee; } td.num { text-align: right; }
figure { display: inline-block; margin: .3em; vertical-align: top; } figcaption { font-size: .85em; max-width: 40em; }
img.page { max-width: 38em; border: 1px solid #999; } img.thumb { width: 9em; border: 1px solid #999; }
img.crop { max-width: 41em; border: 1px solid #999; }
.refused { color: #a00; } .warning { color: #a60; } .quiet { color: #666; }
)CSS";

std::string Html(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

// A picture's name in the report's folder: the pictures lie beside it.
std::string Local(const Json& path) {
    const std::string p = path.is_string() ? path.get<std::string>() : std::string();
    return p.substr(p.find_last_of('/') + 1);
}

// Any value of the JSON in words: objects as "key value, ...", lists joined, a rule by its text.
std::string Words(const Json& v) {
    if (v.is_null()) return "";
    if (v.is_string()) return v.get<std::string>();
    if (v.is_object() && v.contains("text") && v["text"].is_string()) return v["text"].get<std::string>();
    std::string out;
    if (v.is_object()) {
        for (const auto& [key, value] : v.items()) out += (out.empty() ? "" : ", ") + key + " " + Words(value);
        return out.empty() ? "paper" : out;
    }
    if (v.is_array()) {
        for (const auto& item : v) out += (out.empty() ? "" : ", ") + Words(item);
        return out;
    }
    return v.dump();
}

std::string Picture(const std::string& file, const char* cls, const std::string& caption) {
    return "<figure><a href=\"" + Html(file) + "\"><img class=\"" + cls + "\" src=\"" + Html(file) + "\" alt=\"" +
           Html(caption) + "\"></a><figcaption>" + Html(caption) + "</figcaption></figure>\n";
}

// The page of a picture page-NNNN....png.
int PageOf(const std::string& name) { return std::atoi(name.c_str() + std::min<std::size_t>(5, name.size())); }

// The entries of the report's list `key` that belong to a page.
std::vector<const Json*> OfPage(const Json& report, const std::string& key, int page) {
    std::vector<const Json*> out;
    if (!report.contains(key) || !report[key].is_array()) return out;
    for (const auto& entry : report[key])
        if (entry.is_object() && entry.value("page", -1) == page) out.push_back(&entry);
    return out;
}

// A table of entries, a column per key (but the page), in the order first met.
void Table(std::ostream& out, const std::vector<const Json*>& entries) {
    std::vector<std::string> keys;
    for (const Json* e : entries)
        for (const auto& item : e->items())
            if (item.key() != "page" && std::find(keys.begin(), keys.end(), item.key()) == keys.end()) keys.push_back(item.key());
    out << "<table><tr>";
    for (const auto& k : keys) out << "<th>" << Html(k) << "</th>";
    out << "</tr>\n";
    for (const Json* e : entries) {
        out << "<tr>";
        for (const auto& k : keys) {
            const Json v = e->contains(k) ? (*e)[k] : Json();
            out << (v.is_number() ? "<td class=\"num\">" : "<td>");
            out << (k == "crop" && v.is_string() ? "<a href=\"" + Html(Local(v)) + "\">crop</a>" : Html(Words(v))) << "</td>";
        }
        out << "</tr>\n";
    }
    out << "</table>\n";
}

void Setup(std::ostream& out, const Json& r) {
    out << "<h2 id=\"setup\">Setup</h2>\n<h3>Trap styles, every parameter as the device received it</h3>\n";
    std::vector<std::string> keys;
    for (const auto& s : r["styles"])
        for (const auto& item : s["parameters"].items())
            if (std::find(keys.begin(), keys.end(), item.key()) == keys.end()) keys.push_back(item.key());
    std::sort(keys.begin(), keys.end());
    if (r["styles"].empty()) out << "<p class=\"quiet\">none</p>\n";
    else {
        out << "<table><tr><th>parameter</th>";
        for (const auto& s : r["styles"]) out << "<th>" << Html(Words(s["name"])) << "</th>";
        out << "</tr>\n";
        for (const auto& k : keys) {
            out << "<tr><th>" << Html(k) << "</th>";
            for (const auto& s : r["styles"])
                out << "<td>" << (s["parameters"].contains(k) ? Html(Words(s["parameters"][k])) : "") << "</td>";
            out << "</tr>\n";
        }
        out << "</table>\n";
    }
    out << "<h3>Inks</h3>\n";
    if (r["inks"].empty()) out << "<p class=\"quiet\">none</p>\n";
    else Table(out, [&] { std::vector<const Json*> v; for (const auto& i : r["inks"]) v.push_back(&i); return v; }());
    out << "<p>Trapping order: " << Html(Words(r["trappingOrder"])) << "</p>\n<h3>Trap zones per page</h3>\n";
    if (r["zones"].empty()) out << "<p class=\"quiet\">none</p>\n";
    else {
        out << "<table><tr><th>page</th><th>style</th><th>enabled</th><th>rectangle (points)</th></tr>\n";
        for (const auto& z : r["zones"])
            out << "<tr><td class=\"num\">" << z["page"] << "</td><td>" << Html(Words(z["style"])) << "</td><td>"
                << (z["enabled"] == true ? "enabled" : "disabled") << "</td><td>" << Html(Words(z["rect"])) << "</td></tr>\n";
        out << "</table>\n";
    }
    out << "<p>Pages without trapping: " << (r["pagesWithoutTrapping"].empty() ? "none" : Html(Words(r["pagesWithoutTrapping"])))
        << "</p>\n<h3>What a device would refuse</h3>\n";
    if (r["refused"].empty()) out << "<p>nothing</p>\n";
    for (const auto& f : r["refused"])
        out << "<p class=\"refused\">pages " << Html(Words(f["pages"])) << ": " << Html(Words(f["message"])) << "</p>\n";
    out << "<h3>Warnings</h3>\n";
    if (!r.contains("warnings") || r["warnings"].empty()) out << "<p>none</p>\n";
    else for (const auto& w : r["warnings"])
        out << "<p class=\"warning\">pages " << Html(Words(w["pages"])) << ": " << Html(Words(w["message"])) << "</p>\n";
}

void Page(std::ostream& out, const Json& r, int page, const std::string& picture) {
    out << "<h2 id=\"page-" << page << "\">Page " << page << "</h2>\n";
    out << Picture(picture, "page", "Page " + std::to_string(page) + " with its trap zones");
    std::set<std::string> shown = {picture};
    const auto plates = OfPage(r, "plates", page);
    const Json files = plates.empty() ? Json::array() : (*plates[0])["files"];
    auto file = [&](const std::string& suffix) -> std::string {
        for (const auto& f : files)
            if (Local(f).size() >= suffix.size() && Local(f).compare(Local(f).size() - suffix.size(), suffix.size(), suffix) == 0)
                return Local(f);
        return "";
    };
    if (!plates.empty()) {
        const Json& p = *plates[0];
        if (!p["problem"].is_null()) out << "<p class=\"refused\">No plates: " << Html(Words(p["problem"])) << "</p>\n";
        out << "<h3>Plates</h3>\n<div>";
        for (std::size_t i = 0; i < p["inks"].size() && i < files.size(); ++i) {
            out << Picture(Local(files[i]), "thumb", Words(p["inks"][i]));
            shown.insert(Local(files[i]));
        }
        out << "</div>\n";
        // With traps, the plates with them follow the coverage, in the same order.
        const std::size_t inks = p["inks"].size();
        if (files.size() > 2 * inks && Local(files[2 * inks]).find("-trapped.png") != std::string::npos) {
            out << "<h3>Plates with the traps of the preview</h3>\n<div>";
            for (std::size_t i = 0; i < inks; ++i) {
                out << Picture(Local(files[inks + 1 + i]), "thumb", Words(p["inks"][i]) + " with traps");
                shown.insert(Local(files[inks + 1 + i]));
            }
            out << "</div>\n";
        }
    }
    const std::string traps = file("-traps.png");
    if (!traps.empty()) {
        out << "<h3>Traps</h3>\n" << Picture(traps, "page", "The traps, drawn wider than they are") << "<div>";
        shown.insert(traps);
        for (const Json* t : OfPage(r, "traps", page))
            if ((*t)["crop"].is_string()) {
                out << Picture(Local((*t)["crop"]), "crop", Words((*t)["rule"]));
                shown.insert(Local((*t)["crop"]));
            }
        out << "</div>\n";
    }
    const std::string coverage = file("-coverage.png");
    if (!coverage.empty()) {
        out << "<h3>Ink coverage</h3>\n" << Picture(coverage, "page", "Red: more ink in all than the limit");
        shown.insert(coverage);
        for (const Json* c : OfPage(r, "coverage", page)) Table(out, {c});
    }
    bool more = false;
    for (const auto& f : files)
        if (!shown.count(Local(f))) {
            if (!more) out << (Local(f).find("-misregistered") != std::string::npos ? "<h3>Misregistered</h3>\n" : "<h3>More pictures</h3>\n");
            more = true;
            out << Picture(Local(f), "page", Local(f));
        }
    if (r.contains("traps")) {
        const auto t = OfPage(r, "traps", page), u = OfPage(r, "untrapped", page);
        out << "<h3>Traps of the preview</h3>\n";
        if (t.empty()) out << "<p class=\"quiet\">none</p>\n";
        else Table(out, t);
        out << "<h3>Edges left untrapped</h3>\n";
        if (u.empty()) out << "<p class=\"quiet\">none</p>\n";
        else Table(out, u);
        for (const Json* p : OfPage(r, "paperEdges", page))
            out << "<p>" << (*p)["pairs"] << " colours meet bare paper, " << (*p)["length"]
                << " pt of edge, which needs no trap.</p>\n";
    }
    // Whatever else the report holds per page.
    for (const auto& [key, list] : r.items()) {
        static const std::set<std::string> known = {"zones", "plates", "coverage", "traps", "untrapped", "paperEdges"};
        if (known.count(key) || !list.is_array()) continue;
        const auto entries = OfPage(r, key, page);
        if (entries.empty()) continue;
        out << "<h3>" << Html(key) << "</h3>\n";
        Table(out, entries);
    }
}

}  // namespace

bool WriteHtmlReport(const std::string& path, const Json& r) {
    std::ostringstream out;
    const std::string job = Words(r["job"]);
    const int status = r.value("status", 2);
    out << "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"><title>Inspection of " << Html(job)
        << "</title>\n<style>" << kStyle << "</style></head>\n<body>\n<h1>Inspection of " << Html(job) << "</h1>\n<p>"
        << r["pages"] << " pages; "
        << (status == 0 ? "a device would refuse nothing" : status == 1 ? "a device would refuse something"
                                                                        : "the job does not run through")
        << ".</p>\n<p>";
    for (const auto& p : r["pictures"]) {
        const std::string page = std::to_string(PageOf(Local(p)));
        out << "<a href=\"#page-" << page << "\">page " << page << "</a> ";
    }
    out << "</p>\n";
    Setup(out, r);
    for (const auto& p : r["pictures"]) Page(out, r, PageOf(Local(p)), Local(p));
    out << "</body></html>\n";
    std::ofstream file(path, std::ios::binary);
    file << out.str();
    return static_cast<bool>(file.flush());
}

}  // namespace orvane::inspect
