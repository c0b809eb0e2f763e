#pragma once

#include "app/ChoiceList.h"
#include "model/CodeplugImage.h"

namespace program::features {

// The function of the radio's side key, as the position of the chosen radio
// button: 0 "Option Singalling Call", 1 "Emergency Call", 2 "Send 1750Hz Singal",
// 3 "Squelch Off Momentary".
struct KeyAssignment {
    int sideKey = 0;

    friend bool operator==(const KeyAssignment&, const KeyAssignment&) = default;
};

KeyAssignment loadKeyAssignment(const CodeplugImage& image);
// Writes the two side-key bits; the other bits of their byte are kept.
void storeKeyAssignment(const KeyAssignment& values, CodeplugImage& image);

// The four functions, in button order (the radio's texts carry no Chinese form).
const ChoiceList& sideKeyChoices();

} // namespace program::features
