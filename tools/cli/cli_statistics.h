#pragma once
// The `statistics` line of the scripted driver: the record kept for the current settings.

#include <string>

#include "setup/settings.h"
#include "setup/statistics_file.h"

namespace vornmark::cli {

// "level=... grid=... shots=... mode=... hint=... played 3 won 1 ..." for the record of these
// settings, or "mode=offense not recorded".
std::string statistics_line(const Statistics& statistics, const GameSettings& settings, bool hint_on);

}  // namespace vornmark::cli
