#pragma once

#include <string>
#include <vector>

#include "GeneratedPasses.h"

// A small optimization report of `passes`, laid out as MT4 saves one.
std::string ReportText(const std::vector<GeneratedPass>& passes);

// Passes numbered from 1, whose six figures are given per pass; the title of pass k is
// "P=<k>; Q=<k*10>; ".
std::vector<GeneratedPass> NumberedPasses(const std::vector<std::vector<std::string>>& figures);
