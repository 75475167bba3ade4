#include "forms/Exceptions.h"

QString MessageForDisplay(const QString& message)
{
    // Every character beyond ASCII (a Chinese one, say) sorts after ".".
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}
