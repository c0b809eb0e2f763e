#include "app/LockKeyIndicators.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QStatusBar>

LockKeyIndicators::LockKeyIndicators(QStatusBar* statusBar)
    : QObject(statusBar), m_caps(addPane(statusBar, tr("CAP"))),
      m_num(addPane(statusBar, tr("NUM"))), m_scroll(addPane(statusBar, tr("SCRL"))) {
    qApp->installEventFilter(this);
    refresh();
}

QLabel* LockKeyIndicators::addPane(QStatusBar* statusBar, const QString& text) {
    auto* pane = new QLabel(text, statusBar);
    pane->setAlignment(Qt::AlignCenter);
    pane->setFrameShape(QFrame::Panel);
    pane->setFrameShadow(QFrame::Sunken);
    pane->setMinimumWidth(pane->sizeHint().width() + 8);
    pane->setProperty("indicatorText", text);
    pane->setText(QString());
    statusBar->addPermanentWidget(pane);
    return pane;
}

void LockKeyIndicators::show(const LockKeyState& state) {
    const auto set = [](QLabel* pane, bool on) {
        pane->setText(on ? pane->property("indicatorText").toString() : QString());
    };
    set(m_caps, state.caps);
    set(m_num, state.num);
    set(m_scroll, state.scroll);
}

void LockKeyIndicators::refresh() {
    show(queryLockKeys().value_or(LockKeyState{}));
}

bool LockKeyIndicators::eventFilter(QObject* watched, QEvent* event) {
    // Key events reach the filter once per receiver on their way; the window-level
    // delivery is enough.
    if ((event->type() == QEvent::KeyRelease && watched->isWindowType()) ||
        event->type() == QEvent::ApplicationActivate)
        refresh();
    return QObject::eventFilter(watched, event);
}
