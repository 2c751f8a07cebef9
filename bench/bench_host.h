// The benchmark's window system: every message box answers OK at once and
// status texts are dropped. Boxes are counted, so that a run that hit an
// error box is not taken for a good one.
#pragma once

#include <string>

int BoxesShown();
const std::string& FirstBoxText();
