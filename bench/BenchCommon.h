// What every benchmark executable shares: a console reporter that keeps each run's time, and a
// main routine that prints a summary from those times after the runs.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace bench {

// Prints the runs as usual and keeps each run's CPU time (the median when the runs are
// repeated); CPU time is less disturbed by other work on the machine.
class TimeReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      bool median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
      if (r.run_type == Run::RT_Iteration || median)
        seconds_[NameAndArgs(r)] = r.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(r.time_unit);
    }
  }

  // CPU seconds per iteration of the run `name`/`arg`; 0 when it did not run.
  double Seconds(const std::string& name, const std::string& arg) const {
    auto found = seconds_.find(name + "/" + arg);
    return found == seconds_.end() ? 0 : found->second;
  }

 private:
  // "name/args" without the options a run's name also carries ("/min_time:2.000", ...).
  static std::string NameAndArgs(const Run& r) {
    std::string name = r.run_name.function_name;
    if (!r.run_name.args.empty()) name += "/" + r.run_name.args;
    return name;
  }

  std::map<std::string, double> seconds_;
};

// Runs the selected benchmarks, then prints summary(times).
inline int RunWithSummary(int argc, char** argv, void (*summary)(const TimeReporter& times)) {
  benchmark::Initialize(&argc, argv);
  TimeReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  summary(reporter);
  benchmark::Shutdown();
  return 0;
}

}  // namespace bench
