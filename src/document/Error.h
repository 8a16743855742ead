#pragma once

#include <stdexcept>
#include <string>

namespace rylmo {

// Every failure of the document core. The message is UTF-8 text meant for the user.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace rylmo

namespace rylmo {

// What a failure says to the user: the message of a rylmo::Error; a Polish text for a
// failure of the standard library (never the name of a C++ exception, nor an English text).
std::string failureMessage(const std::exception& failure);

// The text shown for a failure: a full stop is added when the message ends in a character
// that sorts after '.', such as a letter or a digit.
inline std::string displayMessage(std::string message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') message += '.';
    return message;
}

}  // namespace rylmo
