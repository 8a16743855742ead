#include "TestFiles.h"

#include <atomic>
#include <fstream>
#include <sstream>

#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

#include "TestTrains.h"

namespace rylmo::test {

std::string dataPath(const std::string& name) {
    return std::string(RYLMO_TEST_DATA) + "/" + name;
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

TimetableContent workedExample() {
    TimetableContent c;
    c.version = 2;
    c.stationPicture = "Wola";
    c.depot = {{1, 2, 0, 0, 0, 0}};
    c.trains = {test::train(2, 830, 835)
                    .points(1, 2)
                    .numbers(1234, 1234)
                    .categories(2, 2)
                    .vehicle(2)
                    .platforms(1, 1)};
    c.startTime = "600";
    c.locomotiveTypeCount = 1;
    c.probabilities = {"100,"};
    c.compositions = {"2,2,0,"};
    c.locomotiveTypes = {{"lok1", "Lokomotywa", "3", "1"}};
    c.coaches = {"wagon1"};
    c.depotNames = {"Parowozownia"};
    c.stationNames = {"Wola"};
    c.authorInfo = "brak";
    return c;
}

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    m_path = std::filesystem::temp_directory_path() /
             ("rylmo-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

}  // namespace rylmo::test
