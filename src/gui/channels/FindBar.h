#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

// The bar over the channel grid that finds a channel by its name or a frequency:
// it finds as the user types, Enter goes to the next match and Shift+Enter to the
// one before, Escape closes it. What matches is the grid's business.
class FindBar : public QWidget {
    Q_OBJECT
public:
    explicit FindBar(QWidget* parent = nullptr);

    QLineEdit* edit() const { return m_edit; }
    QString text() const;
    // Shows the bar with its text selected, ready to type over.
    void open();
    // "3 of 7"; "No match" when count is 0; nothing for an empty text.
    void showResult(int position, int count);

signals:
    void textEdited(const QString& text);
    void stepWanted(bool forward);
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void closeBar();

    QLineEdit* m_edit;
    QLabel* m_result;
};
