#pragma once

#include <QString>

// A string-table message (61446..61456) in the language of the loaded pack; the
// program's own English text when the pack does not translate it.
QString stringTable(int id);
