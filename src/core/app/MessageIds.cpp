#include "app/MessageIds.h"

namespace program::message {

const char* englishText(int id) {
    switch (id) {
    case OutOfRange:
        return "Out of range, please input again.";
    case ErrorDataFormat:
        return "Error Data Format, please input again.";
    case NotEnoughBytes:
        return "Not received enough byte";
    case CommunicationError:
        return "Communication Error, Please check all the connections and the radio power";
    case AllDataCleared:
        return "All data will be Cleared!";
    case CouldNotOpenPort:
        return "Could not Open the Port, Please check whether the Port are occupied or the "
               "device are ok";
    case ProgramInterrupt:
        return "Program Interrupt, Please reset the radio and try again";
    case BandOverRange:
        return "\n\nThe frequency band over the range of the radio.\nClick the OK button to "
               "continue, or click Cancel button to exit.";
    case ErrorDataValue:
        return "Error data Value, please input according the step value(6.25K/5k).";
    case ErrorHappened:
        return "Error had happen, need try again";
    case Caution:
        return "Caution";
    default:
        return "";
    }
}

} // namespace program::message
