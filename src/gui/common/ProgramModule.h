#pragma once

#include <QString>

// Parts of the program that live in libraries of their own and are loaded when
// first used, so that a start pays nothing for what most runs never open: the
// help viewer with its help engine and database, the printer dialogs.
namespace programmodule {

// The function `symbol` of the module `name` (e.g. "program-help"), looked for
// beside the program (a build or portable folder), then in <prefix>/lib/program.
// A module stays loaded for the rest of the run. Null, with `error` saying why,
// when it cannot be loaded.
QFunctionPointer resolve(const QString& name, const char* symbol, QString* error);

} // namespace programmodule
