#include "compare/DifferencesWindow.h"

#include "channels/ChannelTable.h"
#include "common/CommandIds.h"
#include "service/ParameterAdjust.h"
#include "ui_DifferencesWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>

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

// A field's label in the words of the editor that shows it, so that it translates
// with that editor: its context (the editor's class) and source text.
struct FieldLabel {
    const char* context;
    const char* source;
    // Indexed keys ("msk.call.3", "twotone.encode.3.tone1") put the entry in front
    // under this heading of the editor ("Encode 3: Tone1 Fre"), or after the label
    // when it has none ("Call List 3").
    const char* entryContext = nullptr;
    const char* entry = nullptr;
};

// By key, or with every number of an entry written as "#".
const std::map<std::string, FieldLabel>& fieldLabels() {
    constexpr const char* Optional = "COptionalFeaturesDlg";
    constexpr const char* Encode = "CTwoToneEncodePage";
    constexpr const char* Decode = "CTwoToneDecodePage";
    constexpr const char* Params = "ParamAdjustDlg";
    constexpr const char* Info = "SoftwareInfoDlg";
    static const std::map<std::string, FieldLabel> labels{
        {"optional.tot", {Optional, "TOT (s)"}},
        {"optional.tot_pre_alert", {Optional, "TOT Pre-Alert (s)"}},
        {"optional.squelch_level", {Optional, "Squelch Level"}},
        {"optional.vox_gain", {Optional, "Vox Gain Level"}},
        {"optional.step", {Optional, "Step (k)"}},
        {"optional.scan_mode", {Optional, "Scan Mode"}},
        {"optional.priority_channel", {Optional, "Priority Channel"}},
        {"optional.display_mode", {Optional, "Display Mode"}},
        {"optional.back_light", {Optional, "Back Light"}},
        {"optional.back_light_color", {Optional, "Back Light Color"}},
        {"optional.power_on_style", {Optional, "Power-on Style"}},
        {"optional.beep", {Optional, "Beep"}},
        {"optional.stopwatch", {Optional, "Stopwatch"}},
        {"optional.battery_saver", {Optional, "Battery Saver"}},
        {"optional.tail", {Optional, "Tail"}},
        {"optional.key_lock", {Optional, "Key Lock"}},
        {"optional.orange_key", {Optional, "Short Press Orange Key"}},
        {"optional.str_set", {Optional, "STR Set"}},
        {"optional.allow_reset", {Optional, "Allow Reset"}},
        {"optional.password", {Optional, "Password"}},
        {"keys.side_key", {"CKeyAssignDlg", "Side Key"}},
        {"msk.id_code", {"CMskDlg", "ID Code"}},
        {"msk.call.#", {"CMskDlg", "Call List"}},
        {"dtmf.speed", {"CDtmfEncodePage", "DTMF Speed(digit/s)"}},
        {"dtmf.first_digit_delay_ms", {"CDtmfEncodePage", "First Digit Delay Time(ms)"}},
        {"dtmf.first_digit_time_ms", {"CDtmfEncodePage", "First Digit Time(ms)"}},
        {"dtmf.star_hash_time_ms", {"CDtmfEncodePage", "* and # Digit Time(ms)"}},
        {"dtmf.side_tone", {"CDtmfEncodePage", "SideTone"}},
        {"dtmf.id_code", {"CDtmfDecodePage", "ID Code"}},
        {"dtmf.group_code", {"CDtmfDecodePage", "Group Code"}},
        {"dtmf.stun_activation", {"CDtmfDecodePage", "Stun Activation"}},
        {"dtmf.stun_code", {"CDtmfDecodePage", "Stun Code"}},
        {"dtmf.stun_type", {"CDtmfDecodePage", "Stun Type"}},
        {"dtmf.call.#", {"CDtmfCallListPage", "Fast Call List"}},
        {"twotone.first_delay_s", {Encode, "The first delay time(s)"}},
        {"twotone.second_delay_s", {Encode, "The second delay time(s)"}},
        {"twotone.long_delay_s", {Encode, "Long tone delay time(s)"}},
        {"twotone.interval_s", {Encode, "Tone interval time(ms)"}},
        {"twotone.tx_rise_s", {Encode, "Tx rise delay time(ms)"}},
        {"twotone.short_beep", {Encode, "Short beep tone"}},
        {"twotone.encode.#.tone1", {Encode, "Tone1 Fre", Encode, "Encode"}},
        {"twotone.encode.#.tone2", {Encode, "Tone2 Fre", Encode, "Encode"}},
        {"twotone.decode.#.a_tone", {Decode, "A Tone(HZ)", "CTwoToneDecodeTab", "Decode"}},
        {"twotone.decode.#.b_tone", {Decode, "B Tone(HZ)", "CTwoToneDecodeTab", "Decode"}},
        {"twotone.decode.#.first_delay_s",
         {Decode, "The first delay time(s)", "CTwoToneDecodeTab", "Decode"}},
        {"twotone.decode.#.second_delay_s",
         {Decode, "The second delay time(s)", "CTwoToneDecodeTab", "Decode"}},
        {"twotone.decode.#.interval_s",
         {Decode, "Interval time(s)", "CTwoToneDecodeTab", "Decode"}},
        {"twotone.decode.#.long_delay_s",
         {Decode, "Long tone delay time(s)", "CTwoToneDecodeTab", "Decode"}},
        {"sql.#-#", {"SqlTuningDlg", "Sql (5 - 100)"}},
        {"params.mic_input_gain_ana", {Params, "Mic input gain (ana)"}},
        {"params.mic_input_gain_digit", {Params, "Mic input gain (digit)"}},
        {"params.mic_amp_gain", {Params, "Mic amp gain"}},
        {"params.max_amp_offset", {Params, "Max amp offset"}},
        {"params.tone_amp_offset_ana", {Params, "Tone amp offset (ana)"}},
        {"params.tone_amp_offset_digit", {Params, "Tone amp offset (digit)"}},
        {"params.v_narrow_sql_difference", {Params, "V Narrow Sql Difference"}},
        {"params.u_narrow_sql_difference", {Params, "U Narrow Sql Difference"}},
        {"softinfo.company", {Info, "Company"}},
        {"softinfo.freq_band", {Info, "Freq Band"}},
        {"softinfo.low_freq_1", {Info, "Low Freq 1"}},
        {"softinfo.high_freq_1", {Info, "High Freq 1"}},
        {"softinfo.low_freq_2", {Info, "Low Freq 2"}},
        {"softinfo.high_freq_2", {Info, "High Freq 2"}},
    };
    return labels;
}

