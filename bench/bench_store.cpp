// Loading and saving the store of 1,000, 10,000 and 100,000 entries, each
// beside the bare work on the same bytes in the same run: reading the data
// file and splitting its lines and fields, and writing its bytes at once.
// At the end a table gives each size's ratio to its baseline; the load and
// the save of the largest store also report their peak memory.
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
#include <map>
#include <random>
#include <string>
#include <vector>

#include "app/app.h"
#include "bench/bench_program.h"
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

// Reads the data file and splits it into lines and fields, each its own
// string. As with the load, the strings are freed outside the time measured.
void BareReadSplit(benchmark::State& state) {
  WriteStore(static_cast<int>(state.range(0)));
  const fs::path file = TheProgram().DataFile();
  std::vector<std::vector<std::string>> rows;
  for (auto _ : state) {
    state.PauseTiming();
    rows = {};
    state.ResumeTiming();
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
    benchmark::DoNotOptimize(rows.data());
  }
}

// Loads both files into the main window's empty list, as unlocking does.
void Load(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  WriteStore(count);
  Window1& window = *TheProgram().window;
  EmptyList(window);
  ResetPeakMemory();
  const double before = MemoryMB("VmRSS:");
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
void BareWrite(benchmark::State& state) {
  const std::string& bytes = WriteStore(static_cast<int>(state.range(0)));
  const fs::path file = TheProgram().File("bare.data");
  for (auto _ : state) {
    int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) state.SkipWithError("short write");
    fsync(fd);
    close(fd);
  }
}

// Saves the list that a load of the store filled, to the same bytes.
void Save(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::string& bytes = WriteStore(count);
  Program& p = TheProgram();
  EmptyList(*p.window);
  p.window->loadPrefs();
  ResetPeakMemory();
  const double before = MemoryMB("VmRSS:");
  for (auto _ : state) {
    if (p.window->savePrefs()) state.SkipWithError("the save failed");
  }
  ReportPeak(state, before);
  if (ReadFile(p.DataFile()) != bytes) state.SkipWithError("the saved data file differs from the one loaded");
  EmptyList(*p.window);
}

void Sizes(benchmark::internal::Benchmark* b) {
  b->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
}
BENCHMARK(BareReadSplit)->Apply(Sizes);
BENCHMARK(Load)->Apply(Sizes);
BENCHMARK(BareWrite)->Apply(Sizes);
BENCHMARK(Save)->Apply(Sizes);

// The console's report, then each measure beside its baseline at each size.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && !run.error_occurred)
        times_[run.run_name.function_name][run.run_name.args].push_back(run.GetAdjustedRealTime());
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void Finalize() override {
    std::printf("\n%-6s %8s %-14s %9s %9s %7s\n", "", "entries", "baseline", "base ms", "ms", "ratio");
    for (auto [measure, baseline] : {std::pair{"Load", "BareReadSplit"}, {"Save", "BareWrite"}}) {
      for (const auto& [size, times] : times_[measure]) {
        const auto found = times_[baseline].find(size);
        if (found == times_[baseline].end()) continue;
        const double base = Median(found->second), time = Median(times);
        std::printf("%-6s %8s %-14s %9.2f %9.2f %7.2f\n", measure, size.c_str(), baseline, base, time, time / base);
      }
    }
  }

 private:
  static double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
  }
  // Measure, then size, then the time of each repetition.
  std::map<std::string, std::map<std::string, std::vector<double>>> times_;
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
