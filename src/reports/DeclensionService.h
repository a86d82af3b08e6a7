#pragma once

#include <QLibrary>
#include <QString>

// Declension of Russian full names and telling the sex from a patronymic,
// through the declension library that lies beside the program. The library
// is loaded on first use and released with the service; its functions are
// looked up at every call. Every failure raises EDeclensionException.
class TDeclensionService
{
public:
    // The library file without its platform prefix and suffix ("…/padeg").
    explicit TDeclensionService(QString libraryPath);
    ~TDeclensionService();

    // The name in case 1..6; an empty name gives an empty result.
    QString DeclineFullName(const QString& fullName, int grammaticalCase);
    // 1 male, 2 female, 0 unknown.
    int GetNameSex(const QString& name);

    static QString DefaultLibraryPath();

private:
    QFunctionPointer Function(const char* name);

    QLibrary m_library;
};
