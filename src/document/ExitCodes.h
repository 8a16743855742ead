#pragma once

namespace rylmo::exit_codes {

// What the command-line programs (rylmo-roz, rylmo --export) end with.
inline constexpr int ok = 0;
inline constexpr int fileError = 1;  // a file that cannot be read or written
inline constexpr int usage = 2;      // arguments the program does not take
inline constexpr int findings = 3;   // check found problems; assign-platforms left conflicts

}  // namespace rylmo::exit_codes
