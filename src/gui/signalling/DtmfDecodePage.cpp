#include "signalling/DtmfDecodePage.h"

#include "common/CharacterSetValidator.h"
#include "signalling/Dtmf.h"
#include "signalling/KeyFilter.h"

#include "ui_DtmfDecodePage.h"

#include <QApplication>
#include <QFocusEvent>

using namespace program::signalling;

CDtmfDecodePage::CDtmfDecodePage(QWidget* parent)
    : SignallingPage(parent), m_ui(std::make_unique<Ui::CDtmfDecodePage>()) {
    m_ui->setupUi(this);
    // Both codes hold only what the radio can send and decode.
    for (QLineEdit* code : {m_ui->idCodeEdit, m_ui->stunCodeEdit})
        code->setValidator(new CharacterSetValidator(QStringLiteral("0-9A-D*#"), this));
    for (QComboBox* list : {m_ui->groupCodeList, m_ui->stunTypeList}) {
        list->hide();
        list->installEventFilter(this);
    }
    for (QLineEdit* edit : {m_ui->groupCodeEdit, m_ui->stunTypeEdit})
        edit->installEventFilter(this);
    connect(m_ui->stunActivation, &QCheckBox::toggled, this, &CDtmfDecodePage::showStunControls);
    // Only the stun code edit restricts its keys; the other controls take any.
    new KeyFilter(KeyFilter::Rule::DtmfCode, this, m_ui->stunCodeEdit);
}

CDtmfDecodePage::~CDtmfDecodePage() = default;

void CDtmfDecodePage::setLanguage(program::Language language) {
    m_language = language;
    m_ui->groupCodeList->clear();
    for (const auto& choice : groupCodes())
        m_ui->groupCodeList->addItem(fromStd(choice.pick(language)));
    m_ui->stunTypeList->clear();
    for (const auto& choice : stunTypes())
        m_ui->stunTypeList->addItem(fromStd(choice.pick(language)));
}

void CDtmfDecodePage::load(const program::CodeplugImage& image) {
    const DtmfDecode values = loadDtmfDecode(image);
    m_ui->idCodeEdit->setText(fromStd(values.idCode));
    m_groupCode = values.groupCode;
    m_ui->groupCodeEdit->setText(fromStd(groupCodeText(m_groupCode, m_language)));
    m_ui->stunActivation->setChecked(values.stunActivation);
    m_ui->stunCodeEdit->setText(fromStd(values.stunCode));
    m_stunType = values.stunType;
    m_ui->stunTypeEdit->setText(fromStd(stunTypes()[std::size_t(m_stunType)].pick(m_language)));
    showStunControls();
}

void CDtmfDecodePage::store(program::CodeplugImage& image) {
    closeList(m_ui->groupCodeEdit, m_ui->groupCodeList);
    closeList(m_ui->stunTypeEdit, m_ui->stunTypeList);
    storeDtmfDecode({m_ui->idCodeEdit->text().toStdString(), m_groupCode,
                     m_ui->stunActivation->isChecked(), m_ui->stunCodeEdit->text().toStdString(),
                     m_stunType},
                    image);
}

bool CDtmfDecodePage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == m_ui->groupCodeEdit)
            openList(m_ui->groupCodeEdit, m_ui->groupCodeList);
        else if (watched == m_ui->stunTypeEdit)
            openList(m_ui->stunTypeEdit, m_ui->stunTypeList);
    } else if (event->type() == QEvent::FocusOut) {
        // The list's own drop-down (which may take the focus into itself while it is
        // open) and a switch to another window keep it open.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason ||
            QApplication::activePopupWidget())
            return false;
        if (watched == m_ui->groupCodeList)
            closeList(m_ui->groupCodeEdit, m_ui->groupCodeList);
        else if (watched == m_ui->stunTypeList)
            closeList(m_ui->stunTypeEdit, m_ui->stunTypeList);
    }
    return false;
}

void CDtmfDecodePage::openList(QLineEdit* edit, QComboBox* list) {
    list->setCurrentIndex(list->findText(edit->text()));
    list->show();
    list->setFocus(Qt::OtherFocusReason);
    edit->hide();
}

void CDtmfDecodePage::closeList(QLineEdit* edit, QComboBox* list) {
    if (list->isHidden())
        return;
    if (const int chosen = list->currentIndex(); chosen >= 0) {
        edit->setText(list->currentText());
        if (list == m_ui->groupCodeList)
            m_groupCode = groupCodeByte(groupCodes()[std::size_t(chosen)].english);
        else
            m_stunType = chosen;
    }
    list->hide();
    edit->show();
}

void CDtmfDecodePage::showStunControls() {
    const bool active = m_ui->stunActivation->isChecked();
    const QList<QWidget*> stunControls{m_ui->stunCodeLabel, m_ui->stunCodeEdit, m_ui->stunTypeLabel,
                                       m_ui->stunTypeEdit, m_ui->stunTypeList};
    for (QWidget* control : stunControls)
        control->setEnabled(active);
}
