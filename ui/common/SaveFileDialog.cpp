#include "ui/common/SaveFileDialog.h"

#include <QFileDialog>

namespace nemra::ui {

std::unique_ptr<QFileDialog> MakeSaveFileDialog(QWidget* parent, const QString& title, const QString& filter,
                                                const QString& defaultSuffix, SaveMode mode)
{
    auto dialog = std::make_unique<QFileDialog>(parent, title, QString(), filter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(defaultSuffix);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, mode == SaveMode::Append);
    return dialog;
}

QString RunSaveFileDialog(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace nemra::ui
