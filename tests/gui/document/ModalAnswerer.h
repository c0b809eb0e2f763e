#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPushButton>
#include <QTimer>

// Answers the modal message boxes and file dialogs a test provokes, in order,
// and remembers what they said. A box with no answer queued gets Ok (or its
// escape button); a file dialog with no file queued is cancelled.
class ModalAnswerer : public QObject {
public:
    struct Seen {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString proposedFile; // file dialogs: the name they proposed
    };

    ModalAnswerer() {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
        m_timer.start();
    }

    // The next message box is answered by its button with this text (e.g. "Save").
    void answerWith(const QString& buttonText) { m_buttons << buttonText; }
    void answerWith(QMessageBox::StandardButton button) { m_standard << button; }
    // The next file dialog takes this file ("" cancels it).
    void chooseFile(const QString& path) { m_files << path; }

    QList<Seen> seen;

    bool sawText(const QString& part) const {
        for (const Seen& s : seen) {
            if (s.text.contains(part))
                return true;
        }
        return false;
    }

private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            answer(box);
        else if (auto* dialog = qobject_cast<QFileDialog*>(modal))
            answer(dialog);
    }

    void answer(QMessageBox* box) {
        seen.append({box->windowTitle(), box->text(), box->icon(), {}});
        QAbstractButton* button = nullptr;
        if (!m_buttons.isEmpty()) {
            const QString text = m_buttons.takeFirst();
            for (QAbstractButton* candidate : box->buttons()) {
                if (candidate->text().remove(QLatin1Char('&')) == text)
                    button = candidate;
            }
        } else if (!m_standard.isEmpty()) {
            button = box->button(m_standard.takeFirst());
        }
        if (!button)
            button =
                box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok) : box->escapeButton();
        if (button)
            button->click();
        else
            box->reject();
    }

    void answer(QFileDialog* dialog) {
        const QStringList proposed = dialog->selectedFiles();
        seen.append({dialog->windowTitle(),
                     {},
                     QMessageBox::NoIcon,
                     proposed.isEmpty() ? QString() : proposed.first()});
        const QString file = m_files.isEmpty() ? QString() : m_files.takeFirst();
        if (file.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(file);
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog::accept checks the name
    }

    QTimer m_timer;
    QStringList m_buttons;
    QList<QMessageBox::StandardButton> m_standard;
    QStringList m_files;
};