// "twotone.encode.3.tone1" as "twotone.encode.#.tone1" with "3" kept aside.
std::string patternOf(const std::string& key, QStringList& numbers) {
    std::string pattern;
    for (std::size_t at = 0; at < key.size();) {
        if (std::isdigit(static_cast<unsigned char>(key[at]))) {
            const std::size_t from = at;
            while (at < key.size() && std::isdigit(static_cast<unsigned char>(key[at])))
                ++at;
            numbers << QString::fromStdString(key.substr(from, at - from));
            pattern += '#';
        } else {
            pattern += key[at++];
        }
    }
    return pattern;
}

// A cell of Parameter Adjust's detect table ("params.sql_detect.2.wide_low") by
// the table's own row and column labels ("sql detect 2: wide low").
std::optional<QString> detectCellLabel(const std::string& key, program::Language language) {
    using namespace program::service;
    const std::string prefix = "params.sql_detect.";
    if (key.rfind(prefix, 0) != 0 || key.size() < prefix.size() + 3 ||
        key[prefix.size() + 1] != '.')
        return std::nullopt;
    const int row = key[prefix.size()] - '1';
    std::string column = key.substr(prefix.size() + 2);
    std::replace(column.begin(), column.end(), '_', ' ');
    if (row < 0 || row >= ParameterAdjust::DetectRows)
        return std::nullopt;
    for (int at = 0; at < ParameterAdjust::DetectColumns; ++at)
        if (detectColumnLabel(at).english == column)
            return QStringLiteral("%1: %2").arg(
                QString::fromStdString(detectRowLabel(row).pick(language)),
                QString::fromStdString(detectColumnLabel(at).pick(language)));
    return std::nullopt;
}

QString settingLabel(const std::string& key, program::Language language) {
    if (auto cell = detectCellLabel(key, language))
        return *cell;
    const auto& labels = fieldLabels();
    if (auto exact = labels.find(key); exact != labels.end())
        return QCoreApplication::translate(exact->second.context, exact->second.source);
    QStringList numbers;
    auto it = labels.find(patternOf(key, numbers));
    // Fields without a label of their own (the rows of a table) go by their key.
    if (it == labels.end() || numbers.isEmpty())
        return QString::fromStdString(key);
    const FieldLabel& label = it->second;
    const QString text = QCoreApplication::translate(label.context, label.source);
    const QString number = numbers.join(QLatin1Char('-'));
    if (label.entry)
        return QStringLiteral("%1 %2: %3")
            .arg(QCoreApplication::translate(label.entryContext, label.entry), number, text);
    return QStringLiteral("%1 %2").arg(text, number);
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
    return settingLabel(difference.key, language);
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
