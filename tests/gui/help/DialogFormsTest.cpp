#include "HelpFiles.h"

#include "app/AboutDlg.h"
#include "app/LanguageDlg.h"
#include "app/LanguagePack.h"
#include "app/ProgramState.h"
#include "channels/RepeaterOffsetDlg.h"
#include "channels/SetValueDlg.h"
#include "channels/SortChannelsDlg.h"
#include "common/CommandIds.h"
#include "common/ControlIds.h"
#include "common/HelpProperties.h"
#include "compare/DifferencesWindow.h"
#include "compare/MemoryMapWindow.h"
#include "exchange/ImportReportDlg.h"
#include "features/KeyAssignDlg.h"
#include "features/MskDlg.h"
#include "features/OptionalFeaturesDlg.h"
#include "fleet/FleetDlg.h"
#include "help/ContextHelp.h"
#include "link/ConnectionCheckDlg.h"
#include "link/PortSettingDlg.h"
#include "link/ProgressDlg.h"
#include "model/FactoryDefaults.h"
#include "model/ProgramDoc.h"
#include "model/UnsavedChangesDlg.h"
#include "model/UserSettings.h"
#include "print/PrintListDlg.h"
#include "service/ParamAdjustDlg.h"
#include "service/ServicePasswordDlg.h"
#include "service/SoftwareInfoDlg.h"
#include "service/SqlTuningDlg.h"
#include "signalling/DtmfDlg.h"
#include "signalling/TwoToneDlg.h"
#include "support/ModalAnswerer.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

using testsupport::ModalAnswerer;

namespace {

// What a screen reader needs of a dialog: every control a user reaches with Tab
// (and the progress bar, which shows a value rather than text) is named by the
// text the user sees, and F1 on it asks for a topic of its own.
QStringList unreachableControls(QWidget* dialog) {
    QStringList faults;
    for (QWidget* widget : dialog->findChildren<QWidget*>()) {
        if (!(widget->focusPolicy() & Qt::TabFocus) && !qobject_cast<QProgressBar*>(widget))
            continue;
        const QString what = QStringLiteral("%1 %2 (%3)")
                                 .arg(dialog->metaObject()->className(), widget->objectName(),
                                      widget->metaObject()->className());
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        const QString name = accessible ? accessible->text(QAccessible::Name) : QString();
        if (name.isEmpty())
            faults << what + QStringLiteral(": no accessible name");
        // On Linux a drop-down list's name is its entry; its label reaches the
        // screen reader through the labelled-by relation of the buddy.
        const bool namedByRelation = qobject_cast<QComboBox*>(widget) != nullptr;
        for (const QLabel* label : dialog->findChildren<QLabel*>()) {
            if (label->buddy() == widget && !namedByRelation &&
                name != QString(label->text()).remove(QLatin1Char('&')))
                faults << what + QStringLiteral(": named \"%1\", labelled \"%2\"")
                                     .arg(name, label->text());
        }
        if (ContextHelp::requestFor(widget).context <= 0)
            faults << what + QStringLiteral(": no help context");
    }
    return faults;
}

} // namespace

class DialogFormsTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlIsNamedAndHasHelp_data();
    void everyControlIsNamedAndHasHelp();
    void formsCarryTheProgramsControlIds();
};

void DialogFormsTest::everyControlIsNamedAndHasHelp_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "English";
    QTest::newRow("Chinese") << "Chinese";
}

