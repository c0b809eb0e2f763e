#include "signalling/SpinEdit.h"

#include <QLabel>
#include <QLineEdit>
#include <QStyleOptionSpinBox>

#include <cstdlib>

using program::signalling::Spin;

SpinEdit::SpinEdit(QWidget* parent) : QAbstractSpinBox(parent) {
    setAccelerated(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
}

void SpinEdit::setRules(Step step, Leave leave, const QString& widest, int maxLength) {
    m_step = std::move(step);
    m_leave = std::move(leave);
    m_widest = widest;
    if (maxLength > 0)
        lineEdit()->setMaxLength(maxLength);
    // The keyboard focus is in the text part: it is named by the spin box's label.
    for (const QLabel* label : window()->findChildren<QLabel*>())
        if (label->buddy() == this)
            lineEdit()->setAccessibleName(label->text().remove(QLatin1Char('&')));
    updateGeometry();
}

void SpinEdit::setText(const QString& text) {
    lineEdit()->setText(text);
}

void SpinEdit::normalise() {
    if (m_leave)
        setText(m_leave(text()));
}

void SpinEdit::stepBy(int steps) {
    if (!m_step)
        return;
    QString value = text();
    for (int i = 0; i < std::abs(steps); ++i)
        value = m_step(value, steps > 0 ? Spin::Up : Spin::Down);
    setText(value);
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const {
    // A spin button of this kind always steps: its rules wrap round at the ends.
    return StepUpEnabled | StepDownEnabled;
}

void SpinEdit::focusOutEvent(QFocusEvent* event) {
    QAbstractSpinBox::focusOutEvent(event);
    normalise();
}

QSize SpinEdit::sizeHint() const {
    ensurePolished();
    const QFontMetrics metrics(font());
    QSize text(metrics.horizontalAdvance(m_widest + QLatin1Char(' ')),
               lineEdit()->sizeHint().height());
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, text, this);
}

QSize SpinEdit::minimumSizeHint() const {
    return sizeHint();
}
