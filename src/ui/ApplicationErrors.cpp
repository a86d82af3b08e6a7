#include "ApplicationErrors.h"

#include "MessageBoxes.h"
#include "domain/Abort.h"

#include <exception>
#include <new>

const QString ApplicationTitle = QStringLiteral("Varnel");

QString ApplicationErrorText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QChar(u'.'))
        return message + QLatin1Char('.');
    return message;
}

void HandleApplicationException()
{
    QString message;
    try {
        throw;
    } catch (const EAbort&) {
        return;
    } catch (const Exception& error) {
        message = error.Message();
    } catch (const std::bad_alloc&) {
        message = QStringLiteral("Недостаточно памяти");
    } catch (const std::exception& error) {
        message = QString::fromLocal8Bit(error.what());
    } catch (...) {
        message = QStringLiteral("Неизвестная ошибка");
    }
    ShowErrorBox(ApplicationTitle, ApplicationErrorText(message));
}
