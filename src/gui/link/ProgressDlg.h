#pragma once

#include <QDialog>

#include <memory>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
namespace Ui {
class CProgressDlg;
}

// The small modeless window of a whole-image transfer: Start, Cancel, a status
// text and a progress bar. Its owner keeps one object for its whole life and
// opens and closes the window once per transfer.
class CProgressDlg : public QDialog {
    Q_OBJECT
public:
    explicit CProgressDlg(QWidget* parent = nullptr);
    ~CProgressDlg() override;

    // Resets the window to "Not start yet" and shows it with the given caption. A
    // write offers "Verify after writing", ticked as given.
    void open(const QString& caption, bool offerVerify = false, bool verify = false);
    // Closes the window after a transfer, whatever its outcome.
    void finish();

    bool cancelRequested() const { return m_cancel; }
    // Whether the write is to be read back (the box is ticked and offered).
    bool verifyAfterWriting() const;
    bool started() const;

    void setStatus(const QString& text);
    void setProgressRange(int maximum);
    void setProgress(int position);

    QPushButton* startButton() const;
    QPushButton* cancelButton() const;
    QCheckBox* verifyBox() const;
    QLabel* statusLabel() const;
    QProgressBar* progressBar() const;

signals:
    // Start pressed: the owner runs the transfer once the click has been handled.
    void startRequested();
    // The user ticked or cleared "Verify after writing".
    void verifyChosen(bool verify);

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void onStart();
    void onCancel();

    std::unique_ptr<Ui::CProgressDlg> m_ui;
    bool m_cancel = false;
};
