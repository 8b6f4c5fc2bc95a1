// The command-line Host stand-in shared by hostsim.exe (the real DLL under Wine)
// and its native build (the core linked in): reads a publication, sends the
// plug-in a sequence of events, writes the print job, the log and the
// publication's records and labels back.
#pragma once
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "hostsim/SimHost.h"

namespace hostsim {

struct RunnerOptions {
    std::string dll;          // hostsim.exe only
    std::string publication;  // empty: the stand-in's built-in publication
    std::string events;       // empty: the default sequence
    std::string out;          // the print job, PostScript
    std::string log;          // requests, interfaces, notifications, message boxes
    std::string journey;      // a dialog journey (hostsim.exe)
    std::vector<int> answers; // message-box answers in order; then OK or Yes
    bool save = true;         // write records and labels back at exit
};

struct RunnerHooks {
    std::function<int(const std::string& name, SimHost& host)> journey;
    std::function<void(const std::vector<int>& answers)> setAnswers;
    // The message boxes shown since the last call, one log line each.
    std::function<std::vector<std::string>()> takeMessageBoxes;
    // A file-system path as the plug-in is to see it (folders of request 2003).
    std::function<std::string(const std::string& path)> pluginPath;
};

constexpr const char* kDefaultEvents = "load,register,print,unload";
constexpr const char* kDefaultJourneyEvents = "load,register,journey,unload";

// False with a message for arguments it cannot take.
bool ParseRunnerArguments(int argc, char** argv, RunnerOptions& options, std::string& error);
std::string RunnerUsage();

// 0 when every event answered 0, every request was well formed and every interface
// went back; 1 otherwise;
// 2 when the publication or the events cannot be read.
int RunHostSimulation(const RunnerOptions& options, PluginEntry entry, const RunnerHooks& hooks,
                      std::ostream& console);

// Message-box answer names: ok, cancel, yes, no (or the Win32 numbers).
bool ParseAnswer(const std::string& word, int& answer);

}  // namespace hostsim
