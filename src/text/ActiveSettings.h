#pragma once

#include "FormatSettings.h"

namespace ravik {

// The format settings the program runs with; tests set others.
const FormatSettings& activeFormat();
void setActiveFormat(const FormatSettings& fs);

} // namespace ravik
