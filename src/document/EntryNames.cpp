#include "document/EntryNames.h"

namespace rylmo {

std::string unknownTypeText(int64_t type) {
    return "nieznany typ (" + std::to_string(type) + ")";
}

std::string unknownDepotText(int64_t depot) {
    return "nieznana lokomotywownia (" + std::to_string(depot) + ")";
}

const LocomotiveType* typeNumbered(const TimetableContent& content, int64_t type) {
    if (type < 1 || static_cast<uint64_t>(type) > content.locomotiveTypes.size()) return nullptr;
    return &content.locomotiveTypes[static_cast<std::size_t>(type) - 1];
}

std::string typeNameOrPlaceholder(const TimetableContent& content, int64_t type) {
    const LocomotiveType* numbered = typeNumbered(content, type);
    return numbered ? std::string(numbered->typeName()) : unknownTypeText(type);
}

std::string depotNameOrPlaceholder(const TimetableContent& content, int64_t depot) {
    if (depot >= 0 && static_cast<uint64_t>(depot) < content.depotNames.size()) {
        return content.depotNames[static_cast<std::size_t>(depot)];
    }
    return unknownDepotText(depot);
}

}  // namespace rylmo
