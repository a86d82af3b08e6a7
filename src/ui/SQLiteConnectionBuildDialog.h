#pragma once

#include "domain/ServerAddress.h"
#include "ui/controls/HeadShakeForm.h"

#include <QList>
#include <memory>

class QWidget;
struct TFieldFault;

namespace Ui {
class TSQLiteConnectionBuildDialog;
}

// Asks which loan book to connect to: a file (the default), which must exist,
// or a server book, given by its server, port, database and user, all of them
// required. What the book holds is checked by whoever connects; a password is
// never asked here.
class TSQLiteConnectionBuildDialog : public THeadShakeForm
{
    Q_OBJECT

public:
    static const QString NoFileMessage;
    static const QString FileMissingMessage;
    static const QString ServerIncompleteMessage;

    explicit TSQLiteConnectionBuildDialog(QWidget* parent = nullptr);
    ~TSQLiteConnectionBuildDialog() override;

    // Shows the dialog modally; true when it was closed with OK.
    bool Execute();
    // The file named in the field: typed, pasted (also as a file:// address
    // or in quotes) or chosen.
    QString GetFileName() const;
    // The book chosen: the file's path, or the server book's libpq URI
    // (TServerAddress::ToUri, never with a password).
    QString GetConnectionString() const;
    // Opens on a book: a server address fills the server's fields (one that
    // does not read as an address leaves them empty), anything else the file's.
    void SetConnectionString(const QString& connectionString);
    bool IsServerChosen() const;
    // The server book as the fields give it, blanks around them dropped.
    TServerAddress GetServerAddress() const;
    // Where browsing starts while the field is empty: the folder of the book in use.
    void SetStartFolder(const QString& folder) { m_startFolder = folder; }

    // The filters offered by the browse button, the first preselected.
    static QStringList FileFilters();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString m_startFolder;
    // Parameters of the address the dialog was opened on that it has no
    // field for (sslmode=...): kept for the address it gives back.
    QList<std::pair<QString, QString>> m_serverOptions;

    // Checks what the chosen kind of book needs; says why in red.
    bool Validate();
    // Empties the message line, then refuses an empty name or a name under
    // which no file exists.
    bool ValidateFile();
    // Every server field filled and the port a number 1-65535; the fields at
    // fault are marked and named only once OK was tried.
    bool ValidateServer();
    QList<TFieldFault> ServerFaults() const;
    QList<QWidget*> ServerFields() const;
    void ShowChosenKind();
    void OpenFileActionExecute();
    void OkActionExecute();
    void CancelActionExecute();

    std::unique_ptr<Ui::TSQLiteConnectionBuildDialog> ui;
};
