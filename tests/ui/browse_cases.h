#pragma once

#include "test_runner.h"

#include <vector>

void AddBrowseCases(std::vector<DriverCase>& cases);
