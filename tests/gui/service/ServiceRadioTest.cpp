#include "SimProcess.h"
#include "app/LanguagePack.h"
#include "app/MessageIds.h"
#include "app/ProgramState.h"
#include "common/StringTable.h"
#include "model/DatFile.h"
#include "model/FactoryDefaults.h"
#include "service/ParamAdjustDlg.h"
#include "service/SoftwareInfoDlg.h"
#include "service/SqlTuningDlg.h"
#include "support/GuiTestMain.h"
#include "support/ModalAnswerer.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <memory>

using program::CodeplugImage;
using program::service::SoftwareInfo;
using testsupport::ModalAnswerer;

class ServiceRadioTest : public QObject {
    Q_OBJECT
private slots:
    void squelchReadAndWriteReachTheRadio();
    void aFailedReadLeavesImageAndControls();
    void shortIdentityIsACommunicationError();
    void parameterReadAndWriteCarryTheHiddenValues();
    void silentRadioPromptsRetryOrCancel();
    void softwareInfoStoresOnlyOnceTheRadioAnswered();
};

namespace {

// radio-sim on a pseudo-terminal, holding `memory` and showing `faults`.
class Radio {
public:
    explicit Radio(const CodeplugImage& memory, const std::vector<std::string>& faults = {}) {
        if (program::saveDatFile(m_dir / "start.dat", memory))
            throw std::runtime_error("cannot write the radio's memory");
        std::vector<std::string> arguments{"--link",  link(),
                                           "--image", (m_dir / "start.dat").string(),
                                           "--dump",  (m_dir / "dump.dat").string(),
                                           "--log",   (m_dir / "radio.log").string()};
        for (const std::string& fault : faults)
            arguments.insert(arguments.end(), {"--fault", fault});
        m_process =
            std::make_unique<program::sim::SimProcess>(RADIO_SIM_PROGRAM, arguments, link());
    }

    ServicePort port() const { return {link(), {}, {}}; }

    // Stops the radio; its memory as it was then.
    CodeplugImage memory() {
        m_process->stop();
        return program::loadDatFile(m_dir / "dump.dat").image.value_or(CodeplugImage{});
    }

private:
    std::string link() const { return (m_dir / "radio").string(); }

    testsupport::TempDir m_dir;
    std::unique_ptr<program::sim::SimProcess> m_process;
};

program::ProgramState englishRun() {
    program::ProgramState state;
    state.messageCaption = "Program";
    return state;
}

} // namespace

void ServiceRadioTest::squelchReadAndWriteReachTheRadio() {
    CodeplugImage memory = program::factoryDefaults();
    memory.set(0xFA0, 60);
    memory.set(0xFB3, 45);
    Radio radio(memory);
    const program::ProgramState state = englishRun();
    SqlTuningDlg dialog(program::factoryDefaults(), state, radio.port());
    dialog.show();

    // While the radio is busy the windows keep running, the cursor shows the wait
    // and the dialog takes no input; a message that comes up takes input as usual.
    bool sawWaitCursor = false;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&sawWaitCursor] {
        const QCursor* cursor = QApplication::overrideCursor();
        sawWaitCursor = sawWaitCursor || (cursor && cursor->shape() == Qt::WaitCursor);
    });
    probe.start(1);
    ModalAnswerer answers;
    answers.inspect = [&dialog](QDialog*) {
        QVERIFY(!QApplication::overrideCursor());
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &escape);
    };
    QTest::mouseClick(dialog.readButton(), Qt::LeftButton);
    QCOMPARE(answers.seen.size(), 1);
    QCOMPARE(answers.seen[0].text, QStringLiteral("Read Successfully"));
    QVERIFY(sawWaitCursor);
    QVERIFY(dialog.isVisible());
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(dialog.grid()->item(0, 1)->text(), QStringLiteral("60"));
    QCOMPARE(dialog.grid()->item(17, 1)->text(), QStringLiteral("45"));

    dialog.grid()->item(0, 1)->setText(QStringLiteral("70"));
    QTest::mouseClick(dialog.writeButton(), Qt::LeftButton);
    QCOMPARE(answers.seen.size(), 2);
    QCOMPARE(answers.seen[1].text, QStringLiteral("Write Successfully"));

    // Cancel keeps what the radio now holds.
    dialog.reject();
    const auto kept = dialog.imageToKeep();
    QVERIFY(kept);
    QCOMPARE(kept->at(0xFA0), 70);
    const CodeplugImage after = radio.memory();
    QCOMPARE(after.at(0xFA0), 70);
    QCOMPARE(after.at(0xFB3), 45);
    QCOMPARE(after.at(0xFA5), 0x1A);
}

void ServiceRadioTest::aFailedReadLeavesImageAndControls() {
    CodeplugImage memory = program::factoryDefaults();
    memory.set(0xFA0, 60);
    memory.set(0xFB3, 45);
    Radio radio(memory, {"no-ack=3"}); // the last block of the three is never acknowledged
    const program::ProgramState state = englishRun();
    SqlTuningDlg dialog(program::factoryDefaults(), state, radio.port());
    ModalAnswerer answers;
    QTest::mouseClick(dialog.readButton(), Qt::LeftButton);
    QCOMPARE(answers.seen.size(), 1);
    QCOMPARE(answers.seen[0].text, QStringLiteral("Communication Error"));
    QCOMPARE(dialog.grid()->item(0, 1)->text(), QStringLiteral("37"));
    QVERIFY(dialog.image() == program::factoryDefaults());
    dialog.reject();
    QVERIFY(!dialog.imageToKeep());
}

