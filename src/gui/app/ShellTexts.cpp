#include "app/ShellTexts.h"

#include "app/BilingualText.h"

namespace {

program::BilingualText textsOf(ShellText text) {
    switch (text) {
    case ShellText::LoadLanguagePackFailed:
        return {"Load language DLL fail", "加载语言链接库失败"};
    case ShellText::ChannelInformation:
        return {"Channel Information", "信道信息"};
    case ShellText::OptionalFeatures:
        return {"Optional Features", "可选功能"};
    case ShellText::SoftwareInfo:
        return {"Software Info", "软件信息"};
    }
    return {"", ""};
}

} // namespace

QString shellText(ShellText text, program::Language language) {
    return QString::fromStdString(textsOf(text).pick(language));
}
