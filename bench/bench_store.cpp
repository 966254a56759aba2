// Loading and saving the store of 1,000, 10,000 and 100,000 entries, each
// beside the bare work on the same bytes: reading the data file and splitting
// its lines and fields, and writing its bytes at once. Each of them runs in a
// fresh process, so that a measure and its baseline start from the same
// state of the heap, and they take turns over a few rounds. At the end a
// table gives each size's ratio to its baseline, from the fastest round of
// each (in processor time for the load, clock time for the save); the load
// and the save also report their peak memory.
#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <utility>
#include <random>
#include <string>
#include <vector>

#include "app/app.h"
#include "bench/bench_program.h"
#include "bench/fresh_processes.h"
#include "app/startup.h"
#include "framework/fw_dialogs.h"
#include "framework/fw_listbox.h"
#include "framework/fw_shared.h"
#include "mainwindow/store_format.h"
#include "mainwindow/window1.h"

namespace {

namespace fs = std::filesystem;

using bench::Program;
using bench::TheProgram;

// Entries as people keep them: a site's name, an e-mail address, a generated
// password, a login page and, for some, a note over two lines.
std::vector<std::vector<std::string>> Entries(int count) {
  static const char* const kSites[] = {"Online banking", "Mail", "Electricity supplier", "Library card",
                                       "Phone contract", "Caf\xC3\xA9 loyalty", "Health insurance", "Train tickets"};
  static const char kLetters[] = "abcdefghijkmnopqrstuvwxyzABCDEFGHJKLMNPQRSTUVWXYZ23456789!#%&*+-=?@";
  std::mt19937 random(42);
  auto pick = [&random](size_t size) { return std::uniform_int_distribution<size_t>(0, size - 1)(random); };
  std::vector<std::vector<std::string>> entries;
  entries.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    const std::string site = kSites[pick(std::size(kSites))];
    const std::string n = std::to_string(i);
    std::string password;
    for (size_t length = 14 + pick(10); password.size() < length;) password += kLetters[pick(sizeof kLetters - 1)];
    std::string note;
    if (pick(3) == 0) note = "Customer number " + n + "\rSecurity question: the name of my first school";
    entries.push_back({site + " " + n, "firstname.lastname" + n + "@mail.example.org", password,
                       "https://accounts.service" + n + ".example.com/login", note});
  }
  return entries;
}

// The store of that many entries on disk, written once per size.
const std::string& WriteStore(int count) {
  static std::map<int, std::string> written;
  static int onDisk = -1;
  std::string& data = written[count];
  if (data.empty()) data = store_format::WriteData(Entries(count));
  if (onDisk != count) {
    Program& p = TheProgram();
    store_format::Prefs prefs{60, 80, 700, 500, 220, "pswd", "yes", "yes", "master password"};
    std::ofstream(p.PrefsFile(), std::ios::binary) << store_format::WritePrefs(prefs);
    std::ofstream(p.DataFile(), std::ios::binary) << data;
    onDisk = count;
  }
  return data;
}

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string bytes(fs::file_size(file), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

// The process's resident memory as /proc reports it: the peak since the last
// ResetPeakMemory (VmHWM) or now (VmRSS), in MB.
double MemoryMB(const char* field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(field, 0) == 0) return std::stod(line.substr(std::string(field).size() + 1)) / 1024.0;
  }
  return 0;
}

// Gives the memory freed so far back to the system and lowers the peak to
// what is resident now, so that the next peak is the next runs' own.
void ResetPeakMemory() {
  malloc_trim(0);
  std::ofstream("/proc/self/clear_refs") << "5";
}

// Reports the peak of the runs measured since the reset, and what it rose
// above the memory held before them.
void ReportPeak(benchmark::State& state, double before) {
  const double peak = MemoryMB("VmHWM:");
  state.counters["peak_MB"] = peak;
  state.counters["peak_rise_MB"] = peak - before;
}

void EmptyList(Window1& window) {
  window.ListBox1->DeleteAllRows();
  QCoreApplication::processEvents();
}

// Reads the data file and splits it into lines and fields, each its own string.
void ReadAndSplit(const fs::path& file, std::vector<std::vector<std::string>>& rows) {
  const std::string bytes = ReadFile(file);
  rows.reserve(static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\r')));
  for (size_t start = 0; start < bytes.size();) {
    size_t end = bytes.find('\r', start);
    if (end == std::string::npos) end = bytes.size();
    std::vector<std::string>& fields = rows.emplace_back();
    fields.reserve(5);
    for (size_t at = start;;) {
      size_t tab = bytes.find('\t', at);
      if (tab == std::string::npos || tab > end) tab = end;
      fields.emplace_back(bytes, at, tab - at);
      if (tab == end) break;
      at = tab + 1;
    }
    start = end + 1;
  }
}

// The bare read and split. As with the load, the strings are freed outside
// the time measured; one pass before the timed ones touches the memory.
void BareReadSplit(benchmark::State& state) {
  WriteStore(static_cast<int>(state.range(0)));
  const fs::path file = TheProgram().DataFile();
  std::vector<std::vector<std::string>> rows;
  ReadAndSplit(file, rows);
  for (auto _ : state) {
    state.PauseTiming();
    rows = {};
    state.ResumeTiming();
    ReadAndSplit(file, rows);
    benchmark::DoNotOptimize(rows.data());
  }
}

// Loads both files into the main window's empty list, as unlocking does; one
// pass before the timed ones touches the memory.
void Load(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  WriteStore(count);
  Window1& window = *TheProgram().window;
  EmptyList(window);
  ResetPeakMemory();
  const double before = MemoryMB("VmRSS:");
  window.loadPrefs();
  for (auto _ : state) {
    state.PauseTiming();
    EmptyList(window);
    state.ResumeTiming();
    window.loadPrefs();
  }
  ReportPeak(state, before);
  if (window.ListBox1->ListCount() != count) state.SkipWithError("not every entry was loaded");
}

// Writes the bytes of the data file with one write, synced to disk as a save is.
void WriteAtOnce(const fs::path& file, const std::string& bytes, benchmark::State& state) {
  int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) state.SkipWithError("short write");
  fsync(fd);
  close(fd);
}

