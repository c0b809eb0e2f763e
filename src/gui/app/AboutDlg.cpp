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
    // Installed, the settings are the user's own copy, not the file beside the
    // program; this line says where to look.
    m_ui->settingsFileLabel->setText(tr("Settings: %1").arg(texts.settingsFile));
    m_ui->settingsFileLabel->setVisible(!texts.settingsFile.isEmpty());
    const QIcon picture(iconFile);
    if (!picture.availableSizes().isEmpty())
        m_ui->iconLabel->setPixmap(picture.pixmap(32, 32));
}

AboutDlg::~AboutDlg() = default;
