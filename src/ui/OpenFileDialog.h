#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// What an open-file dialog is asked to show.
struct TOpenFileRequest
{
    QString Caption;
    // Shown in the file-name field at start; its folder is where the dialog opens.
    QString FileName;
    // "Name (patterns)" lines; the first is preselected. The pattern part is
    // not shown, so a name may carry a pattern of its own in parentheses.
    QStringList Filters;
};

// Chooses a file instead of the user (tests); an empty name means cancelled.
using TOpenFileHandler = std::function<QString(const TOpenFileRequest& request)>;

// The chosen existing file, or an empty name when the user cancelled.
// No extension is added to the name.
QString ChooseFileToOpen(const TOpenFileRequest& request, QWidget* parent = nullptr);

// Installs the handler (an empty one brings back the real dialog); returns the previous one.
TOpenFileHandler SetOpenFileHandler(TOpenFileHandler handler);
