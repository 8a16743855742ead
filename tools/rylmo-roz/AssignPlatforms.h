#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace rylmo::tool {

// assign-platforms IN OUT [--platforms 1-4,6] [--dwell 10,10]: every train of IN placed so
// that no two stays conflict, on the platforms given (by default those IN uses), moving as
// few trains as it can; each move printed as a line. OUT is always written. Returns 0 when
// OUT has no platform conflict, 3 when trains were left in conflict (listed), 2 for options it
// does not understand.
int assignPlatforms(const std::vector<std::string>& args,
                    const std::function<void(std::string_view)>& print);

}  // namespace rylmo::tool
