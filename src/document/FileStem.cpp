#include "document/FileStem.h"

#include "document/Tokens.h"

namespace rylmo {

std::string fileStem(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    if (slash != std::string_view::npos) path.remove_prefix(slash + 1);
    path = path.substr(0, path.find('.'));
    return std::string(trimBlanks(path));
}

}  // namespace rylmo
