// No journeys yet: every name is unknown.
#include "hostsim/win32/UiJourney.h"

#include <cstdio>

int RunUiJourney(const std::string& name, hostsim::SimHost&)
{
    std::printf("unknown journey: %s\n", name.c_str());
    return 2;
}
