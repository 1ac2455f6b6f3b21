#include "ui/main_window/game_module.h"

#include <QCoreApplication>
#include <QDir>

QStringList gameModulePaths(const char* name) {
  const QDir here(QCoreApplication::applicationDirPath());
  return {here.filePath(name), here.filePath(QString("../lib/zundabar/") + name)};
}

QFunctionPointer loadGameModule(QLibrary& library, const QStringList& paths, const char* symbol,
                                std::string& failure) {
  QStringList failures;
  for (const QString& path : paths) {
    library.setFileName(path);
    if (library.load()) break;
    failures << library.errorString();
  }
  const QFunctionPointer found = library.resolve(symbol);
  if (!found) failure = failures.join("; ").toStdString();
  return found;
}
