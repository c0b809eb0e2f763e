#include "ShellTestSupport.h"

#include "app/SettingsText.h"

#include <QTest>

class SettingsTextTest : public QObject {
    Q_OBJECT
private slots:
    void numbersReadLikeAtoi_data();
    void numbersReadLikeAtoi();
    void textsAreUtf8OrGbk();
};

void SettingsTextTest::numbersReadLikeAtoi_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("word") << "yes" << 0;
    QTest::newRow("plain") << "1" << 1;
    QTest::newRow("leading blanks, trailing junk") << " \t12abc" << 12;
    QTest::newRow("trailing blank from a comment") << "2 " << 2;
    QTest::newRow("negative") << "-3" << -3;
    QTest::newRow("sign alone") << "-" << 0;
    QTest::newRow("too large") << "99999999999999999999" << INT_MAX;
    QTest::newRow("too small") << "-99999999999999999999" << INT_MIN;
}

void SettingsTextTest::numbersReadLikeAtoi() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(decimalSetting(text.toStdString()), value);
}

void SettingsTextTest::textsAreUtf8OrGbk() {
    QCOMPARE(fromSettings("Acme Radio"), QString("Acme Radio"));
    QCOMPARE(fromSettings("信道信息"), QString("信道信息"));
    // The same words as a Chinese Windows system writes them.
    QCOMPARE(fromSettings("\xD0\xC5\xB5\xC0\xD0\xC5\xCF\xA2"), QString("信道信息"));
    QCOMPARE(toSettings(QString("测试")), std::string("测试"));
}

SHELL_TEST(SettingsTextTest);
#include "SettingsTextTest.moc"
