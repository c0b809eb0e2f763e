#include "app/NavigationBar.h"

#include "app/NavigationTitleBar.h"
#include "common/ControlIds.h"
#include "common/HelpProperties.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeWidget>

namespace {
constexpr int CommandRole = Qt::UserRole;
}

NavigationBar::NavigationBar(const QString& caption, const QString& rootText,
                             const QList<Section>& sections, QWidget* parent)
    : QDockWidget(caption, parent), m_tree(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("NavigationBar"));
    setFeatures(QDockWidget::DockWidgetClosable);
    setAllowedAreas(Qt::LeftDockWidgetArea);
    // F1 anywhere in the bar explains the bar.
    helpproperty::setContext(this, control::NavigationTree);
    setMinimumWidth(MinimumWidth);

    auto* titleBar = new NavigationTitleBar(caption, this);
    connect(titleBar, &NavigationTitleBar::closeClicked, this, &QDockWidget::close);
    setTitleBarWidget(titleBar);

    m_tree->setObjectName(QStringLiteral("NavigationTree"));
    helpproperty::setControlId(m_tree, control::NavigationTree);
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(true);
    m_tree->setMinimumWidth(1); // the bar may shrink below the tree's own minimum
    m_tree->setExpandsOnDoubleClick(false);
    m_root = new QTreeWidgetItem(m_tree, QStringList(rootText));
    for (const Section& section : sections) {
        auto* item = new QTreeWidgetItem(m_root, QStringList(section.text));
        item->setData(0, CommandRole, section.commandId);
    }
    m_root->setExpanded(true);
    m_tree->setCurrentItem(m_root);
    m_tree->installEventFilter(this);
    connect(m_tree, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { choose(item); });
    setWidget(m_tree);
}

void NavigationBar::setWidthLimit(int frameClientWidth) {
    setMaximumWidth(qMax(MinimumWidth, frameClientWidth / 2));
}

void NavigationBar::choose(QTreeWidgetItem* item) {
    if (!item)
        return;
    const QVariant id = item->data(0, CommandRole);
    if (id.isValid())
        emit commandChosen(id.toInt());
}

bool NavigationBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_tree && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            choose(m_tree->currentItem());
            return true;
        }
    }
    return QDockWidget::eventFilter(watched, event);
}
