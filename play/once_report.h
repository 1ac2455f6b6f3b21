#pragma once

#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <utility>

// Passes each line on once: a value read afresh at every tick must not fill stderr.
class OnceReport {
 public:
  using Report = std::function<void(std::string_view line)>;

  explicit OnceReport(Report report) : report_(std::move(report)) {}
  void tell(const std::string& line) {
    if (told_.insert(line).second) report_(line);
  }

 private:
  Report report_;
  std::set<std::string> told_;
};
