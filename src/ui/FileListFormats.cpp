#include "FileListFormats.h"

#include <QDateTime>
#include <QFileSystemModel>
#include <QLocale>

namespace {
// The columns of the file system model.
constexpr int SizeColumn = 1;
constexpr int DateColumn = 3;
}

TFileListFormats::TFileListFormats(QObject* parent)
    : QIdentityProxyModel(parent)
{
}

QVariant TFileListFormats::data(const QModelIndex& index, int role) const
{
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files || (index.column() != SizeColumn && index.column() != DateColumn))
        return QIdentityProxyModel::data(index, role);
    const QFileInfo info = files->fileInfo(mapToSource(index));
    if (index.column() == DateColumn)
        return QLocale().toString(info.lastModified(), QLocale::ShortFormat);
    if (info.isDir())
        return QIdentityProxyModel::data(index, role);
    // Binary multiples under the units a Russian user knows ("кБ", "МБ").
    return QLocale().formattedDataSize(info.size(), 2, QLocale::DataSizeTraditionalFormat);
}
