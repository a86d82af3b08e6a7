#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

class DateTime;
class Money;

// The arguments of a sub-command: options, each given once as "--name value"
// or "--name=value", and up to fileCount file names (arguments without "--"),
// in any order. The first mistake found is kept in Error; the readers do
// nothing once there is one, so a command reads everything and checks once.
class TToolOptions
{
public:
    // Flags are options without a value ("--recalculate"): given or not.
    TToolOptions(const QStringList& arguments, const QStringList& known, int fileCount = 0,
                 const QStringList& flags = {});

    const QString& Error() const { return m_error; }
    bool Has(const QString& name) const { return m_values.contains(name); }
    bool Flag(const QString& name) const { return m_values.contains(name); }
    // Notes a mistake (the first one wins).
    void Refuse(const QString& reason);

    // Each reader sets value from the option's text; a missing required option
    // or a text that does not read as the type is a mistake.
    void Read(const QString& name, int& value, bool required = true);
    void Read(const QString& name, Money& value, bool required = true);
    // A date written yyyy-mm-dd.
    void Read(const QString& name, DateTime& value, bool required = true);
    // Any text, taken as it is.
    void Read(const QString& name, QString& value, bool required = true);

    // The file names in the order given.
    const QStringList& Files() const { return m_files; }
    // The first file name; without one, the reason is noted as the mistake.
    QString RequireFile(const QString& reasonWhenMissing);

private:
    // The option's text; nothing when it is absent or there is a mistake already.
    std::optional<QString> Text(const QString& name, bool required);
    // Sets value from read(text) (a std::optional); nothing read is a mistake.
    template <typename T, typename Reader>
    void ReadWith(const QString& name, T& value, bool required, Reader read);

    QHash<QString, QString> m_values;
    QStringList m_files;
    QString m_error;
};
