#pragma once

#include "app/BilingualText.h"

#include <vector>

namespace program {

// The entries of a drop-down list in both languages, in list order. An editor's
// codec keeps the positions; its dialog and the settings catalogue show the texts.
using ChoiceList = std::vector<BilingualText>;

// "1" ... "n" (or from `first`), the same in both languages.
ChoiceList numberChoices(int first, int last, int step = 1);

} // namespace program
