// The native build of hostsim.exe: the same runner with the plug-in's core linked
// in and the scriptable platform answering its message boxes.
#include <deque>
#include <iostream>

#include "hostsim/MessageBoxLog.h"
#include "hostsim/Runner.h"
#include "platform/portable/PortablePlatform.h"
#include "plugin/EntryPoint.h"

int main(int argc, char** argv)
{
    using namespace orvane::platform;
    hostsim::RunnerOptions options;
    std::string error;
    if (!hostsim::ParseRunnerArguments(argc, argv, options, error)) {
        std::cerr << "hostsim_run: " << error << "\n" << hostsim::RunnerUsage();
        return 2;
    }
    // The portable platform answers from its queue, then OK or Yes; a copy of the
    // queue tells the log which answer each box got.
    std::deque<int> pending;
    hostsim::RunnerHooks hooks;
    hooks.setAnswers = [&pending](const std::vector<int>& answers) {
        Portable().messageBoxAnswers.assign(answers.begin(), answers.end());
        pending.assign(answers.begin(), answers.end());
    };
    hooks.takeMessageBoxes = [&pending]() {
        std::vector<std::string> lines;
        for (const MessageBoxCall& box : Portable().messageBoxes) {
            int answer = (box.flags & 0xF) == kMbYesNo ? kIdYes : kIdOk;
            if (!pending.empty()) {
                answer = pending.front();
                pending.pop_front();
            }
            lines.push_back(hostsim::MessageBoxLine(box.caption, box.text, answer));
        }
        Portable().messageBoxes.clear();
        return lines;
    };
    return hostsim::RunHostSimulation(options, &OrvanePluginMain, hooks, std::cout);
}
