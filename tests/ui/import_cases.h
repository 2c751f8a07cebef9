#pragma once

#include "test_runner.h"

#include <vector>

void AddImportCases(std::vector<DriverCase>& cases);
