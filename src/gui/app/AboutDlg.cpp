#include "app/AboutDlg.h"

#include "ui_AboutDlg.h"

#include <QIcon>

AboutDlg::AboutDlg(const Texts& texts, const QString& iconFile, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::AboutDlg>()) {
    m_ui->setupUi(this);
    setWindowTitle(texts.title);
    m_ui->versionLabel->setText(texts.version);
    m_ui->copyrightsLabel->setText(texts.copyrights);
    m_ui->ownerLabel->setText(texts.copyrightsOwner);
    const QIcon picture(iconFile);
    if (!picture.availableSizes().isEmpty())
        m_ui->iconLabel->setPixmap(picture.pixmap(32, 32));
}

AboutDlg::~AboutDlg() = default;
