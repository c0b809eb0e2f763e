#pragma once

#include <QDialog>
#include <QFileDialog>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>

namespace testsupport {

// Answers the modal dialogs a test provokes, in the order they come, and
// remembers what they showed. Each queued answer is used by one dialog. With
// none queued, a message box gets Ok (or its escape button), a file dialog is
// cancelled and any other dialog is left for the test. Windows that are not
// dialogs, such as a help window raised over one, are never answered.
class ModalAnswerer : public QObject {
public:
    using Step = std::function<void(QDialog* dialog)>;

    struct Seen {
        QString title;
        QString text;   // message boxes
        QString detail; // message boxes: the informative text beneath
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList buttons;  // message boxes: the button texts
        QString proposedFile; // file dialogs: the name they proposed
    };

    ModalAnswerer();
    // Steps that act on the next dialogs, one each.
    explicit ModalAnswerer(std::initializer_list<Step> steps);

    // The next message box is answered by its button with this text (e.g. "Save").
    void answerWith(const QString& buttonText);
    void answerWith(QMessageBox::StandardButton button);
    // The next file dialog takes this file ("" cancels it).
    void chooseFile(const QString& path);
    // The next dialog, whatever it is, is handed to `step`, which answers it.
    void then(Step step);

    // Runs on every dialog before it is answered, to look at it while it is up.
    Step inspect;

    QList<Seen> seen;
    bool sawText(const QString& part) const;
    // Every queued answer has been used.
    bool done() const { return m_answers.empty(); }

private:
    struct Answer {
        enum class Kind { Button, Standard, File, Step } kind;
        QString text; // button text or file
        QMessageBox::StandardButton standard = QMessageBox::NoButton;
        Step step;
    };

    void poll();
    std::optional<Answer> take(Answer::Kind kind);
    void answer(QMessageBox* box, const Answer* queued);
    void answer(QFileDialog* dialog, const Answer* queued);

    std::deque<Answer> m_answers;
    QPointer<QDialog> m_last; // answered, and still up
    QTimer m_timer;
};

} // namespace testsupport
