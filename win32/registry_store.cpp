#include "win32/registry_store.h"

#include "win32/system_error_text.h"

RegistryStore::RegistryStore(const std::string& root)
    : key_(root + "\\" + options::kApplication + "\\" + options::kSection) {}

OptionsStorage::Found RegistryStore::read(const std::string& key) {
  Found found;
  std::string text;
  const LSTATUS status = key_.readText(key, options::kMaxOptionChars, text);
  switch (status) {
    case ERROR_SUCCESS:
      found.text = std::move(text);
      break;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      break;
    case ERROR_UNSUPPORTED_TYPE:
      found.problems.push_back("the option " + key + " in " + key_.shown() +
                               " is not a text value; it is ignored and takes its default");
      break;
    case ERROR_MORE_DATA:
      found.overLong = true;
      break;
    default:
      found.problems.push_back("could not read the option " + key + " from " + key_.shown() + ": " +
                               systemErrorText(status) + "; it takes its default");
      break;
  }
  return found;
}

OptionsStorage::Written RegistryStore::write(const std::map<std::string, std::string>& values) {
  Written written;
  const LSTATUS opened = key_.write([&](HKEY settings) {
    for (const auto& [key, text] : values) {
      const LSTATUS set = setTextValue(settings, key, text);
      if (set != ERROR_SUCCESS) written.failed[key] = systemErrorText(set);
    }
    return ERROR_SUCCESS;
  });
  if (opened != ERROR_SUCCESS) {
    for (const auto& [key, text] : values) written.failed[key] = systemErrorText(opened);
  }
  return written;
}
