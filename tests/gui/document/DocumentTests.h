#pragma once

#include <QObject>

class DocumentTest : public QObject {
    Q_OBJECT
private slots:
    void newDocumentStartsBlankWithNewDocumentValues();
    void newAsksBeforeClearingTheActiveDocument();
    void savedFileReopensWithTheSameBytes();
    void openingAnOpenFileAgainGivesANewDocument();
    void filesOfTheWrongLengthAreRefused();
    void radioTypeAndRecentFilesAreKeptPerUser();
    void closingOnlyHidesTheWindow();
    void saveAsProposesTheAppNameAndAddsTheExtension();
    void aFailedSaveIsReportedAndKeepsTheOldFile();
    void droppedFilesOpen();
};

class GridEditTest : public QObject {
    Q_OBJECT
private slots:
    void gridShowsTheTableWithItsLabelsAndHeaders();
    void typedReceiveFrequencyFillsANewChannel();
    void frequencyEditTakesOnlyDigitsAndThePoint();
    void refusedReceiveFrequencyKeepsTheEditorOpen();
    void enterClearsTheEditBoxWhereLeavingKeepsTheText();
    void aClickElsewhereDoesNotLeaveARefusedCell();
    void listsCommitTheChosenItem();
    void passingThroughListsKeepsWhatTheCellsHold();
    void nameEditHoldsWhatTheNameFieldHolds();
    void escapeDropsTheEdit();
    void f1GivesTheEditorsHelpContexts();
    void chineseRunShowsChineseHeadersAndLists();
};

class TransferTest : public QObject {
    Q_OBJECT
private slots:
    void readFillsTheDocumentAndKeepsACopy();
    void writeSendsTheGridToTheRadio();
    void verifyAfterWritingIsRememberedAndNamesWhatDiffers();
    void cancelBeforeStartOpensNoPort();
    void failedReadLeavesTheDocumentUntouched();
    void aRadioOfAnotherTypeIsRefusedWithAWarning();
    void cancelledReadLeavesTheDocumentUntouched();
    void commandsWaitWhileATransferRuns();
    void readAndWriteThroughRadioSim();
};

class UnsavedChangesTest : public QObject {
    Q_OBJECT
private slots:
    void documentsAsLoadedOrSavedAskNothing();
    void editedDocumentsAskEvenWhenHidden();
    void aReadDocumentIsNamedByTheTimeOfTheRead();
    void anEditStillInTheEditorCounts();
    void saveAnswerSavesAndCancelKeepsTheProgramOpen();
};

class PortSettingTest : public QObject {
    Q_OBJECT
private slots:
    void buttonsShowDevicesAndOnlyOpenablePortsAreEnabled();
    void okStoresTheChoiceForTheNextConnection();
    void findRadioChecksThePortWhereARadioAnswers();
};

class ChannelListTest : public QObject {
    Q_OBJECT
private slots:
    void pasteOfABlockWithOneRefusedCellPastesNothing();
    void rowsTravelThroughTheClipboard();
    void rowCommandsStopAtTheEdges();
    void undoAndRedoEveryKindOfChange();
    void csvImportShowsItsReportAndAWholeFileOrNothing();
    void exportedListsComeBackAsTheyWere();
};

class ChannelToolsTest : public QObject {
    Q_OBJECT
private slots:
    void sortIsOneStep();
    void setValueIsOneStepOrNothing();
    void repeaterOffsetIsOneStep();
    void findBarStepsThroughNamesAndFrequencies();
    void duplicateMarksFollowEdits();
};

class ConnectionCheckTest : public QObject {
    Q_OBJECT
private slots:
    void rowsComeInAndTheReportCanBeCopied();
    void closingWhileTheRadioIsAskedEndsTheProbe();
    void aFailedOpenOffersTheCheckOnThePortThatFailed();
};
