#include "hostsim/Runner.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "hostsim/PrintJob.h"
#include "hostsim/PublicationFile.h"
#include "hostsim/PublicationStore.h"
#include "hostsim/TextLine.h"

namespace hostsim {

namespace {

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) {
        if (!part.empty()) parts.push_back(part);
    }
    return parts;
}

struct Event {
    std::string name;
    std::vector<std::string> arguments;
};

std::vector<Event> ParseEvents(const std::string& text)
{
    static const char* const kKnown[] = {"load", "unload", "register", "release", "print",
                                         "command", "notify", "message", "jobend", "journey"};
    std::vector<Event> events;
    for (const std::string& item : Split(text, ',')) {
        std::vector<std::string> parts = Split(item, ':');
        Event event;
        event.name = parts.empty() ? item : parts[0];
        event.arguments.assign(parts.begin() + (parts.empty() ? 0 : 1), parts.end());
        bool known = false;
        for (const char* name : kKnown) known = known || event.name == name;
        if (!known) throw FileFormatError("unknown event: " + item);
        bool needsNumber = event.name == "command" || event.name == "notify" || event.name == "message";
        if (needsNumber && event.arguments.size() != 1) throw FileFormatError(event.name + " needs one number: " + item);
        if (event.name == "jobend" && event.arguments.size() != 2) throw FileFormatError("jobend:CODE:CLASS: " + item);
        for (const std::string& number : event.arguments) {
            if (event.name != "journey") ParseNumber(number, -2147483647LL - 1, 4294967295LL);
        }
        events.push_back(event);
    }
    if (events.empty()) throw FileFormatError("no events");
    return events;
}

class Session {
public:
    Session(const RunnerOptions& options, SimHost& host, const RunnerHooks& hooks, std::ostream& console)
        : options_(options), host_(host), hooks_(hooks), console_(console)
    {
    }

    bool Run(const Event& event)
    {
        host_.log.push_back("== event " + event.name + (event.arguments.empty() ? "" : ":" + Join(event.arguments)));
        bool ok = Dispatch(event);
        if (hooks_.takeMessageBoxes) {
            for (const std::string& line : hooks_.takeMessageBoxes()) {
                host_.log.push_back(line);
                console_ << line << "\n";
            }
        }
        return ok;
    }
    std::string job;

private:
    static std::string Join(const std::vector<std::string>& parts)
    {
        std::string text;
        for (const std::string& part : parts) text += (text.empty() ? "" : ":") + part;
        return text;
    }
    static std::int32_t Number(const std::string& word)
    {
        return static_cast<std::int32_t>(ParseNumber(word, -2147483647LL - 1, 4294967295LL));
    }
    bool Status(const std::string& name, std::int16_t status)
    {
        console_ << name << ": " << status << "\n";
        return status == 0;
    }

    bool Dispatch(const Event& event)
    {
        if (event.name == "load") return Status("load", host_.Load());
        if (event.name == "unload") return Status("unload", host_.Unload());
        if (event.name == "release") return Status("release", host_.Release());
        if (event.name == "register") {
            host_.registered.clear();
            std::int16_t status = host_.Register();
            console_ << "register: " << status << ", notifications";
            for (auto number : host_.registered) console_ << " " << number;
            console_ << "\n";
            return status == 0;
        }
        if (event.name == "command") return Status("command " + event.arguments[0], host_.Command(Number(event.arguments[0])));
        if (event.name == "message") {
            return Status("message " + event.arguments[0], host_.Send(static_cast<std::uint32_t>(Number(event.arguments[0]))));
        }
        if (event.name == "notify") {
            std::int32_t result = 0;
            std::int16_t status = host_.Notify(static_cast<std::uint32_t>(Number(event.arguments[0])), &result);
            console_ << "notify " << event.arguments[0] << ": " << status << ", result " << result << "\n";
            return status == 0;
        }
        if (event.name == "jobend") {
            auto code = static_cast<std::uint16_t>(Number(event.arguments[0]));
            auto klass = static_cast<std::uint16_t>(Number(event.arguments[1]));
            return Status("jobend", host_.NotifyJobEnd(code, klass));
        }
        if (event.name == "journey") {
            std::string name = event.arguments.empty() ? options_.journey : event.arguments[0];
            if (!hooks_.journey) {
                console_ << "journey " << name << ": dialog journeys run in hostsim.exe only\n";
                return false;
            }
            int status = hooks_.journey(name, host_);
            console_ << "journey " << name << ": " << status << "\n";
            return status == 0;
        }
        PrintJobResult result = RunPrintJob(host_);
        job += result.postscript;
        console_ << "print: " << (result.AllSucceeded() ? 0 : 1) << ", sheets " << result.sheets
                 << (result.cancelled ? ", cancelled" : "") << ", statuses";
        for (const NotificationOutcome& n : result.notifications) console_ << " " << n.identifier << "=" << n.status;
        console_ << "\n";
        return result.AllSucceeded();
    }

