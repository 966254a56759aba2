// Import and export of 100,000 entries, each beside the bare work on the same
// bytes in the same run: reading the file and splitting its lines and fields,
// and writing the file (synced to disk, as the export is).
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/app.h"
#include "bench/bench_program.h"
#include "app/startup.h"
#include "framework/fw_dialogs.h"
#include "framework/fw_shared.h"
#include "mainwindow/window1.h"

namespace {

namespace fs = std::filesystem;
constexpr int kLines = 100000;

using bench::Program;
using bench::TheProgram;

// The export file of kLines entries, as the export writes it.
std::string ExportBytes() {
  std::string bytes = "Description\tUserName\tPassword\tURL\tNote\n";
  char line[160];
  for (int i = 0; i < kLines - 1; ++i) {
    std::snprintf(line, sizeof line, "Entry %06d\tuser%d@mail.example\tpa55-%06d-word\thttps://site%d.example/login\tnote %d\n",
                  i, i, i, i, i);
    bytes += line;
  }
  return bytes;
}

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Reads the file and splits it into lines and fields.
void BM_ImportBareReadAndSplit(benchmark::State& state) {
  Program& p = TheProgram();
  const fs::path file = p.File("import.txt");
  std::ofstream(file, std::ios::binary) << ExportBytes();
  for (auto _ : state) {
    std::string bytes = ReadFile(file);
    size_t lines = 0, fields = 0;
    for (size_t start = 0; start < bytes.size();) {
      size_t end = bytes.find_first_of("\r\n", start);
      if (end == std::string::npos) end = bytes.size();
      std::string line = bytes.substr(start, end - start);
      for (size_t at = 0, tab; (tab = line.find('\t', at)) != std::string::npos; at = tab + 1) {
        std::string field = line.substr(at, tab - at);
        benchmark::DoNotOptimize(field);
        ++fields;
      }
      ++lines;
      start = end + 1;
    }
    benchmark::DoNotOptimize(lines + fields);
  }
}
BENCHMARK(BM_ImportBareReadAndSplit)->Unit(benchmark::kMillisecond);

// The import command into an empty list, dialog and message answered at once.
void BM_Import(benchmark::State& state) {
  Program& p = TheProgram();
  p.dialogs.file = p.File("import.txt");
  std::ofstream(p.dialogs.file, std::ios::binary) << ExportBytes();
  for (auto _ : state) {
    state.PauseTiming();
    p.window->ListBox1->DeleteAllRows();
    state.ResumeTiming();
    fw::Shared<App>().import();
  }
  if (p.window->ListBox1->ListCount() != kLines) state.SkipWithError("not every line was imported");
  p.window->ListBox1->DeleteAllRows();
}
BENCHMARK(BM_Import)->Unit(benchmark::kMillisecond);

// Writes the same bytes as the export, synced to disk.
void BM_ExportBareWrite(benchmark::State& state) {
  Program& p = TheProgram();
  const std::string bytes = ExportBytes();
  const fs::path file = p.File("bare export.txt");
  for (auto _ : state) {
    int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    for (size_t done = 0; done < bytes.size();) {
      ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
      if (n <= 0) break;
      done += static_cast<size_t>(n);
    }
    fsync(fd);
    close(fd);
  }
}
BENCHMARK(BM_ExportBareWrite)->Unit(benchmark::kMillisecond);

// The export command of a list of kLines - 1 entries (the header makes kLines lines).
void BM_Export(benchmark::State& state) {
  Program& p = TheProgram();
  p.dialogs.file = p.File("import.txt");
  std::ofstream(p.dialogs.file, std::ios::binary) << ExportBytes();
  p.window->ListBox1->DeleteAllRows();
  fw::Shared<App>().import();
  p.window->ListBox1->RemoveRow(0);  // the header line
  const std::string expected = ExportBytes();
  p.dialogs.file = p.File("export.txt");
  for (auto _ : state) p.window->Export();
  if (ReadFile(p.dialogs.file) != expected) state.SkipWithError("the export differs from its bytes");
  p.window->ListBox1->DeleteAllRows();
}
BENCHMARK(BM_Export)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
