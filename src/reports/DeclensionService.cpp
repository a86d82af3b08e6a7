#include "DeclensionService.h"

#include "ApplicationFolder.h"
#include "DeclensionException.h"
#include "sqlite/Cp1251Codec.h"

#include <QByteArray>

#include <cstdint>
#include <memory>

namespace {

using TGetFIOPadegFSAS = std::int32_t (*)(const char*, std::int32_t, char*, std::int32_t*);
using TGetSex = std::int32_t (*)(const char*);

// Room the library gets beyond the name itself.
constexpr int ExtraBufferChars = 10;

QString ResultCodeMessage(int code)
{
    switch (code) {
    case -1:
        return QStringLiteral("Недопустимое значение падежа");
    case -2:
        return QStringLiteral("Недопустимое значение рода");
    case -3:
        return QStringLiteral("Размер буфера недостаточен для размещения результата преобразования ФИО");
    default:
        return QStringLiteral("Неизвестный код ошибки: ") + QString::number(code);
    }
}

}

TDeclensionService::TDeclensionService(QString libraryPath)
    : m_library(std::move(libraryPath))
{
}

TDeclensionService::~TDeclensionService()
{
    if (m_library.isLoaded())
        m_library.unload();
}

QString TDeclensionService::DefaultLibraryPath()
{
    return ApplicationFolder() + QStringLiteral("padeg");
}

QFunctionPointer TDeclensionService::Function(const char* name)
{
    // A library that is not there must not pass unnoticed: a statement
    // without the names in their cases is no statement.
    if (!m_library.isLoaded() && !m_library.load())
        throw EDeclensionException(QStringLiteral("Библиотека склонения ФИО не загружена: ") + m_library.errorString());
    QFunctionPointer function = m_library.resolve(name);
    if (!function)
        throw EDeclensionException(
            QStringLiteral("Функция '%1' в библиотеке PADEG.DLL не найдена").arg(QLatin1String(name)));
    return function;
}

QString TDeclensionService::DeclineFullName(const QString& fullName, int grammaticalCase)
{
    QString result;
    const auto decline = reinterpret_cast<TGetFIOPadegFSAS>(Function("GetFIOPadegFSAS"));
    const QByteArray name = Cp1251::Encode(fullName);
    QByteArray buffer(name.size() + ExtraBufferChars + 1, '\0');
    std::int32_t size = std::int32_t(name.size() + ExtraBufferChars);
    const int code = decline(name.constData(), grammaticalCase, buffer.data(), &size);
    if (code != 0)
        throw EDeclensionException(ResultCodeMessage(code));
    result = Cp1251::Decode(buffer.constData(), size);
    return result;
}

int TDeclensionService::GetNameSex(const QString& name)
{
    const auto getSex = reinterpret_cast<TGetSex>(Function("GetSex"));
    return getSex(Cp1251::Encode(name).constData());
}
