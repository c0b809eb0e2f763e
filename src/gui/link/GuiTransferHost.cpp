#include "link/GuiTransferHost.h"

#include "app/MessageIds.h"
#include "app/ProgramState.h"
#include "common/SettingsText.h"
#include "common/StringTable.h"
#include "link/ProgressDlg.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

QString pick(const program::ProgramState& state, const program::BilingualText& text) {
    return QString::fromStdString(text.pick(state.language));
}

QString textOf(const program::ProgramState& state, const program::LinkMessage& message) {
    if (message.id != 0)
        return stringTable(message.id);
    return pick(state, message.text);
}

QString captionOf(const program::ProgramState& state, const program::LinkMessage& message) {
    using Caption = program::LinkMessage::Caption;
    if (!message.captionText.english.empty())
        return pick(state, message.captionText);
    if (message.caption == Caption::Caution)
        return stringTable(program::message::Caution);
    return captionFromSettings(state.messageCaption);
}

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
    m_dialog.setStatus(pick(m_state, status));
}

void GuiTransferHost::setProgressRange(int maximum) {
    m_dialog.setProgressRange(maximum);
}

void GuiTransferHost::setProgress(int position) {
    m_dialog.setProgress(position);
}

program::TransferHost::Answer GuiTransferHost::ask(const program::LinkMessage& message,
                                                   Buttons buttons) {
    return showMessage(&m_dialog, m_state, message, buttons, &m_checkConnection);
}

program::TransferHost::Answer GuiTransferHost::showMessage(QWidget* parent,
                                                           const program::ProgramState& state,
                                                           const program::LinkMessage& message,
                                                           Buttons buttons, bool* checkConnection) {
    QMessageBox box(iconOf(message.icon), captionOf(state, message), textOf(state, message),
                    QMessageBox::NoButton, parent);
    box.setInformativeText(pick(state, message.detail));
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
    QPushButton* check = nullptr;
    if (checkConnection && message.connectionFailed)
        check = box.addButton(QCoreApplication::translate("GuiTransferHost", "Check Connection..."),
                              QMessageBox::ActionRole);
    const int pressed = box.exec();
    if (check && box.clickedButton() == check) {
        *checkConnection = true;
        return Answer::Cancel;
    }
    switch (pressed) {
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
