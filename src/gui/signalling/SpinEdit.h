#pragma once

#include "signalling/Spin.h"

#include <QAbstractSpinBox>

#include <functional>

// An edit with a spin button whose arrows step the number in the edit by the
// field's own rules (the DTMF and 2-Tone timings): the button has no position of
// its own, and an arrow rewrites the text from the text. Leaving the edit
// rewrites the text as the field's normalisation says.
class SpinEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    using Step = std::function<QString(const QString&, program::signalling::Spin)>;
    using Leave = std::function<QString(const QString&)>;

    explicit SpinEdit(QWidget* parent = nullptr);

    // The rules of the field; `widest` is a text the edit is made wide enough for.
    // Call it once the form has given the spin box its label.
    void setRules(Step step, Leave leave, const QString& widest, int maxLength = 0);

    void setText(const QString& text);
    // Rewrites the text as leaving the edit does.
    void normalise();

    void stepBy(int steps) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    Step m_step;
    Leave m_leave;
    QString m_widest;
};