// The bare write, after one pass that is not timed.
void BareWrite(benchmark::State& state) {
  const std::string& bytes = WriteStore(static_cast<int>(state.range(0)));
  const fs::path file = TheProgram().File("bare.data");
  WriteAtOnce(file, bytes, state);
  for (auto _ : state) WriteAtOnce(file, bytes, state);
}

// Saves the list that a load of the store filled, to the same bytes, after
// one pass that is not timed.
void Save(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::string& bytes = WriteStore(count);
  Program& p = TheProgram();
  EmptyList(*p.window);
  p.window->loadPrefs();
  ResetPeakMemory();
  const double before = MemoryMB("VmRSS:");
  if (p.window->savePrefs()) state.SkipWithError("the save failed");
  for (auto _ : state) {
    if (p.window->savePrefs()) state.SkipWithError("the save failed");
  }
  ReportPeak(state, before);
  if (ReadFile(p.DataFile()) != bytes) state.SkipWithError("the saved data file differs from the one loaded");
  EmptyList(*p.window);
}

// Each benchmark's process keeps the memory it frees (no trimming, no
// mapping of its own for a large block), so that after the untimed pass
// every timed pass of a measure and of its baseline finds its memory touched
// already: what the first touch of new pages costs, and when the allocator
// hands pages back, no longer decides the ratio.
void KeepFreedMemory() {
  mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);  // the most glibc takes
  mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max());
}

const int kSizes[] = {1000, 10000, 100000};
// Each measure beside its baseline, and the time they are compared in. The
// load and the read are the processor's work: its time leaves out the waits
// for a processor that other work on the machine causes. A save and the
// bare write wait for the disk, which only the clock's time holds.
struct Measure {
  const char* name;
  const char* baseline;
  bool processorTime;
};
const Measure kMeasures[] = {{"Load", "BareReadSplit", true}, {"Save", "BareWrite", false}};

// Other work on the machine only ever adds time: the fastest of a few
// rounds is the steadiest figure of each.
constexpr int kRounds = 5;

void Sizes(benchmark::internal::Benchmark* b) {
  for (int size : kSizes) b->Arg(size);
  // Short runs: the rounds give the repetitions.
  b->Unit(benchmark::kMillisecond)->MinTime(0.2);
}
BENCHMARK(BareReadSplit)->Apply(Sizes);
BENCHMARK(Load)->Apply(Sizes);
BENCHMARK(BareWrite)->Apply(Sizes);
BENCHMARK(Save)->Apply(Sizes);

// Each baseline, then its measure, at each size, as the benchmarks are named.
std::vector<std::string> Cases() {
  std::vector<std::string> cases;
  for (const Measure& measure : kMeasures) {
    for (int size : kSizes) {
      cases.push_back(std::string(measure.baseline) + "/" + std::to_string(size));
      cases.push_back(std::string(measure.name) + "/" + std::to_string(size));
    }
  }
  return cases;
}

double Fastest(const std::vector<bench::Time>& times, bool processorTime) {
  double fastest = std::numeric_limits<double>::infinity();
  for (const bench::Time& time : times) fastest = std::min(fastest, processorTime ? time.cpu : time.real);
  return fastest;
}

// Each measure beside its baseline at each size, the fastest round of each.
void PrintRatios(const bench::Times& times) {
  std::printf("\nThe fastest of %d rounds:\n", kRounds);
  std::printf("%-6s %8s %-14s %-9s %9s %9s %7s\n", "", "entries", "baseline", "time", "base ms", "ms", "ratio");
  for (const Measure& measure : kMeasures) {
    const auto measured = times.find(measure.name), based = times.find(measure.baseline);
    if (measured == times.end() || based == times.end()) continue;
    for (const auto& [size, runs] : measured->second) {
      const auto found = based->second.find(size);
      if (found == based->second.end()) continue;
      const double base = Fastest(found->second, measure.processorTime);
      const double time = Fastest(runs, measure.processorTime);
      std::printf("%-6s %8s %-14s %-9s %9.2f %9.2f %7.2f\n", measure.name, size.c_str(), measure.baseline,
                  measure.processorTime ? "processor" : "clock", base, time, time / base);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // The Qt application is each child's own, made after the fork.
  const bench::Times times = bench::RunInFreshProcesses(Cases(), kRounds, [&argc, argv] {
    KeepFreedMemory();
    new QApplication(argc, argv);
  });
  PrintRatios(times);
  benchmark::Shutdown();
  return 0;
}
