#pragma once

#include <string>
#include <vector>

#include "GeneratedPasses.h"

// A small optimization report of `passes`, laid out as the generator lays out a large one.
std::string ReportText(const std::vector<GeneratedPass>& passes);
