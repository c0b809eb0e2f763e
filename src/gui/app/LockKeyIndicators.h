#pragma once

#include "app/LockKeyQuery.h"

#include <QObject>

class QLabel;
class QStatusBar;

// The CAP, NUM and SCRL panes at the right of the status bar. Each shows its text
// while its lock key is on and stays blank otherwise. The state is asked of the
// window system after every key and whenever the program becomes active; where
// the window system cannot tell, the panes stay blank.
class LockKeyIndicators : public QObject {
    Q_OBJECT
public:
    explicit LockKeyIndicators(QStatusBar* statusBar);

    void show(const LockKeyState& state);
    void refresh();

    QLabel* capsPane() const { return m_caps; }
    QLabel* numPane() const { return m_num; }
    QLabel* scrollPane() const { return m_scroll; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* addPane(QStatusBar* statusBar, const QString& text);

    QLabel* m_caps;
    QLabel* m_num;
    QLabel* m_scroll;
};
