#include "link/LinkTexts.h"

#include "app/MessageIds.h"

#include <cerrno>
#include <cstring>

namespace program::linktexts {

namespace {

LinkMessage literal(std::string english, std::string chinese,
                    LinkMessage::Caption caption = LinkMessage::Caption::ApplicationName) {
    LinkMessage message;
    message.text = {std::move(english), std::move(chinese)};
    message.caption = caption;
    return message;
}

LinkMessage connectionFailure(LinkMessage message) {
    message.connectionFailed = true;
    return message;
}

} // namespace

LinkMessage stringTable(int id, LinkMessage::Caption caption) {
    LinkMessage message;
    message.id = id;
    message.text.english = message::englishText(id);
    message.caption = caption;
    message.connectionFailed = id == message::CommunicationError || id == message::CouldNotOpenPort;
    return message;
}

LinkMessage typeMismatch() {
    LinkMessage message =
        literal("Becuase the type of radio does not match,\ncommunications is interrupt.",
                "对讲机类型不匹配,无法通讯。", LinkMessage::Caption::Caution);
    // In Chinese this one is captioned a warning, unlike the other cautions of the link.
    message.captionText = {"Caution", "警告"};
    return message;
}

LinkMessage passwordError() {
    return literal("Password Error!", "Password Error!", LinkMessage::Caption::None);
}

LinkMessage openSerialPortFails() {
    return connectionFailure(literal("Open the serial port fails", "Open the serial port fails"));
}

LinkMessage communicationError() {
    return connectionFailure(literal("Communication Error", "通讯出错"));
}

LinkMessage readSuccessfully() {
    return literal("Read Successfully", "读数据成功");
}

LinkMessage writeSuccessfully() {
    return literal("Write Successfully", "写数据成功");
}

LinkMessage portPermissionDenied(const std::string& device) {
    return connectionFailure(
        literal("You are not allowed to open " + device +
                    ".\nAdd your user to the dialout group "
                    "(sudo usermod -aG dialout $USER), then log out and in again.",
                "没有权限打开 " + device +
                    "。\n请把当前用户加入 dialout 组"
                    "(sudo usermod -aG dialout $USER),然后注销并重新登录。"));
}

LinkMessage radioPartlyWritten() {
    return literal("The radio may now hold a partly written memory. Write the file again, or "
                   "the backup of the last read, to give it a consistent one.",
                   "对讲机中的数据可能只写入了一部分。请重新写入该文件,或写入上次读取时保存的"
                   "备份,使其恢复完整一致。",
                   LinkMessage::Caption::Caution);
}

LinkMessage verified() {
    LinkMessage message =
        literal("The radio holds every byte written.", "对讲机保存了写入的每一个字节。");
    message.icon = LinkMessage::Icon::Information;
    return message;
}

LinkMessage verifyDifferences() {
    LinkMessage message = literal("The radio holds other bytes than were written:",
                                  "对讲机中以下字节与写入的不同:", LinkMessage::Caption::Caution);
    message.icon = LinkMessage::Icon::Warning;
    return message;
}

LinkMessage verifyReadBackFailed() {
    LinkMessage message = literal("The write completed, but the read-back could not check it.",
                                  "写入已完成,但回读未能校验写入的数据。");
    message.icon = LinkMessage::Icon::Warning;
    return message;
}

LinkMessage verifyCancelled() {
    return literal("The write completed and was not verified.", "写入已完成,但未校验。");
}

LinkMessage portHeldBy(const std::string& device, int pid) {
    const std::string process = std::to_string(pid);
    return connectionFailure(
        literal(device + ": in use by another program (process " + process + ")",
                device + ": 正被另一个程序占用(进程 " + process + ")"));
}

std::string systemReason(int error, Language language) {
    if (language == Language::Chinese) {
        switch (error) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return "没有这个文件或设备";
        case EACCES:
        case EPERM:
            return "没有权限";
        case EBUSY:
            return "设备或资源忙";
        case EIO:
            return "输入/输出错误";
        default:
            break;
        }
    }
    return std::strerror(error);
}

std::string englishLine(const LinkMessage& message) {
    std::string text = message.id != 0 ? message::englishText(message.id) : message.text.english;
    if (!message.detail.english.empty())
        text += " (" + message.detail.english + ")";
    std::string line;
    for (char c : text) {
        if (c == '\n' || c == '\r') {
            if (!line.empty() && line.back() != ' ')
                line += ' ';
        } else {
            line += c;
        }
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

} // namespace program::linktexts