void DialogFormsTest::everyControlIsNamedAndHasHelp() {
    QFETCH(QString, language);
    LanguagePack pack;
    QVERIFY(pack.load(LanguagePack::fileFor(QStringLiteral(PROGRAM_BIN_DIR "/"), language)));

    QStringList faults;
    program::ProgramState state;
    UserSettings settings(QStringLiteral("DialogFormsTest"));
    CPortSettingDlg port(state, settings, {});
    faults << unreachableControls(&port);

    CConnectionCheckDlg check(state, {}, "/dev/no-such-serial-port");
    faults << unreachableControls(&check);

    CProgressDlg progress;
    progress.open(QStringLiteral("Write Data"), true);
    faults << unreachableControls(&progress);
    progress.finish();

    DifferencesWindow differences;
    differences.showDifferences(program::factoryDefaults(), program::CodeplugImage(),
                                QStringLiteral("Radio"), program::Language::English, true);
    faults << unreachableControls(&differences);
    MemoryMapWindow memoryMap;
    faults << unreachableControls(&memoryMap);

    LanguageDlg choice(program::Language::English);
    faults << unreachableControls(&choice);

    PrintListDlg printList;
    faults << unreachableControls(&printList);
    const auto shown = language == QLatin1String("Chinese") ? program::Language::Chinese
                                                            : program::Language::English;
    COptionalFeaturesDlg features(program::features::OptionalFeatures{}, shown);
    faults << unreachableControls(&features);
    CMskDlg msk(program::features::Msk{});
    faults << unreachableControls(&msk);
    CKeyAssignDlg keys(program::features::KeyAssignment{});
    faults << unreachableControls(&keys);

    AboutDlg about({QStringLiteral("About"), QStringLiteral("Version 1"), QStringLiteral("(C)"),
                    QStringLiteral("Owner"), QStringLiteral("/home/radio/Program.ini")},
                   QString(), nullptr);
    faults << unreachableControls(&about);

    ImportReportDlg import(
        QStringLiteral("list.csv"), [](const program::CsvOptions&) { return program::CsvImport{}; },
        program::Language::English);
    faults << unreachableControls(&import);
    SortChannelsDlg sort(QStringLiteral("channels 1 to 128"), shown);
    faults << unreachableControls(&sort);
    // Set Value shows an edit box for a frequency and a list for a choice.
    SetValueDlg frequencyValue(QStringLiteral("channel 1"), program::column::RxFrequency, {},
                               shown);
    faults << unreachableControls(&frequencyValue);
    SetValueDlg choiceValue(QStringLiteral("channel 1"), program::column::Power, {}, shown);
    faults << unreachableControls(&choiceValue);
    RepeaterOffsetDlg offset(QStringLiteral("channel 1"), 60000);
    faults << unreachableControls(&offset);
    const program::CodeplugImage image = program::factoryDefaults();
    SqlTuningDlg squelch(image, state, {});
    faults << unreachableControls(&squelch);
    ServicePasswordDlg password;
    faults << unreachableControls(&password);
    ParamAdjustDlg params(image, state, {});
    faults << unreachableControls(&params);
    SoftwareInfoDlg info(image, state, {});
    faults << unreachableControls(&info);
    CDtmfDlg dtmf(image, language == QLatin1String("Chinese") ? program::Language::Chinese
                                                              : program::Language::English);
    faults << unreachableControls(&dtmf);
    CTwoToneDlg twoTone(image);
    faults << unreachableControls(&twoTone);
    CProgramDoc doc(state, settings);
    doc.initNew();
    CFleetDlg fleet(doc, {}, {});
    faults << unreachableControls(&fleet);

    ModalAnswerer answers;
    answers.then([&faults](QDialog* question) {
        faults << unreachableControls(question);
        question->reject();
    });
    UnsavedChangesDlg::ask(nullptr, QStringLiteral("Program"), QStringLiteral("a.dat"));
    QVERIFY(answers.done());

    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

// The ids in the forms are the ones the help files and the button groups use.
void DialogFormsTest::formsCarryTheProgramsControlIds() {
    program::ProgramState state;
    UserSettings settings(QStringLiteral("DialogFormsTest"));
    CPortSettingDlg port(state, settings, {});
    CProgressDlg progress;
    LanguageDlg choice(program::Language::English);
    PrintListDlg printList;
    CConnectionCheckDlg check(state, {}, "/dev/no-such-serial-port");
    using program::print::Section;
    ImportReportDlg import(
        QStringLiteral("list.csv"), [](const program::CsvOptions&) { return program::CsvImport{}; },
        program::Language::English);
    SortChannelsDlg sort(QStringLiteral("channels 1 to 128"), program::Language::English);
    SetValueDlg setValue(QStringLiteral("channel 1"), program::column::Power, {},
                         program::Language::English);
    RepeaterOffsetDlg offset(QStringLiteral("channel 1"), std::nullopt);
    CProgramDoc doc(state, settings);
    doc.initNew();
    CFleetDlg fleet(doc, {}, {});
    const QList<QPair<QWidget*, int>> ids = {
        {printList.checkBox(Section::Dtmf), control::PrintDtmf},
        {printList.checkBox(Section::Msk), control::PrintMsk},
        {printList.checkBox(Section::Optional), control::PrintOptional},
        {printList.checkBox(Section::TwoTone), control::PrintTwoTone},
        {printList.checkBox(Section::Channels), control::PrintChannelInfo},
        {printList.findChild<QWidget*>(QStringLiteral("selectAllButton")), control::PrintSelectAll},
        {printList.findChild<QWidget*>(QStringLiteral("clearAllButton")), control::PrintClearAll},
        {progress.startButton(), control::ProgressStart},
        {progress.cancelButton(), control::ProgressCancel},
        {progress.statusLabel(), control::ProgressStatus},
        {progress.progressBar(), control::ProgressBar},
        {progress.verifyBox(), control::ProgressVerify},
        {choice.button(program::Language::English), control::LanguageEnglish},
        {choice.button(program::Language::Chinese), control::LanguageChinese},
        {port.portButton(1), control::FirstPortButton},
        {port.portButton(16), control::FirstPortButton + 15},
        {port.findRadioButton(), control::FindRadio},
        {import.replaceCheck(), control::ImportReplace},
        {import.includeFrCheck(), control::ImportIncludeFr},
        {import.reportList(), control::ImportReport},
        {sort.keyList(), control::SortKey},
        {sort.descendingButton(), control::SortDescending},
        {setValue.columnList(), control::SetValueColumn},
        {setValue.valueList(), control::SetValueValue},
        {setValue.valueEdit(), control::SetValueValue},
        {offset.minusButton(), control::OffsetMinus},
        {offset.offsetEdit(), control::OffsetKHz},
        {check.portList(), control::ConnectionPort},
        {check.findingsTree(), control::ConnectionFindings},
        {check.checkAgainButton(), control::ConnectionCheckAgain},
        {check.copyReportButton(), control::ConnectionCopyReport},
        {fleet.valuesEdit(), control::FleetValues},
        {fleet.rowsList(), control::FleetRows},
        {fleet.reportEdit(), control::FleetReport},
        {fleet.backupCheck(), control::FleetBackup},
        {fleet.verifyCheck(), control::FleetVerify},
        {fleet.portCheck(1), control::FleetPort},
        {fleet.portButton(16), control::FleetPort},
        {fleet.nextAllButton(), control::FleetNextAll},
        {fleet.startButton(), control::FleetStart},
        {fleet.cancelAllButton(), control::FleetCancelAll},
    };
    const program::CodeplugImage image = program::factoryDefaults();
    SqlTuningDlg squelch(image, state, {});
    ParamAdjustDlg params(image, state, {});
    SoftwareInfoDlg info(image, state, {});
    ServicePasswordDlg password;
    const QList<QPair<QWidget*, int>> serviceIds = {
        {squelch.grid(), servicecontrol::SqlGrid},
        {squelch.plusOneButton(), servicecontrol::PlusOne},
        {params.grid(), servicecontrol::DetectGrid},
        {params.lists()[0], servicecontrol::MicInputGainAna},
        {params.lists()[7], servicecontrol::UNarrowSqlDifference},
        {password.passwordEdit(), servicecontrol::Password},
        {info.companyList(), servicecontrol::Company},
        {info.freqBandList(), servicecontrol::FreqBand},
        {info.limitEdit(program::service::SoftwareInfo::HighFreq2), servicecontrol::HighFreq2},
    };
    for (const auto& [widget, id] : ids + serviceIds) {
        QVERIFY(widget);
        QCOMPARE(widget->property(helpproperty::ControlId).toInt(), id);
    }
    // The signalling dialogs' forms, by the names of their controls.
    CDtmfDlg dtmf(program::CodeplugImage(), program::Language::English);
    CTwoToneDlg twoTone{program::CodeplugImage()};
    const QList<std::tuple<QDialog*, const char*, int>> named = {
        {&dtmf, "tabs", dtmfcontrol::Tabs},
        {&dtmf, "starHashTimeEdit", dtmfcontrol::StarHashTimeEdit},
        {&dtmf, "stunTypeList", dtmfcontrol::StunTypeList},
        {&dtmf, "callList", dtmfcontrol::CallListGrid},
        {&twoTone, "entries", twotonecontrol::DecodeTabs},
        {&twoTone, "txRiseEdit", twotonecontrol::TxRiseEdit},
        {&twoTone, "encodeGrid", twotonecontrol::EncodeGrid},
        {&twoTone, "shortBeep", twotonecontrol::ShortBeep},
        {&twoTone, "aToneEdit", twotonecontrol::ATone},
    };
    for (const auto& [dialog, name, id] : named) {
        const QWidget* widget = dialog->findChild<QWidget*>(name);
        QVERIFY2(widget, name);
        QCOMPARE(widget->property(helpproperty::ControlId).toInt(), id);
    }
    for (auto language : {program::Language::English, program::Language::Chinese})
        QCOMPARE(choice.button(language)->property(helpproperty::Context).toInt(),
                 command::Language);

    COptionalFeaturesDlg features(program::features::OptionalFeatures{},
                                  program::Language::English);
    CMskDlg msk(program::features::Msk{});
    const QList<QPair<QWidget*, int>> featureIds = {
        {features.list(control::OptionalTot), control::OptionalTot},
        {features.list(control::OptionalAllowReset), control::OptionalAllowReset},
        {features.passwordEdit(), control::OptionalPassword},
        {msk.idCodeEdit(), control::MskIdCode},
        {msk.callList(), control::MskCallList},
    };
    for (const auto& [widget, id] : featureIds) {
        QVERIFY(widget);
        QCOMPARE(widget->property(helpproperty::ControlId).toInt(), id);
    }
    // The side-key buttons all explain the Key Assignment command, in English.
    CKeyAssignDlg keys(program::features::KeyAssignment{});
    QCOMPARE(keys.property(helpproperty::File).toString(), QStringLiteral("enHelp.qch"));
    for (int position = 0; position < 4; ++position) {
        QCOMPARE(keys.button(position)->property(helpproperty::ControlId).toInt(),
                 control::SideKeyOptionCall + position);
        QCOMPARE(keys.button(position)->property(helpproperty::Context).toInt(),
                 command::KeyAssignment);
    }
}

GUI_TEST(DialogFormsTest);
#include "DialogFormsTest.moc"
