#include "features/OptionalFeatures.h"
#include "settings/FieldKinds.h"
#include "settings/Sections.h"

namespace program::settings {

std::unique_ptr<Section> makeOptionalSection() {
    using features::OptionalFeatures;
    namespace l = features::optionallists;
    using F = OptionalFeatures;
    std::vector<Field<F>> fields{
        listField("optional.tot", l::tot(), &F::tot),
        listField("optional.squelch_level", l::squelchLevel(), &F::squelchLevel),
        listField("optional.vox_gain", l::voxGain(), &F::voxGain),
        listField("optional.step", l::step(), &F::step),
        listField("optional.tot_pre_alert", l::totPreAlert(), &F::totPreAlert),
        listField("optional.orange_key", l::orangeKey(), &F::orangeKey),
        listField("optional.key_lock", l::keyLock(), &F::keyLock),
        listField("optional.beep", l::beep(), &F::beep),
        listField("optional.stopwatch", l::beep(), &F::stopwatch),
        listField("optional.scan_mode", l::scanMode(), &F::scanMode),
        listField("optional.tail", l::tail(), &F::tail),
        listField("optional.str_set", l::strSet(), &F::strSet),
        listField("optional.power_on_style", l::powerOnStyle(), &F::powerOnStyle),
        listField("optional.back_light", l::backLight(), &F::backLight),
        listField("optional.back_light_color", l::backLightColor(), &F::backLightColor),
        listField("optional.display_mode", l::displayMode(), &F::displayMode),
        listField("optional.battery_saver", l::beep(), &F::batterySaver),
        checkField("optional.keypad_lock", &F::keypadLock),
        listField("optional.priority_channel", l::priorityChannel(), &F::priorityChannel),
        listField("optional.msk_type", l::mskType(), &F::mskType),
        checkField("optional.repeater_msk_invert", &F::repeaterMskInvert),
        listField("optional.allow_reset", l::allowReset(), &F::allowReset),
        textField("optional.password", "up to 6 digits, or empty", &F::password,
                  &features::isPassword),
    };
    return std::make_unique<EditorSection<F>>("optional", features::loadOptionalFeatures,
                                              features::storeOptionalFeatures, std::move(fields));
}

} // namespace program::settings
