#pragma once

#include <QString>

// The message of the Failure that action raises, or "no error" when it raises
// none; any other exception escapes and fails the test.
template <class Failure, class Action> QString MessageOf(Action&& action)
{
    try {
        action();
    } catch (const Failure& error) {
        return error.Message();
    }
    return QStringLiteral("no error");
}
