#pragma once
// Runs each benchmark in a process of its own, forked before Qt starts, so
// that a measure and its baseline both begin from a fresh heap: what one
// benchmark left allocated, freed or trimmed cannot slow or speed the next.
// The cases take turns over a few rounds, so that other work on the machine
// falls on a measure and its baseline alike. Each child prints its row of the
// console report (the context and the header only once) and sends its time
// to the parent through a pipe.
#include <sys/wait.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace bench {

// The time of one run: on the clock, and the processor's.
struct Time {
  double real = 0, cpu = 0;
};
// Function name, then arguments ("100000"), then each round's time.
using Times = std::map<std::string, std::map<std::string, std::vector<Time>>>;

namespace detail {

// The console report, less the context and the header after the first
// child's; each run's time also goes to the parent.
class ChildReporter : public benchmark::ConsoleReporter {
 public:
  // Coloured only on a terminal, as the library's own report.
  ChildReporter(int out, bool first, size_t nameWidth)
      : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular),
        out_(out),
        first_(first),
        nameWidth_(nameWidth) {}

  bool ReportContext(const Context& context) override {
    if (first_) ConsoleReporter::ReportContext(context);
    name_field_width_ = nameWidth_;  // the same columns in every child
    return true;
  }
  void PrintHeader(const Run& run) override {
    if (first_) ConsoleReporter::PrintHeader(run);
  }
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && !run.error_occurred)
        dprintf(out_, "%s %s %.17g %.17g\n", run.run_name.function_name.c_str(), run.run_name.args.c_str(),
                run.GetAdjustedRealTime(), run.GetAdjustedCPUTime());
    }
    ConsoleReporter::ReportRuns(runs);
    std::fflush(stdout);
  }

 private:
  int out_;
  bool first_;
  size_t nameWidth_;
};

// Whether the command line's --benchmark_filter takes the case (a regular
// expression searched for in the name; a leading "-" takes the others).
inline bool Chosen(const std::string& name) {
  std::string filter = benchmark::GetBenchmarkFilter();
  if (filter.empty() || filter == "all" || filter == ".") return true;
  const bool negative = filter[0] == '-';
  if (negative) filter.erase(0, 1);
  return std::regex_search(name, std::regex(filter)) != negative;
}

inline void ReadTimes(int in, Times& times) {
  std::string text;
  char buffer[4096];
  for (ssize_t n; (n = read(in, buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<size_t>(n));
  std::istringstream lines(text);
  std::string function, args;
  for (Time time; lines >> function >> args >> time.real >> time.cpu;) times[function][args].push_back(time);
}

}  // namespace detail

// Runs each case ("Function/arguments", as the benchmark is named) that the
// filter takes in a fresh process, all of them in turn, rounds times over:
// startChild first (it makes the Qt application), then the benchmark.
// Answers the times of all the runs, one per round.
inline Times RunInFreshProcesses(const std::vector<std::string>& cases, int rounds,
                                 const std::function<void()>& startChild) {
  size_t nameWidth = 10;
  for (const std::string& name : cases) nameWidth = std::max(nameWidth, name.size() + 18);  // "/min_time:0.200"
  Times times;
  bool first = true;
  for (int round = 0; round < rounds; ++round) {
    for (const std::string& name : cases) {
      if (!detail::Chosen(name)) continue;
      int pipeEnds[2];
      if (pipe(pipeEnds) != 0) return times;
      std::fflush(stdout);
      const pid_t child = fork();
      if (child == 0) {
        close(pipeEnds[0]);
        startChild();
        detail::ChildReporter reporter(pipeEnds[1], first, nameWidth);
        // The name, and whatever the library adds to it ("/min_time:0.200").
        benchmark::RunSpecifiedBenchmarks(&reporter, "^" + name + "(/|$)");
        std::fflush(stdout);
        _exit(0);
      }
      close(pipeEnds[1]);
      if (child > 0) {
        detail::ReadTimes(pipeEnds[0], times);
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
          std::fprintf(stderr, "%s: the benchmark's process failed\n", name.c_str());
      }
      close(pipeEnds[0]);
      first = false;
    }
  }
  return times;
}

}  // namespace bench
