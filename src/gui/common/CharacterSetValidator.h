#pragma once

#include <QRegularExpression>
#include <QValidator>

// The key filter of the editors' code edits: only the allowed characters reach the
// edit, and letters are made upper-case as they are typed or pasted. `allowed` is
// a regular-expression set without brackets, e.g. "0-9A-F".
class CharacterSetValidator final : public QValidator {
public:
    CharacterSetValidator(const QString& allowed, QObject* parent);
    State validate(QString& input, int& position) const override;

private:
    QRegularExpression m_pattern;
};
