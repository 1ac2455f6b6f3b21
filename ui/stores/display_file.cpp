#include "ui/stores/display_file.h"

#include <QByteArray>
#include <QFile>
#include <QStandardPaths>

#include "ui/stderr_report.h"

namespace {

// Far more than the three lines the game writes.
constexpr std::size_t kMaxFileBytes = 4096;

// The lines name a path and a reason from outside, so control characters in them are shown
// escaped.
void tellUnreadable(const std::string& path, const std::string& why) {
  tellOnStderr("the display settings in " + printable(path) + " cannot be read" +
               (why.empty() ? "" : " (" + printable(why) + ")") +
               "; the window opens at its own size");
}

}  // namespace

DisplayFile::DisplayFile(QString path) : DisplayFile(std::move(path), {}) {}

DisplayFile::DisplayFile(QString path, DiskCalls calls) : path_(std::move(path)), calls_(calls) {}

QString DisplayFile::defaultPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         "/Zundabar/display.conf";
}

std::string DisplayFile::localPath() const { return QFile::encodeName(path_).toStdString(); }

DisplayChoice DisplayFile::load() {
  const std::string path = localPath();
  const FileContents file = readRegularFile(path, kMaxFileBytes);
  switch (file.state) {
    case FileContents::State::Missing:
      return {};
    case FileContents::State::NotRegular:
      tellUnreadable(path, "it is " + file.why + ", not a regular file");
      return {};
    case FileContents::State::Unreadable:
      tellUnreadable(path, file.why);
      return {};
    case FileContents::State::TooLarge:
      tellUnreadable(path, "it is larger than " + std::to_string(kMaxFileBytes) + " bytes");
      return {};
    case FileContents::State::Read:
      break;
  }
  const std::optional<DisplayChoice> choice = parseDisplayChoice(file.bytes);
  if (!choice) {
    tellUnreadable(path, {});
    return {};
  }
  return *choice;
}

void DisplayFile::save(const DisplayChoice& choice) {
  const std::string text = displayChoiceText(choice);
  const std::string path = localPath();
  std::string why;
  if (!saveGuarded(path, text, calls_, why)) {
    tellOnStderr("could not save the display settings to " + printable(path) + ": " +
                 printable(why));
  }
}
