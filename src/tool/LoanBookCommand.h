#pragma once

#include "ToolCommand.h"

#include <memory>

class ILoanBookStore;

// A command on an existing loan book of the type and version the program
// works with: the file is connected and checked before Work and closed after
// it, whatever happens. A file missing, not opening or failing the check is a
// failure with the reason on standard error.
class TLoanBookCommand : public TToolCommand
{
public:
    static QString FileMissingText() { return QStringLiteral("Нужен ровно один файл базы данных."); }

protected:
    int FileCount() const override { return 1; }
    // Where the loan book stands among the file names (a command may name something else first).
    virtual int BookFilePosition() const { return 0; }
    // Reads the file name, then the command's own options.
    void ReadOptions(TToolOptions& options) final;
    virtual void ReadBookOptions(TToolOptions& /*options*/) {}
    int Execute(QTextStream& out, QTextStream& err) final;
    virtual int Work(ILoanBookStore& facade, QTextStream& out, QTextStream& err) = 0;

private:
    std::unique_ptr<ILoanBookStore> ConnectChecked(QTextStream& err) const;

    QString m_fileName;
};
