// A scripted walk through the plug-in's dialogs in hostsim.exe, chosen by name
// with --journey. Returns 0 when the journey went as expected.
#pragma once
#include <string>

#include "hostsim/SimHost.h"

int RunUiJourney(const std::string& name, hostsim::SimHost& host);
