#pragma once

#include "LoanBookCommand.h"

// varnel-tool backup FILE [--to FOLDER]: the day's copy of the loan book, as
// the program makes it at the first opening of a day (an earlier copy of the
// same day is replaced), into the program's backups folder or the one given;
// only the ten most recent days are kept. Prints the copy's path.
class TBackupCommand : public TLoanBookCommand
{
public:
    QString Name() const override { return QStringLiteral("backup"); }
    QString Synopsis() const override { return QStringLiteral("ФАЙЛ [--to ПАПКА]"); }

protected:
    QStringList OptionNames() const override { return { QStringLiteral("to") }; }
    void ReadBookOptions(TToolOptions& options) override;
    int Work(ILoanBookStore& facade, QTextStream& out, QTextStream& err) override;

private:
    QString m_folder;
};
