#pragma once

#include "app/ChoiceList.h"
#include "model/CodeplugImage.h"

#include <string>
#include <string_view>

namespace program::features {

// What the Optional Features dialog shows: the position chosen in each list, the
// check boxes and the password text. A position of -1 stands for a list with
// nothing chosen.
struct OptionalFeatures {
    int tot = 0;
    int squelchLevel = 0;
    int voxGain = 0;
    int step = 0;
    int totPreAlert = 0;
    int orangeKey = 0;
    int keyLock = 0;
    int beep = 0;
    int stopwatch = 0;
    int scanMode = 0;
    int tail = 0;
    int strSet = 0;
    int powerOnStyle = 0;
    int backLight = 0;
    int backLightColor = 0;
    int displayMode = 0;
    int batterySaver = 0;
    int priorityChannel = 0;
    int mskType = 0;
    int allowReset = 0;
    bool keypadLock = false;
    bool repeaterMskInvert = false;
    std::string password;

    friend bool operator==(const OptionalFeatures&, const OptionalFeatures&) = default;
};

// Reads the feature bytes as the dialog shows them: a byte that is no position of
// its list shows the first entry, a two-bit value 3 shows the entry the radio
// treats it as, and the password is the digits up to the first other byte.
OptionalFeatures loadOptionalFeatures(const CodeplugImage& image);
// Writes every field; bits of the same bytes that other editors own are kept.
void storeOptionalFeatures(const OptionalFeatures& values, CodeplugImage& image);

// The radio keys a password of digits only, at most six of them.
inline constexpr std::size_t PasswordLength = 6;
bool isPassword(std::string_view text);

// The lists of the dialog, in list order, in both languages.
namespace optionallists {
const ChoiceList& tot();
const ChoiceList& squelchLevel();
const ChoiceList& voxGain();
const ChoiceList& step();
const ChoiceList& totPreAlert();
const ChoiceList& orangeKey();
const ChoiceList& keyLock();
const ChoiceList& beep(); // also Stopwatch and Battery Saver: "On" first
const ChoiceList& scanMode();
const ChoiceList& tail(); // "Off" first
const ChoiceList& strSet();
const ChoiceList& powerOnStyle();
const ChoiceList& backLight();
const ChoiceList& backLightColor();
const ChoiceList& displayMode();
const ChoiceList& priorityChannel();
const ChoiceList& mskType();
const ChoiceList& allowReset();
} // namespace optionallists

} // namespace program::features
