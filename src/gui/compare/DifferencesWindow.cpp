#include "compare/DifferencesWindow.h"

#include "channels/ChannelTable.h"
#include "common/CommandIds.h"
#include "ui_DifferencesWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>
#include <map>

namespace {

using program::imagemap::Editor;
using program::settings::Difference;

int commandOf(Editor editor) {
    switch (editor) {
    case Editor::ChannelInformation:
        return command::ChannelInformation;
    case Editor::OptionalFeatures:
        return command::OptionalFeatures;
    case Editor::Dtmf:
        return command::Dtmf;
    case Editor::TwoTone:
        return command::TwoTone;
    case Editor::Msk:
        return command::Msk;
    case Editor::KeyAssignment:
        return command::KeyAssignment;
    case Editor::SqlTuning:
        return command::SquelchTuning;
    case Editor::ParameterAdjust:
        return command::ParameterAdjust;
    case Editor::SoftwareInfo:
        return command::SoftwareInfo;
    case Editor::None:
        break;
    }
    return 0;
}

// The labels of the Optional Features dialog by key, in the dialog's own words so
// that they translate with it.
const std::map<std::string, const char*>& optionalLabels() {
    static const std::map<std::string, const char*> labels{
        {"optional.tot", "TOT (s)"},
        {"optional.tot_pre_alert", "TOT Pre-Alert (s)"},
        {"optional.squelch_level", "Squelch Level"},
        {"optional.vox_gain", "Vox Gain Level"},
        {"optional.step", "Step (k)"},
        {"optional.scan_mode", "Scan Mode"},
        {"optional.priority_channel", "Priority Channel"},
        {"optional.display_mode", "Display Mode"},
        {"optional.back_light", "Back Light"},
        {"optional.back_light_color", "Back Light Color"},
        {"optional.power_on_style", "Power-on Style"},
        {"optional.beep", "Beep"},
        {"optional.stopwatch", "Stopwatch"},
        {"optional.battery_saver", "Battery Saver"},
        {"optional.tail", "Tail"},
        {"optional.key_lock", "Key Lock"},
        {"optional.orange_key", "Short Press Orange Key"},
        {"optional.str_set", "STR Set"},
        {"optional.allow_reset", "Allow Reset"},
        {"optional.password", "Password"},
    };
    return labels;
}

} // namespace

QString differenceLabel(const Difference& difference, program::Language language) {
    switch (difference.kind) {
    case Difference::Kind::Bytes:
        return QString::fromStdString(program::imagemap::describeRun(difference.run, language));
    case Difference::Kind::ChannelCell: {
        const auto& region = program::imagemap::channelRegion(difference.row);
        const std::string_view header = program::ChannelTable::header(difference.column, language);
        return QStringLiteral("%1: %2").arg(
            QString::fromStdString(region.name.pick(language)),
            QString::fromUtf8(header.data(), qsizetype(header.size())));
    }
    case Difference::Kind::Setting:
        break;
    }
    const auto& labels = optionalLabels();
    if (auto it = labels.find(difference.key); it != labels.end())
        return QCoreApplication::translate("COptionalFeaturesDlg", it->second);
    // Fields without a label of their own (list entries, table cells) go by their key.
    return QString::fromStdString(difference.key);
}

DifferencesWindow::DifferencesWindow(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::DifferencesWindow>()) {
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_ui->differenceTree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_ui->differenceTree, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { onActivated(item); });
    connect(m_ui->copyButton, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(listText()); });
    connect(m_ui->openButton, &QPushButton::clicked, this,
            [this] { emit openAsDocumentWanted(m_other); });
}

DifferencesWindow::~DifferencesWindow() = default;

QTreeWidget* DifferencesWindow::tree() const {
    return m_ui->differenceTree;
}

QPushButton* DifferencesWindow::copyButton() const {
    return m_ui->copyButton;
}

QPushButton* DifferencesWindow::openButton() const {
    return m_ui->openButton;
}

void DifferencesWindow::showDifferences(const program::CodeplugImage& document,
                                        const program::CodeplugImage& other,
                                        const QString& otherName, program::Language language,
                                        bool fromRadio) {
    m_other = other;
    auto found = program::settings::differences(document, other, language, true);
    std::stable_sort(found.begin(), found.end(), [](const Difference& a, const Difference& b) {
        return program::settings::editorRank(a.editor) < program::settings::editorRank(b.editor);
    });
    m_runs.clear();

    QTreeWidget* tree = m_ui->differenceTree;
    tree->clear();
    tree->headerItem()->setText(2, otherName);
    QTreeWidgetItem* group = nullptr;
    Editor groupEditor = Editor::None;
    for (const Difference& difference : found) {
        if (!group || difference.editor != groupEditor) {
            groupEditor = difference.editor;
            group = new QTreeWidgetItem(tree);
            group->setText(0, QString::fromStdString(
                                  program::imagemap::editorName(groupEditor).pick(language)));
            group->setData(0, CommandRole, commandOf(groupEditor));
            group->setFirstColumnSpanned(true);
            group->setExpanded(true);
        }
        auto* row = new QTreeWidgetItem(group);
        row->setText(0, differenceLabel(difference, language));
        row->setText(1, QString::fromStdString(difference.was));
        row->setText(2, QString::fromStdString(difference.is));
        row->setData(0, CommandRole, commandOf(difference.editor));
        row->setData(0, RowRole, difference.row);
        row->setData(0, ColumnRole, difference.column);
        if (difference.kind == Difference::Kind::Bytes)
            m_runs.push_back(difference.run);
    }
    const int count = int(found.size());
    m_ui->summaryLabel->setText(
        count == 0 ? tr("%1 holds the same as this document.").arg(otherName)
                   : tr("%1 compared with this document: %2 differing").arg(otherName).arg(count));
    m_ui->openButton->setVisible(fromRadio);
    emit differencesChanged();
}

QString DifferencesWindow::listText() const {
    QStringList lines;
    const QTreeWidget* tree = m_ui->differenceTree;
    lines << QStringList{tree->headerItem()->text(0), tree->headerItem()->text(1),
                         tree->headerItem()->text(2)}
                 .join(QLatin1Char('\t'));
    for (int g = 0; g < tree->topLevelItemCount(); ++g) {
        const QTreeWidgetItem* group = tree->topLevelItem(g);
        lines << group->text(0);
        for (int r = 0; r < group->childCount(); ++r) {
            const QTreeWidgetItem* row = group->child(r);
            lines << QStringList{row->text(0), row->text(1), row->text(2)}.join(QLatin1Char('\t'));
        }
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void DifferencesWindow::onActivated(QTreeWidgetItem* item) {
    const int row = item->data(0, RowRole).toInt();
    const int command = item->data(0, CommandRole).toInt();
    if (row > 0)
        emit channelCellWanted(row, item->data(0, ColumnRole).toInt());
    else if (command != 0)
        emit commandWanted(command);
}

void DifferencesWindow::hideEvent(QHideEvent* event) {
    m_runs.clear();
    emit differencesChanged();
    QDialog::hideEvent(event);
}
