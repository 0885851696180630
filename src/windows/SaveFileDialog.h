#pragma once
#include <QFileDialog>
#include <QStringList>
#include <optional>

namespace clavora {

// Qt's own Save As dialog (the same on every desktop, and scriptable in tests), asking
// before it overwrites; nothing when cancelled.
inline std::optional<QString> askSaveFileNameWith(QWidget* parent, const QString& proposed, const QStringList& filters,
                                                  const QString& title)
{
    QFileDialog dialog(parent, title);
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
