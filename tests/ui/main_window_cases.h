#pragma once

#include "test_runner.h"

#include <vector>

void AddMainWindowCases(std::vector<DriverCase>& cases);
