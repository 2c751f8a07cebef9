#pragma once

#include "test_runner.h"

#include <vector>

void AddOptionsCases(std::vector<DriverCase>& cases);
