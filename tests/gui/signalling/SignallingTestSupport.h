#pragma once

#include "signalling/SpinEdit.h"

#include <QApplication>
#include <QLineEdit>
#include <QStyleOptionSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

// What a user does in the signalling dialogs: click a tab, press a spin arrow,
// replace an edit's text.
namespace signallingtest {

inline void clickTab(QTabWidget* tabs, int index) {
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

inline void clickArrow(SpinEdit* edit, program::signalling::Spin spin) {
    QStyleOptionSpinBox option;
    option.initFrom(edit);
    option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    const auto part =
        spin == program::signalling::Spin::Up ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown;
    const QRect arrow = edit->style()->subControlRect(QStyle::CC_SpinBox, &option, part, edit);
    QTest::mouseClick(edit, Qt::LeftButton, {}, arrow.center());
}

// Clicks into the edit and types `text` over its text; a point comes from the
// keypad. The keys go where the click put the keyboard focus.
inline void retype(QWidget* edit, const QString& text) {
    auto* spin = qobject_cast<SpinEdit*>(edit);
    QWidget* clicked = spin ? spin->findChild<QLineEdit*>() : edit;
    QTest::mouseClick(clicked, Qt::LeftButton);
    QVERIFY(edit->hasFocus());
    if (spin)
        spin->selectAll();
    QWidget* focus = QApplication::focusWidget();
    for (QChar c : text) {
        if (c == QLatin1Char('.'))
            QTest::keyClick(focus, Qt::Key_Period, Qt::KeypadModifier);
        else
            QTest::keyClicks(focus, QString(c));
    }
}

} // namespace signallingtest
