#pragma once

#include <QLibrary>
#include <QStringList>
#include <string>

// Where a module of the game's is looked for: beside the program, then in the installed library
// folder. name has no suffix: the platform's own is added when it is loaded.
QStringList gameModulePaths(const char* name);

// Loads the first of paths that loads and returns its symbol; without one, returns null and
// failure tells why, one reason for each path tried.
QFunctionPointer loadGameModule(QLibrary& library, const QStringList& paths, const char* symbol,
                                std::string& failure);
