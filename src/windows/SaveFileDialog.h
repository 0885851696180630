// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/FileNames.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>
#include <optional>

namespace clavora {

// Qt's own Save As dialog (the same on every desktop, and scriptable in tests), asking
// before it overwrites. It takes a name only in a folder that exists and can be written;
// otherwise it says why and stays open where the user was.
class SaveFileDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        const QStringList files = selectedFiles();
        const QFileInfo file(files.value(0));
        // A folder's name opens that folder, which the dialog itself sees to.
        if (!files.isEmpty() && !file.isDir()) {
            const QString problem = folderProblemForSaving(file.absolutePath());
            if (!problem.isEmpty()) {
                QMessageBox box(QMessageBox::Warning, windowTitle(), problem, QMessageBox::Ok, this);
                box.exec();
                return;
            }
        }
        QFileDialog::accept();
    }
};

// The chosen name; nothing when cancelled.
inline std::optional<QString> askSaveFileNameWith(QWidget* parent, const QString& proposed, const QStringList& filters,
                                                  const QString& title)
{
    SaveFileDialog dialog(parent, title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace clavora
