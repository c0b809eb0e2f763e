#include "common/SettingsText.h"

#include <QStringDecoder>

#include <algorithm>
#include <climits>

QString fromSettings(const std::string& bytes) {
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return text;
    QStringDecoder gbk("GB18030");
    if (gbk.isValid()) {
        text = gbk.decode(view);
        if (!gbk.hasError())
            return text;
    }
    return QString::fromLatin1(view);
}

std::string toSettings(const QString& text) {
    return text.toStdString();
}

int decimalSetting(const std::string& text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    long long value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        value = value * 10 + (text[pos] - '0');
        if (value > 1LL << 32)
            break;
    }
    if (negative)
        value = -value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

QString windowCaption(const QString& caption) {
    return caption.isEmpty() ? QStringLiteral(" ") : caption;
}

QString captionFromSettings(const std::string& bytes) {
    return windowCaption(fromSettings(bytes));
}