    const RunnerOptions& options_;
    SimHost& host_;
    const RunnerHooks& hooks_;
    std::ostream& console_;
};

bool WriteFile(const std::string& path, const std::string& text, std::ostream& console)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    if (out) return true;
    console << "hostsim: cannot write " << path << "\n";
    return false;
}

}  // namespace

bool ParseAnswer(const std::string& word, int& answer)
{
    if (word == "ok") answer = 1;
    else if (word == "cancel") answer = 2;
    else if (word == "yes") answer = 6;
    else if (word == "no") answer = 7;
    else return false;
    return true;
}

std::string RunnerUsage()
{
    return "options: [--dll PATH] [--publication FILE] [--events LIST] [--out FILE.ps] [--log FILE]\n"
           "         [--journey NAME] [--answers ok,no,...] [--no-save]\n"
           "events:  load unload register release print command:N notify:N message:N jobend:CODE:CLASS journey[:NAME]\n"
           "default: " + std::string(kDefaultEvents) + "\n";
}

bool ParseRunnerArguments(int argc, char** argv, RunnerOptions& options, std::string& error)
{
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        if (option == "--no-save") {
            options.save = false;
            continue;
        }
        if (i + 1 >= argc) {
            error = "missing value for " + option;
            return false;
        }
        std::string value = argv[++i];
        if (option == "--dll") options.dll = value;
        else if (option == "--publication") options.publication = value;
        else if (option == "--events") options.events = value;
        else if (option == "--out") options.out = value;
        else if (option == "--log") options.log = value;
        else if (option == "--journey") options.journey = value;
        else if (option == "--answers") {
            for (const std::string& word : Split(value, ',')) {
                int answer = 0;
                if (!ParseAnswer(word, answer)) {
                    error = "unknown answer: " + word;
                    return false;
                }
                options.answers.push_back(answer);
            }
        } else {
            error = "unknown option: " + option;
            return false;
        }
    }
    return true;
}

int RunHostSimulation(const RunnerOptions& options, PluginEntry entry, const RunnerHooks& hooks, std::ostream& console)
{
    SimHost host(entry);
    PublicationSetup setup;
    std::vector<Event> events;
    try {
        if (!options.publication.empty()) {
            setup = LoadPublicationFile(options.publication);
            if (LoadPublicationData(setup.dataFolder, setup.publication)) {
                console << "publication: saved records and labels from " << setup.dataFolder << "\n";
            }
            // The preferences folder must exist for the plug-in to write its file there.
            std::error_code ignored;
            std::filesystem::create_directories(std::filesystem::u8path(setup.publication.folder), ignored);
            host.publication = setup.publication;
            host.failRequests = setup.failures;
            if (hooks.pluginPath) {
                host.publication.folder = hooks.pluginPath(host.publication.folder);
                host.publication.secondFolder = hooks.pluginPath(host.publication.secondFolder);
            }
        }
        std::string list = options.events;
        if (list.empty()) list = options.journey.empty() ? kDefaultEvents : kDefaultJourneyEvents;
        events = ParseEvents(list);
    } catch (const FileFormatError& error) {
        console << "hostsim: " << error.what() << "\n";
        return 2;
    }
    if (hooks.setAnswers) hooks.setAnswers(options.answers);

    Session session(options, host, hooks, console);
    bool ok = true;
    for (const Event& event : events) ok = session.Run(event) && ok;

    for (const std::string& violation : host.violations) console << "malformed " << violation << "\n";
    ok = ok && host.violations.empty();
    int outstanding = host.OutstandingInterfaces();
    console << "interfaces outstanding: " << outstanding << "\n";
    if (host.PrintJobInterfaceHeld()) console << "print-job interface still held\n";
    ok = ok && outstanding == 0;

    if (!options.out.empty()) ok = WriteFile(options.out, session.job, console) && ok;
    if (!options.log.empty()) {
        std::string text;
        for (const std::string& line : host.log) text += line + "\n";
        ok = WriteFile(options.log, text, console) && ok;
    }
    if (!options.publication.empty() && options.save) {
        try {
            SavePublicationData(setup.dataFolder, host.publication);
        } catch (const FileFormatError& error) {
            console << "hostsim: " << error.what() << "\n";
            ok = false;
        }
    }
    return ok ? 0 : 1;
}

}  // namespace hostsim
