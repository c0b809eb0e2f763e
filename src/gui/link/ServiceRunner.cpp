#include "link/ServiceRunner.h"

#include "app/ProgramState.h"
#include "link/ConnectionCheckDlg.h"
#include "link/GuiTransferHost.h"
#include "link/PosixSerialLink.h"
#include "link/PromptingExchange.h"
#include "link/StrictExchange.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>

#include <chrono>
#include <exception>
#include <memory>
#include <thread>

namespace {

bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::DragEnter:
    case QEvent::Drop:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

} // namespace

// The front end as the worker thread sees it: waits are real sleeps, and each
// message is shown by the interface thread while the worker waits for the answer.
class ServiceRunner::WorkerHost final : public program::TransferHost {
public:
    explicit WorkerHost(ServiceRunner& runner) : m_runner(runner) {}

    bool pumpEvent() override { return false; }
    void showStatus(const program::BilingualText&) override {}
    void setProgressRange(int) override {}
    void setProgress(int) override {}
    void sleepMs(int milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }

    Answer ask(const program::LinkMessage& message, Buttons buttons) override {
        Answer answer = Answer::Cancel;
        QMetaObject::invokeMethod(
            &m_runner,
            [this, &message, buttons, &answer] {
                // The message box takes input; the wait cursor comes back after it.
                QApplication::restoreOverrideCursor();
                answer = GuiTransferHost::showMessage(&m_runner.m_dialog, m_runner.m_state, message,
                                                      buttons, &m_runner.m_checkConnection);
                QApplication::setOverrideCursor(Qt::WaitCursor);
            },
            Qt::BlockingQueuedConnection);
        return answer;
    }

private:
    ServiceRunner& m_runner;
};

ServiceRunner::ServiceRunner(QDialog& dialog, const program::ProgramState& state, ServicePort port)
    : QObject(&dialog), m_dialog(dialog), m_state(state), m_port(std::move(port)) {
    if (!m_port.linkFactory)
        m_port.linkFactory = [] { return std::make_unique<program::PosixSerialLink>(); };
}

ServiceRunner::~ServiceRunner() = default;

program::TransferResult
ServiceRunner::run(Profile profile, program::ExchangeDirection direction,
                   const program::BlockPlan& plan, program::CodeplugImage& image,
                   const std::function<void(program::CodeplugImage&)>& afterHandshake) {
    if (m_running)
        return {};
    m_running = true;
    m_checkConnection = false;
    qApp->installEventFilter(this);
    QApplication::setOverrideCursor(Qt::WaitCursor);

    const std::unique_ptr<program::SerialLink> link = m_port.linkFactory();
    WorkerHost host(*this);
    std::unique_ptr<program::ServiceExchange> exchange;
    if (profile == Profile::Strict)
        exchange = std::make_unique<program::StrictExchange>(*link, host);
    else
        exchange = std::make_unique<program::PromptingExchange>(*link, host);

    // The worker has a copy of its own; it becomes the caller's when it is done.
    program::CodeplugImage working = image;
    program::TransferResult result;
    std::exception_ptr thrown;
    QEventLoop loop;
    std::thread worker([&] {
        std::function<void()> step;
        if (afterHandshake)
            step = [&] { afterHandshake(working); };
        try {
            result = exchange->run(direction, m_port.device, plan, working, step);
        } catch (...) {
            thrown = std::current_exception();
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();

    QApplication::restoreOverrideCursor();
    qApp->removeEventFilter(this);
    m_running = false;
    if (thrown)
        std::rethrow_exception(thrown);
    image = working;
    // Asked for from a message of the failed exchange: the port is closed by now.
    if (m_checkConnection)
        CConnectionCheckDlg(m_state, m_port.overrides, m_port.device, m_port.linkFactory, &m_dialog)
            .exec();
    return result;
}

bool ServiceRunner::eventFilter(QObject* watched, QEvent* event) {
    if (!m_running || !watched->isWidgetType() || !isUserInput(event->type()))
        return false;
    // Message boxes over the dialog are windows of their own and take input.
    const auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != &m_dialog)
        return false;
    event->ignore();
    return true;
}
