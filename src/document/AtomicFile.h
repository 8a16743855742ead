#pragma once

#include <string>
#include <string_view>

namespace rylmo {

// A file written under a temporary name beside its target and renamed over it by commit().
// Destroying it uncommitted removes the temporary file. Failures throw rylmo::Error with the
// system's error text.
class AtomicFile {
public:
    explicit AtomicFile(const std::string& target);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void write(std::string_view bytes);
    void commit();

private:
    [[noreturn]] void fail(int error);

    std::string m_target;
    std::string m_temporary;
    int m_descriptor = -1;
};

}  // namespace rylmo
