#pragma once

#include <QIdentityProxyModel>

// Sits between Qt's file dialog and its file system model so that sizes and
// dates of files read in the program's formats (the default locale), as every
// other date and number on screen does; the model itself writes them in the
// system locale's.
class TFileListFormats : public QIdentityProxyModel
{
    Q_OBJECT

public:
    explicit TFileListFormats(QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};
