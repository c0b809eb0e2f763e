#include "link/GuiTransferHost.h"

#include "app/MessageIds.h"
#include "app/ProgramState.h"
#include "common/SettingsText.h"
#include "common/StringTable.h"
#include "link/ProgressDlg.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

namespace {

QMessageBox::Icon iconOf(program::LinkMessage::Icon icon) {
    using Icon = program::LinkMessage::Icon;
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Stop:
        return QMessageBox::Critical;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

GuiTransferHost::GuiTransferHost(CProgressDlg& dialog, const program::ProgramState& state)
    : m_dialog(dialog), m_state(state) {}

bool GuiTransferHost::pumpEvent() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return m_dialog.cancelRequested();
}

void GuiTransferHost::showStatus(const program::BilingualText& status) {
    m_dialog.setStatus(pick(status));
}

void GuiTransferHost::setProgressRange(int maximum) {
    m_dialog.setProgressRange(maximum);
}

void GuiTransferHost::setProgress(int position) {
    m_dialog.setProgress(position);
}

QString GuiTransferHost::pick(const program::BilingualText& text) const {
    return QString::fromStdString(text.pick(m_state.language));
}

QString GuiTransferHost::textOf(const program::LinkMessage& message) const {
    if (message.id != 0)
        return stringTable(message.id);
    return pick(message.text);
}

QString GuiTransferHost::captionOf(const program::LinkMessage& message) const {
    using Caption = program::LinkMessage::Caption;
    if (!message.captionText.english.empty())
        return pick(message.captionText);
    if (message.caption == Caption::Caution)
        return stringTable(program::message::Caution);
    return captionFromSettings(m_state.messageCaption);
}

program::TransferHost::Answer GuiTransferHost::ask(const program::LinkMessage& message,
                                                   Buttons buttons) {
    QMessageBox box(iconOf(message.icon), captionOf(message), textOf(message),
                    QMessageBox::NoButton, &m_dialog);
    box.setInformativeText(pick(message.detail));
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::RetryCancel:
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Retry:
        return Answer::Retry;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        return Answer::Cancel;
    }
}

void GuiTransferHost::sleepMs(int milliseconds) {
    // A wait that keeps repainting the windows but takes no user input.
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
