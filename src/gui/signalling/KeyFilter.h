#pragma once

#include <QObject>
#include <QPointer>

class QKeyEvent;
class QWidget;

// The keys a signalling page lets through to its controls. Each page restricts
// what can be typed by the key itself, before any control sees it, so that a key
// the radio's texts cannot hold (and Tab, Enter and Escape on most pages) does
// nothing. F1 always reaches the help.
class KeyFilter : public QObject {
    Q_OBJECT
public:
    enum class Rule {
        // DTMF Encode: digits, Backspace, Delete, Left, Right; nothing with Shift.
        DtmfTiming,
        // DTMF Decode's stun code: digits, A-D, Backspace, Delete, Left, Right, and
        // with Shift only the keys 3 and 8 ("#" and "*").
        DtmfCode,
        // DTMF CallList: as DtmfCode, and Up and Down.
        DtmfCallList,
        // 2-Tone pages: digits, the keypad's decimal point (never the period of the
        // main keyboard), Backspace, Delete and the four arrows; nothing with Shift.
        TwoTone,
    };

    enum class Verdict { Pass, Refuse, Replace };
    struct Judgement {
        Verdict verdict = Verdict::Pass;
        // For Replace: the key and its text the page hands on instead.
        int key = 0;
        QString text;
    };
    static Judgement judge(Rule rule, const QKeyEvent& event);

    // Filters the keys going to `page` and the controls inside it; with `only`, just
    // the keys going to that control.
    KeyFilter(Rule rule, QWidget* page, QWidget* only = nullptr);
    ~KeyFilter() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Rule m_rule;
    QPointer<QWidget> m_page;
    QPointer<QWidget> m_only;
};
