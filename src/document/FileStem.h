#pragma once

#include <string>
#include <string_view>

namespace rylmo {

// The name of a chosen file without its folder (either separator), cut before its first
// '.', with blanks removed at both ends: "C:\Tabor\EU07.old.bmp" gives "EU07".
std::string fileStem(std::string_view path);

}  // namespace rylmo
