#include "app/AboutDlg.h"

#include "common/ControlIds.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel* controlLabel(int id, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("control%1").arg(id));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

AboutDlg::AboutDlg(const Texts& texts, const QString& iconFile, QWidget* parent) : QDialog(parent) {
    setWindowTitle(texts.title);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("control%1").arg(control::AboutIcon));
    icon->setFixedSize(40, 40);
    icon->setAlignment(Qt::AlignCenter);
    const QIcon picture(iconFile);
    if (!picture.availableSizes().isEmpty())
        icon->setPixmap(picture.pixmap(32, 32));

    auto* lines = new QVBoxLayout;
    lines->addWidget(controlLabel(control::AboutVersion, texts.version, this));
    lines->addWidget(controlLabel(control::AboutCopyrights, texts.copyrights, this));
    lines->addWidget(controlLabel(control::AboutCopyrightsOwner, texts.copyrightsOwner, this));
    lines->addWidget(controlLabel(
        control::AboutFixedLine, tr("Programming software for VHF/UHF FM hand-held radios"), this));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, Qt::AlignTop);
    grid->addLayout(lines, 0, 1);
    grid->addWidget(buttons, 1, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}
