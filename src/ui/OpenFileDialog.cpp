#include "OpenFileDialog.h"

#include "FileListFormats.h"
#include "ModalDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QListView>
#include <QSplitter>
#include <QTreeView>

#include <algorithm>

namespace {
// The details view shows every column whole and the places on the left their
// names, however long the translation; the window opens large enough for that.
void FitFileDialogColumns(QFileDialog& dialog)
{
    auto* files = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* places = dialog.findChild<QListView*>(QStringLiteral("sidebar"));
    auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter"));
    const int charWidth = dialog.fontMetrics().averageCharWidth();
    dialog.resize(dialog.sizeHint().expandedTo(QSize(120 * charWidth, 32 * dialog.fontMetrics().height())));
    if (files) {
        // Sized to what they show, also as the list fills in the background.
        for (int column = 1; column < files->header()->count(); ++column)
            files->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    if (places && splitter) {
        const int placesWidth = std::max(places->sizeHintForColumn(0), 16 * charWidth) + 4 * places->frameWidth();
        splitter->setSizes({placesWidth, dialog.width() - placesWidth});
    }
}

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
    // Qt's own dialog rather than the desktop's: its texts come from Qt's
    // Russian translation and its file list takes the program's formats.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new TFileListFormats(&dialog));
    FitFileDialogColumns(dialog);
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
