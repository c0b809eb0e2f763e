#include "channels/FindBar.h"

#include "common/CommandIds.h"
#include "common/HelpProperties.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

FindBar::FindBar(QWidget* parent)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_result(new QLabel(this)) {
    setObjectName(QStringLiteral("findBar"));
    // F1 anywhere in the bar explains finding.
    helpproperty::setContext(this, command::Find);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    auto* label = new QLabel(tr("Find:"), this);
    label->setBuddy(m_edit);
    m_edit->setObjectName(QStringLiteral("findEdit"));
    m_edit->setPlaceholderText(tr("Chnnel Name or frequency"));
    m_edit->setClearButtonEnabled(true);
    m_edit->setMaximumWidth(fontMetrics().horizontalAdvance(QLatin1Char('W')) * 24);
    m_edit->installEventFilter(this);
    const auto button = [this](const QString& text, const QString& tip) {
        auto* tool = new QToolButton(this);
        tool->setText(text);
        tool->setToolTip(tip);
        tool->setAccessibleName(text);
        return tool;
    };
    QToolButton* previous = button(tr("Previous"), tr("The match before (Shift+Enter, Shift+F3)"));
    QToolButton* next = button(tr("Next"), tr("The next match (Enter, F3)"));
    QToolButton* close = button(tr("Close"), tr("Close the find bar (Esc)"));
    layout->addWidget(label);
    layout->addWidget(m_edit, 1);
    layout->addWidget(previous);
    layout->addWidget(next);
    layout->addWidget(m_result);
    layout->addStretch();
    layout->addWidget(close);
    m_result->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000 / 000")) * 2);

    connect(m_edit, &QLineEdit::textEdited, this, &FindBar::textEdited);
    connect(previous, &QToolButton::clicked, this, [this] { emit stepWanted(false); });
    connect(next, &QToolButton::clicked, this, [this] { emit stepWanted(true); });
    connect(close, &QToolButton::clicked, this, &FindBar::closeBar);
}

QString FindBar::text() const {
    return m_edit->text();
}

void FindBar::open() {
    show();
    m_edit->setFocus();
    m_edit->selectAll();
}

void FindBar::showResult(int position, int count) {
    if (m_edit->text().isEmpty())
        m_result->clear();
    else if (count == 0)
        m_result->setText(tr("No match"));
    else
        m_result->setText(tr("%1 of %2").arg(position).arg(count));
}

void FindBar::closeBar() {
    hide();
    emit closed();
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit stepWanted(!key->modifiers().testFlag(Qt::ShiftModifier));
            return true;
        case Qt::Key_Escape:
            closeBar();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
