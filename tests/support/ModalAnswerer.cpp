#include "support/ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>

#include <algorithm>

namespace testsupport {

ModalAnswerer::ModalAnswerer() {
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_timer.start(5);
}

ModalAnswerer::ModalAnswerer(std::initializer_list<Step> steps) : ModalAnswerer() {
    for (const Step& step : steps)
        then(step);
}

void ModalAnswerer::answerWith(const QString& buttonText) {
    m_answers.push_back({Answer::Kind::Button, buttonText, QMessageBox::NoButton, {}});
}

void ModalAnswerer::answerWith(QMessageBox::StandardButton button) {
    m_answers.push_back({Answer::Kind::Standard, {}, button, {}});
}

void ModalAnswerer::chooseFile(const QString& path) {
    m_answers.push_back({Answer::Kind::File, path, QMessageBox::NoButton, {}});
}

void ModalAnswerer::then(Step step) {
    m_answers.push_back({Answer::Kind::Step, {}, QMessageBox::NoButton, std::move(step)});
}

bool ModalAnswerer::sawText(const QString& part) const {
    for (const Seen& s : seen) {
        if (s.text.contains(part))
            return true;
    }
    return false;
}

void ModalAnswerer::poll() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog != m_last)
        m_last = nullptr;
    if (!dialog || dialog == m_last)
        return;
    auto* box = qobject_cast<QMessageBox*>(dialog);
    auto* files = qobject_cast<QFileDialog*>(dialog);
    const bool stepQueued = !m_answers.empty() && m_answers.front().kind == Answer::Kind::Step;
    if (!box && !files && !stepQueued)
        return;

    m_last = dialog;
    Seen shown{dialog->windowTitle(), {}, {}, QMessageBox::NoIcon, {}, {}};
    if (box) {
        shown.text = box->text();
        shown.detail = box->informativeText();
        shown.icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            shown.buttons.append(button->text());
    }
    if (files && !files->selectedFiles().isEmpty())
        shown.proposedFile = files->selectedFiles().first();
    seen.append(shown);
    if (inspect)
        inspect(dialog);

    // Taken before acting: the answer may bring up the next dialog at once.
    std::optional<Answer> queued = take(box ? Answer::Kind::Button : Answer::Kind::File);
    if (queued && queued->kind == Answer::Kind::Step)
        queued->step(dialog);
    else if (box)
        answer(box, queued ? &*queued : nullptr);
    else
        answer(files, queued ? &*queued : nullptr);
}

// A step at the front of the queue, else the first answer meant for this kind
// of dialog: message boxes and file dialogs keep their own order.
std::optional<ModalAnswerer::Answer> ModalAnswerer::take(Answer::Kind kind) {
    auto fits = [kind](const Answer& a) {
        if (kind == Answer::Kind::Button)
            return a.kind == Answer::Kind::Button || a.kind == Answer::Kind::Standard;
        return a.kind == kind;
    };
    auto it = !m_answers.empty() && m_answers.front().kind == Answer::Kind::Step
                  ? m_answers.begin()
                  : std::find_if(m_answers.begin(), m_answers.end(), fits);
    if (it == m_answers.end())
        return std::nullopt;
    Answer answer = *it;
    m_answers.erase(it);
    return answer;
}

void ModalAnswerer::answer(QMessageBox* box, const Answer* queued) {
    QAbstractButton* button = nullptr;
    if (queued && queued->kind == Answer::Kind::Button) {
        for (QAbstractButton* candidate : box->buttons()) {
            if (candidate->text().remove(QLatin1Char('&')) == queued->text)
                button = candidate;
        }
    } else if (queued && queued->kind == Answer::Kind::Standard) {
        button = box->button(queued->standard);
    }
    if (!button)
        button = box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok) : box->escapeButton();
    if (button)
        button->click();
    else
        box->reject();
}

void ModalAnswerer::answer(QFileDialog* dialog, const Answer* queued) {
    const QString file = queued && queued->kind == Answer::Kind::File ? queued->text : QString();
    if (file.isEmpty()) {
        dialog->reject();
        return;
    }
    dialog->selectFile(file);
    static_cast<QDialog*>(dialog)->accept(); // QFileDialog::accept checks the name
}

} // namespace testsupport
