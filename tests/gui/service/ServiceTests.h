#pragma once

#include <QObject>

class SqlTuningTest : public QObject {
    Q_OBJECT
private slots:
    void cellsTakeFiveToHundredAndLabelsTakeNoInput();
    void buttonsChangeTheGridAndOkStoresIt();
};

class ParamAdjustTest : public QObject {
    Q_OBJECT
private slots:
    void passwordIsAskedAtEveryOpeningAndSaysNothing();
    void okStoresTheListsAsTheDialogNormalisesThem();
    void chineseRunLabelsTheDetectTable();
};

class SoftwareInfoTest : public QObject {
    Q_OBJECT
private slots:
    void vSectionNarrowsTheGridsBandLimits();
    void leavingALimitRunsItsCheck();
};

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
