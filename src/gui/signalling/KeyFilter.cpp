#include "signalling/KeyFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

bool isDigit(int key) {
    return key >= Qt::Key_0 && key <= Qt::Key_9;
}

bool isDtmfLetter(int key) {
    return key >= Qt::Key_A && key <= Qt::Key_D;
}

bool isEditingKey(int key, bool upAndDown) {
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        return upAndDown;
    default:
        return false;
    }
}

} // namespace

KeyFilter::Judgement KeyFilter::judge(Rule rule, const QKeyEvent& event) {
    const int key = event.key();
    if (key == Qt::Key_F1)
        return {};
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    const bool shift = event.modifiers() & Qt::ShiftModifier;
    const Judgement refuse{Verdict::Refuse, 0, {}};

    if (shift) {
        if (rule != Rule::DtmfCode && rule != Rule::DtmfCallList)
            return refuse;
        if (keypad)
            return refuse;
        // Shift+3 and Shift+8 type "#" and "*"; a keyboard that reports the digit
        // with Shift held gets the sign the key stands for.
        if ((key == Qt::Key_NumberSign && event.text() == QLatin1String("#")) ||
            (key == Qt::Key_Asterisk && event.text() == QLatin1String("*")))
            return {};
        if (key == Qt::Key_3 || key == Qt::Key_NumberSign)
            return {Verdict::Replace, Qt::Key_NumberSign, QStringLiteral("#")};
        if (key == Qt::Key_8 || key == Qt::Key_Asterisk)
            return {Verdict::Replace, Qt::Key_Asterisk, QStringLiteral("*")};
        return refuse;
    }

    if (isDigit(key))
        return {};
    switch (rule) {
    case Rule::DtmfTiming:
        return isEditingKey(key, false) ? Judgement{} : refuse;
    case Rule::DtmfCode:
        return isDtmfLetter(key) || isEditingKey(key, false) ? Judgement{} : refuse;
    case Rule::DtmfCallList:
        return isDtmfLetter(key) || isEditingKey(key, true) ? Judgement{} : refuse;
    case Rule::TwoTone:
        break;
    }
    // The main keyboard's full stop types the point too, so that a laptop without
    // a keypad can give a fraction of a hertz.
    if (!keypad && key == Qt::Key_Period)
        return {};
    if (keypad && (key == Qt::Key_Period || key == Qt::Key_Comma)) {
        // The keypad's decimal point types a point whatever the keyboard's locale.
        if (event.text() == QLatin1String("."))
            return {};
        return {Verdict::Replace, Qt::Key_Period, QStringLiteral(".")};
    }
    return isEditingKey(key, true) ? Judgement{} : refuse;
}

KeyFilter::KeyFilter(Rule rule, QWidget* page, QWidget* only)
    : QObject(page), m_rule(rule), m_page(page), m_only(only) {
    // Before any control's own handling, as the page's message filter would be.
    qApp->installEventFilter(this);
}

KeyFilter::~KeyFilter() {
    qApp->removeEventFilter(this);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() || !m_page)
        return false;
    auto* target = static_cast<QWidget*>(watched);
    if (m_only ? (target != m_only && !m_only->isAncestorOf(target))
               : (target != m_page && !m_page->isAncestorOf(target)))
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    const Judgement judgement = judge(m_rule, *key);
    switch (judgement.verdict) {
    case Verdict::Pass:
        return false;
    case Verdict::Refuse:
        return true;
    case Verdict::Replace:
        break;
    }
    QKeyEvent replacement(QEvent::KeyPress, judgement.key, key->modifiers(), judgement.text,
                          key->isAutoRepeat());
    QCoreApplication::sendEvent(watched, &replacement);
    return true;
}
