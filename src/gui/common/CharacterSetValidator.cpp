#include "common/CharacterSetValidator.h"

CharacterSetValidator::CharacterSetValidator(const QString& allowed, QObject* parent)
    : QValidator(parent), m_pattern(QStringLiteral("^[%1]*$").arg(allowed)) {}

QValidator::State CharacterSetValidator::validate(QString& input, int&) const {
    input = input.toUpper();
    return m_pattern.match(input).hasMatch() ? Acceptable : Invalid;
}
