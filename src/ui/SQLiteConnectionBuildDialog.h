#pragma once

#include "ui/controls/HeadShakeForm.h"

#include <memory>

namespace Ui {
class TSQLiteConnectionBuildDialog;
}

// Asks for the loan-book file to connect to. The file must exist; what it
// holds is checked by whoever connects.
class TSQLiteConnectionBuildDialog : public THeadShakeForm
{
    Q_OBJECT

public:
    static const QString NoFileMessage;
    static const QString FileMissingMessage;

    explicit TSQLiteConnectionBuildDialog(QWidget* parent = nullptr);
    ~TSQLiteConnectionBuildDialog() override;

    // Shows the dialog modally; true when it was closed with OK.
    bool Execute();
    // The file named in the field: typed, pasted (also as a file:// address
    // or in quotes) or chosen.
    QString GetFileName() const;
    // Where browsing starts while the field is empty: the folder of the book in use.
    void SetStartFolder(const QString& folder) { m_startFolder = folder; }

    // The filters offered by the browse button, the first preselected.
    static QStringList FileFilters();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString m_startFolder;

    // Empties the message line, then refuses an empty name or a name under
    // which no file exists, saying why in red.
    bool Validate();
    void OpenFileActionExecute();
    void OkActionExecute();
    void CancelActionExecute();

    std::unique_ptr<Ui::TSQLiteConnectionBuildDialog> ui;
};
