#include "app/ChoiceList.h"

#include <string>

namespace program {

ChoiceList numberChoices(int first, int last, int step) {
    ChoiceList list;
    for (int value = first; value <= last; value += step)
        list.push_back({std::to_string(value), {}});
    return list;
}

} // namespace program
