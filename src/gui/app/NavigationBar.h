#pragma once

#include <QDockWidget>

class QTreeWidget;
class QTreeWidgetItem;

// The bar docked at the left of the main window: a caption, a close button and a
// tree of the codeplug's sections. Choosing a section (a click, or Enter on it)
// asks for its command, every time; the root names the radio's maker and does
// nothing.
class NavigationBar : public QDockWidget {
    Q_OBJECT
public:
    struct Section {
        QString text;
        int commandId;
    };

    static constexpr int InitialWidth = 185;
    static constexpr int MinimumWidth = 11;

    NavigationBar(const QString& caption, const QString& rootText, const QList<Section>& sections,
                  QWidget* parent);

    QTreeWidget* tree() const { return m_tree; }
    QTreeWidgetItem* root() const { return m_root; }

    // The widest the bar may be: half the width of the main window's client area.
    void setWidthLimit(int frameClientWidth);

signals:
    void commandChosen(int commandId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choose(QTreeWidgetItem* item);

    QTreeWidget* m_tree;
    QTreeWidgetItem* m_root;
};