void ServiceRadioTest::shortIdentityIsACommunicationError() {
    Radio radio(program::factoryDefaults(), {"short-identity"});
    program::ProgramState state = englishRun();
    state.language = program::Language::Chinese;
    ParamAdjustDlg dialog(program::factoryDefaults(), state, radio.port());
    ModalAnswerer answers;
    QTest::mouseClick(dialog.readButton(), Qt::LeftButton);
    QCOMPARE(answers.seen.size(), 1);
    QCOMPARE(answers.seen[0].text, QStringLiteral("通讯出错"));
    QVERIFY(dialog.image() == program::factoryDefaults());
}

void ServiceRadioTest::parameterReadAndWriteCarryTheHiddenValues() {
    CodeplugImage memory = program::factoryDefaults();
    memory.set(0xFB4, 0x55); // detect switches, no control shows them
    memory.set(0xFB5, 7);
    memory.set(0xFB6, 100);
    memory.set(0xFC9, 9);    // Mic amp gain
    memory.set(0xFCF, 0x83); // U Narrow Sql Difference -3
    Radio radio(memory);
    const program::ProgramState state = englishRun();
    ParamAdjustDlg dialog(program::factoryDefaults(), state, radio.port());
    ModalAnswerer answers;
    QTest::mouseClick(dialog.readButton(), Qt::LeftButton);
    QCOMPARE(dialog.lists()[2]->currentText(), QStringLiteral("9"));
    dialog.lists()[0]->setCurrentText(QStringLiteral("20"));
    QTest::mouseClick(dialog.writeButton(), Qt::LeftButton);
    QCOMPARE(answers.seen.size(), 2);
    QCOMPARE(answers.seen[1].text, QStringLiteral("Write Successfully"));

    const CodeplugImage after = radio.memory();
    memory.set(0xFC7, 20);
    for (std::size_t at = 0xFB4; at < 0xFD0; ++at)
        QCOMPARE(after.at(at), memory.at(at));
}

void ServiceRadioTest::silentRadioPromptsRetryOrCancel() {
    LanguagePack pack;
    QVERIFY(pack.load(
        LanguagePack::fileFor(QStringLiteral(PROGRAM_BIN_DIR "/"), QStringLiteral("Chinese"))));
    Radio radio(program::factoryDefaults(), {"silent"});
    program::ProgramState state = englishRun();
    state.language = program::Language::Chinese;
    SoftwareInfoDlg dialog(program::factoryDefaults(), state, radio.port());
    ModalAnswerer answers;
    answers.answerWith(QMessageBox::Retry);
    answers.answerWith(QMessageBox::Cancel);
    QTest::mouseClick(dialog.readButton(), Qt::LeftButton);
    // Fifteen wake attempts, the prompt; Retry gives fifteen more; Cancel ends it
    // with nothing more said.
    QCOMPARE(answers.seen.size(), 2);
    QCOMPARE(answers.seen[0].text, stringTable(program::message::CommunicationError));
    QVERIFY(answers.seen[0].text != QString::fromLatin1(program::message::englishText(
                                        program::message::CommunicationError)));
    // Retry, Cancel and the connection check, in the run's language.
    QCOMPARE(answers.seen[0].buttons.size(), 3);
    QVERIFY(answers.seen[0].buttons.contains(QStringLiteral("检查连接...")));
    QVERIFY(dialog.image() == program::factoryDefaults());
    QVERIFY(!dialog.imageToKeep());
}

void ServiceRadioTest::softwareInfoStoresOnlyOnceTheRadioAnswered() {
    program::ProgramState state = englishRun();
    {
        Radio silent(program::factoryDefaults(), {"silent"});
        SoftwareInfoDlg dialog(program::factoryDefaults(), state, silent.port());
        dialog.freqBandList()->setCurrentIndex(SoftwareInfo::VSection);
        const program::BandLimits before = state.bandLimits;
        ModalAnswerer answers; // Cancel at the prompt
        QTest::mouseClick(dialog.writeButton(), Qt::LeftButton);
        QCOMPARE(answers.seen.size(), 1);
        QVERIFY(dialog.image() == program::factoryDefaults());
        QVERIFY(!dialog.imageToKeep());
        QCOMPARE(state.bandLimits, before);
    }

    // Once the radio has answered, the dialog is stored even though a block then
    // fails.
    CodeplugImage memory = program::factoryDefaults();
    Radio radio(memory, {"no-ack=2"});
    SoftwareInfoDlg dialog(program::factoryDefaults(), state, radio.port());
    dialog.freqBandList()->setCurrentIndex(SoftwareInfo::VSection);
    ModalAnswerer answers;
    QTest::mouseClick(dialog.writeButton(), Qt::LeftButton);
    QCOMPARE(answers.seen.size(), 1);
    QCOMPARE(answers.seen[0].text, stringTable(program::message::ProgramInterrupt));
    const auto kept = dialog.imageToKeep();
    QVERIFY(kept);
    QCOMPARE(kept->at(0xFD1), SoftwareInfo::VSection);
    QCOMPARE(state.bandLimits, (program::BandLimits{13600000, 17400000, 13600000, 17400000}));
    const CodeplugImage after = radio.memory();
    QCOMPARE(after.at(0xFD1), SoftwareInfo::VSection); // the first block went through
    QCOMPARE(after.at(0xFF3), memory.at(0xFF3));       // the third never went
}

GUI_TEST(ServiceRadioTest);

#include "ServiceRadioTest.moc"
