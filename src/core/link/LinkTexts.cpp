#include "link/LinkTexts.h"

#include "app/MessageIds.h"

namespace program::linktexts {

namespace {

LinkMessage literal(std::string english, std::string chinese,
                    LinkMessage::Caption caption = LinkMessage::Caption::ApplicationName) {
    LinkMessage message;
    message.text = {std::move(english), std::move(chinese)};
    message.caption = caption;
    return message;
}

} // namespace

LinkMessage stringTable(int id, LinkMessage::Caption caption) {
    LinkMessage message;
    message.id = id;
    message.text.english = message::englishText(id);
    message.caption = caption;
    return message;
}

LinkMessage typeMismatch() {
    return literal("Becuase the type of radio does not match,\ncommunications is interrupt.",
                   "对讲机类型不匹配,无法通讯。", LinkMessage::Caption::Caution);
}

LinkMessage passwordError() {
    return literal("Password Error!", "Password Error!", LinkMessage::Caption::None);
}

LinkMessage openSerialPortFails() {
    return literal("Open the serial port fails", "Open the serial port fails");
}

LinkMessage communicationError() {
    return literal("Communication Error", "通讯出错");
}

LinkMessage readSuccessfully() {
    return literal("Read Successfully", "读数据成功");
}

LinkMessage writeSuccessfully() {
    return literal("Write Successfully", "写数据成功");
}

LinkMessage portPermissionDenied(const std::string& device) {
    return literal("You are not allowed to open " + device +
                       ".\nAdd your user to the dialout group "
                       "(sudo usermod -aG dialout $USER), then log out and in again.",
                   "没有权限打开 " + device +
                       "。\n请把当前用户加入 dialout 组"
                       "(sudo usermod -aG dialout $USER),然后注销并重新登录。");
}

} // namespace program::linktexts
