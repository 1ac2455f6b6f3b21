#include "play/options_store.h"

#include <algorithm>
#include <utility>

#include "game/option_rules.h"

namespace {

std::size_t characterCount(const std::string& utf8) {
  return static_cast<std::size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

OptionsStore::OptionsStore(std::unique_ptr<OptionsStorage> storage, OnceReport::Report report)
    : storage_(std::move(storage)), report_(std::move(report)) {}

std::string OptionsStore::get(const std::string& key) {
  if (const auto held = held_.find(key); held != held_.end()) return held->second;
  OptionsStorage::Found found = storage_->read(key);
  for (const std::string& problem : found.problems) report_.tell(problem);
  const std::string ignored = "; it is ignored and takes its default";
  if (found.overLong) {
    report_.tell("the option " + key + " in " + storage_->shownLocation() + " is longer than " +
                 std::to_string(options::kMaxOptionChars) + " characters" + ignored);
    return {};
  }
  if (!found.text) return {};
  if (const std::size_t length = characterCount(*found.text); length > options::kMaxOptionChars) {
    report_.tell("the option " + key + " in " + storage_->shownLocation() + " is " +
                 std::to_string(length) + " characters long" + ignored);
    return {};
  }
  return std::move(*found.text);
}

void OptionsStore::save(const std::string& key, const std::string& text) {
  held_[key] = text;
  const OptionsStorage::Written written = storage_->write(held_);
  for (const std::string& problem : written.problems) report_.tell(problem);
  std::erase_if(held_, [&](const auto& value) { return !written.failed.contains(value.first); });
  if (const auto failed = written.failed.find(key); failed != written.failed.end()) {
    report_.tell("could not save the option " + key + " to " + storage_->shownLocation() + ": " +
                 failed->second + "; the new value holds until the game ends");
  }
}
