#include "OpenFileDialog.h"

#include "ModalDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {
TOpenFileHandler& Handler()
{
    static TOpenFileHandler handler;
    return handler;
}
}

QString ChooseFileToOpen(const TOpenFileRequest& request, QWidget* parent)
{
    if (Handler())
        return Handler()(request);
    QFileDialog dialog(parent, request.Caption);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(request.Filters);
    if (!request.Filters.isEmpty())
        dialog.selectNameFilter(request.Filters.first());
    const QString fileName = request.FileName.trimmed();
    if (!fileName.isEmpty()) {
        const QFileInfo info(fileName);
        dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    }
    if (ExecModal(dialog) != QDialog::Accepted)
        return QString();
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

TOpenFileHandler SetOpenFileHandler(TOpenFileHandler handler)
{
    TOpenFileHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}
