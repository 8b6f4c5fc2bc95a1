// What the simulated device told inspect.ps about a job, read from its events: one a
// line, "@@inspect", a tab and the event's fields parted by tabs, after whatever the job
// itself printed. Texts stay escaped as the events carry them (see EventText.h).
#pragma once
#include <functional>
#include <istream>
#include <string>
#include <vector>

namespace orvane::inspect {

struct Param {
    std::string key;
    std::string value;  // as PostScript writes it: 1.0, /Center, (Standard), null
};

struct Style {
    std::string name;
    std::vector<Param> params;  // by key
};

struct Ink {
    std::string name;
    std::string density;  // empty when the ink's details were no dictionary
    std::string type;     // without the slash
};

// The inks and trapping order that TrappingDetails set, from a page on.
struct InkDetails {
    int fromPage = 0;
    std::vector<Ink> inks;           // in the order the device listed them
    std::vector<std::string> order;  // the trapping order
};

// A per-ink setting of a zone's parameters (ColorantZoneDetails).
struct ZoneInk {
    std::string ink;
    std::vector<Param> params;
};

struct Zone {
    int page = 0;
    std::string style;
    bool styleKnown = true;
    bool enabled = true;
    double rect[4] = {0, 0, 0, 0};  // left bottom right top, points, default user space
    std::vector<Param> params;      // the device's parameters the zone was set with
    std::vector<ZoneInk> inks;
};

// A settrapzone on an empty path: a zone without area, where the device traps nothing.
struct EmptyZone {
    int page = 0;
    std::string style;
};

struct Refusal {
    int page = 0;
    std::string subject, key, value, error, range;
};

struct Switch {
    int fromPage = 0;
    std::string value;  // true or false
};

struct Journal {
    std::vector<Style> styles;  // in the order first defined; a redefinition replaces
    std::vector<std::string> inkSets;
    std::vector<InkDetails> details;
    std::vector<Switch> switches;
    std::vector<Zone> zones;
    std::vector<EmptyZone> emptyZones;
    std::vector<Refusal> refusals;
    std::vector<int> pictures;  // pages pictured
    int pages = 0;
    bool ended = false;
    bool failed = false;
    std::string errorName, errorCommand, errorAt;  // errorAt: a file position or "end"

    // The inks and order in force at the end of the job (none when never set).
    const InkDetails& LastDetails() const;
    // Those in force on a page.
    const InkDetails& DetailsOn(int page) const;
    bool TrappingOn(int page) const;
};

// Reads events until the stream ends; onPage is called after each page's event.
Journal ReadJournal(std::istream& in, const std::function<void(int page)>& onPage = {});

}  // namespace orvane::inspect
