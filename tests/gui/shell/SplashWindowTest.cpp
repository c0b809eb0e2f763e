#include "ShellTestSupport.h"

#include "app/SplashWindow.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {
QPixmap picture() {
    QPixmap pixmap(120, 80);
    pixmap.fill(Qt::darkBlue);
    return pixmap;
}
} // namespace

class SplashWindowTest : public QObject {
    Q_OBJECT
private slots:
    void closesByItselfWhenItsTimeIsUp();
    void aClickClosesItAtOnceAndGoesNowhereElse();
    void aKeyClosesItAndIsNotTyped();
};

void SplashWindowTest::closesByItselfWhenItsTimeIsUp() {
    SplashWindow splash(picture());
    QElapsedTimer clock;
    clock.start();
    splash.start(300);
    QVERIFY(splash.isVisible());
    QCOMPARE(splash.size(), QSize(120, 80));
    splash.waitUntilClosed();
    QVERIFY(!splash.isVisible());
    QVERIFY2(clock.elapsed() >= 280, qPrintable(QString::number(clock.elapsed())));
}

void SplashWindowTest::aClickClosesItAtOnceAndGoesNowhereElse() {
    QPushButton button("behind");
    button.show();
    QSignalSpy clicked(&button, &QPushButton::clicked);
    SplashWindow splash(picture());
    splash.start(10000);
    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(50, &button, [&button] { QTest::mouseClick(&button, Qt::LeftButton); });
    splash.waitUntilClosed();
    QVERIFY(clock.elapsed() < 5000);
    QVERIFY(!splash.isVisible());
    QCOMPARE(clicked.count(), 0);
    // Once it is gone, clicks reach their buttons again.
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
}

void SplashWindowTest::aKeyClosesItAndIsNotTyped() {
    QLineEdit edit;
    edit.show();
    SplashWindow splash(picture());
    splash.start(10000);
    QTest::keyClick(&edit, Qt::Key_A);
    QVERIFY(!splash.isVisible());
    QCOMPARE(edit.text(), QString());
    QTest::keyClick(&edit, Qt::Key_B);
    QCOMPARE(edit.text(), QString("b"));
}

GUI_TEST(SplashWindowTest);
#include "SplashWindowTest.moc"
