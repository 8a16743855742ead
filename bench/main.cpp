// Reading and writing a large timetable, against the fastest plain integer conversions of
// the standard library over the same text.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>

#include "StationDay.h"
#include "SyntheticTimetable.h"
#include "document/RozReader.h"
#include "document/RozWriter.h"

namespace {

const std::string& fileText() {
    static const std::string text = rylmo::writeTimetable(rylmo::bench::syntheticTimetable());
    return text;
}

// The from_chars baseline: one pass over the text, converting every integer in it.
template <class Use>
void forEachInteger(const std::string& text, Use&& use) {
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        int32_t value;
        auto result = std::from_chars(p, end, value);
        if (result.ec == std::errc()) {
            use(value);
            p = result.ptr;
        } else {
            ++p;
        }
    }
}

// Every integer of the text, as the baselines see them.
const std::vector<int32_t>& fileIntegers() {
    static const std::vector<int32_t> integers = [] {
        std::vector<int32_t> values;
        forEachInteger(fileText(), [&values](int32_t value) { values.push_back(value); });
        return values;
    }();
    return integers;
}

void setBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fileText().size()));
}

void BM_Read(benchmark::State& state) {
    const std::string& text = fileText();
    for (auto _ : state) {
        rylmo::TimetableContent content = rylmo::readTimetable(text);
        benchmark::DoNotOptimize(content.trains.data());
    }
    setBytes(state);
}

void BM_Write(benchmark::State& state) {
    const rylmo::TimetableContent content = rylmo::readTimetable(fileText());
    for (auto _ : state) {
        std::string bytes = rylmo::writeTimetable(content);
        benchmark::DoNotOptimize(bytes.data());
    }
    setBytes(state);
}

void BM_BaselineFromChars(benchmark::State& state) {
    const std::string& text = fileText();
    for (auto _ : state) {
        int64_t sum = 0;
        forEachInteger(text, [&sum](int32_t value) { sum += value; });
        benchmark::DoNotOptimize(sum);
    }
    setBytes(state);
}

void BM_BaselineToChars(benchmark::State& state) {
    const std::vector<int32_t>& integers = fileIntegers();
    std::string buffer(integers.size() * 12, '\0');
    for (auto _ : state) {
        char* p = buffer.data();
        char* end = p + buffer.size();
        for (int32_t value : integers) {
            p = std::to_chars(p, end, value).ptr;
            *p++ = ',';
        }
        benchmark::DoNotOptimize(p);
    }
    setBytes(state);
}

BENCHMARK(BM_Read)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Write)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselineFromChars)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselineToChars)->Unit(benchmark::kMillisecond);

// Remembers the throughput of every run for the closing ratios.
template <class Base>
class RecordingReporter : public Base {
public:
    void ReportRuns(const std::vector<benchmark::BenchmarkReporter::Run>& runs) override {
        for (const auto& run : runs) {
            auto it = run.counters.find("bytes_per_second");
            // With repetitions the median stands for the benchmark.
            const bool counts = run.run_type == benchmark::BenchmarkReporter::Run::RT_Iteration ||
                                run.aggregate_name == "median";
            if (it != run.counters.end() && counts) {
                bytesPerSecond[run.run_name.function_name] = it->second.value;
            }
        }
        Base::ReportRuns(runs);
    }
    std::map<std::string, double> bytesPerSecond;
};

template <class Reporter>
int runAll(std::ostream& ratioStream) {
    Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto& rates = reporter.bytesPerSecond;
    if (rates.count("BM_Read") && rates.count("BM_BaselineFromChars")) {
        ratioStream << "ratio reader/from_chars baseline: "
                    << rates["BM_Read"] / rates["BM_BaselineFromChars"] << '\n';
    }
    if (rates.count("BM_Write") && rates.count("BM_BaselineToChars")) {
        ratioStream << "ratio writer/to_chars baseline: "
                    << rates["BM_Write"] / rates["BM_BaselineToChars"] << '\n';
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // rylmo-bench --write-timetable FILE [PICTURE_FOLDER]: saves the synthetic timetable for
    // other measurements, and a bitmap for each of its vehicles.
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "--write-timetable") == 0) {
        const rylmo::TimetableContent content = rylmo::bench::syntheticTimetable();
        rylmo::saveTimetableFile(content, argv[2]);
        if (argc == 4) rylmo::bench::writePictures(content, argv[3]);
        return 0;
    }
    // rylmo-bench --write-day FILE: saves a realistic day at a station of six platforms.
    if (argc == 3 && std::strcmp(argv[1], "--write-day") == 0) {
        rylmo::saveTimetableFile(rylmo::bench::stationDay(), argv[2]);
        return 0;
    }
    bool json = false;
    for (int i = 1; i < argc; ++i) json |= std::strcmp(argv[i], "--benchmark_format=json") == 0;
    benchmark::Initialize(&argc, argv);
    std::cerr << "timetable text: " << fileText().size() << " bytes, " << fileIntegers().size()
              << " integers\n";
    // With JSON on standard output the ratios go to standard error, keeping the JSON whole.
    return json ? runAll<RecordingReporter<benchmark::JSONReporter>>(std::cerr)
                : runAll<RecordingReporter<benchmark::ConsoleReporter>>(std::cout);
}
