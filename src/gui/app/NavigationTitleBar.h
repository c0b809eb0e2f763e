#pragma once

#include <QWidget>

class QToolButton;

// The caption strip of the navigation bar: the caption centred on one line and a
// close button at the right. It can shrink with the bar down to a few pixels.
class NavigationTitleBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int Height = 22;

    NavigationTitleBar(const QString& caption, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    QToolButton* closeButton() const { return m_close; }

signals:
    void closeClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QString m_caption;
    QToolButton* m_close;
};
