// Pasting any text: trains are read or the paste is refused with a line and a message; the
// trains read, copied in the program's own format, paste back as the same trains.
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <string_view>
#include <variant>

#include "document/TrainClipboard.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto read =
        rylmo::readPastedTrains(std::string_view(reinterpret_cast<const char*>(data), size));
    if (const auto* refusal = std::get_if<rylmo::PasteRefusal>(&read)) {
        if (refusal->message.empty()) std::abort();
        return 0;
    }
    const auto& pasted = std::get<rylmo::PastedTrains>(read);
    if (pasted.from.size() != pasted.trains.size()) std::abort();
    std::vector<std::size_t> all(pasted.trains.size());
    std::iota(all.begin(), all.end(), std::size_t{0});
    const auto again = rylmo::readPastedTrains(rylmo::trainClipboardText(pasted.trains, all));
    const auto* copied = std::get_if<rylmo::PastedTrains>(&again);
    if (!copied || copied->trains != pasted.trains) std::abort();
    return 0;
}
