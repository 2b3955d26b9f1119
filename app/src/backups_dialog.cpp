// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "backups_dialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QStringList>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "duoband/backups.h"

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The first channel names of the image; empty when it cannot be read.
QString namesIn(const std::filesystem::path& file) {
    duoband::ImageFile image;
    if (!duoband::openImageFile(file, image).ok()) return QObject::tr("(cannot be read)");
    QStringList names;
    for (const std::string& name : duoband::channelNames(image.image)) names << fromUtf8(name);
    return names.join(", ");
}

}  // namespace

BackupsDialog::BackupsDialog(const std::filesystem::path& folder, QWidget* parent)
    : QDialog(parent) {
    setObjectName("backupsDialog");
    setWindowTitle(tr("Backups"));
    list = new QTreeWidget;
    list->setObjectName("backupList");
    list->setAccessibleName(tr("Backups kept"));
    list->setRootIsDecorated(false);
    list->setHeaderLabels({tr("When"), tr("Kind"), tr("Port"), tr("Channels")});
    for (const duoband::Backup& backup : duoband::listBackups(folder)) {
        auto* item = new QTreeWidgetItem(
            list, {fromUtf8(backup.when), fromUtf8(duoband::backupKindName(backup.kind)),
                   fromUtf8(backup.port), namesIn(backup.file)});
        item->setData(0, Qt::UserRole, QFile::decodeName(backup.file.string().c_str()));
    }
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (list->topLevelItemCount() > 0) list->setCurrentItem(list->topLevelItem(0));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Close);
    openButton = buttons->button(QDialogButtonBox::Open);
    openButton->setEnabled(list->currentItem() != nullptr);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list, &QTreeWidget::itemActivated, this, &QDialog::accept);
    auto* column = new QVBoxLayout(this);
    column->addWidget(list);
    column->addWidget(buttons);
    resize(760, 420);
}

QString BackupsDialog::chosen() const {
    const QTreeWidgetItem* item = list->currentItem();
    return result() == Accepted && item != nullptr ? item->data(0, Qt::UserRole).toString()
                                                   : QString();
}
