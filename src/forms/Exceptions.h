#pragma once

#include <QString>

// The framework's exception family. Whatever escapes an event handler ends in
// TApplication::HandleException, which shows the message (EAbort excepted).
class Exception {
public:
    explicit Exception(QString message = QString()) : FMessage(std::move(message)) {}
    virtual ~Exception() = default;

    const QString& Message() const { return FMessage; }

private:
    QString FMessage;
};

// One exception class for each kind of failure, told apart by the tag type
// alone, so that a handler catches the kinds it knows.
template <class Tag> class TFailure : public Exception {
public:
    using Exception::Exception;
};

// Silent: dropped by the error report without a word.
using EAbort = TFailure<struct TAbortTag>;
using EConvertError = TFailure<struct TConvertErrorTag>;
using EResNotFound = TFailure<struct TResNotFoundTag>;
using EReadError = TFailure<struct TReadErrorTag>;
using EInvalidOperation = TFailure<struct TInvalidOperationTag>;
// A picture whose data does not decode.
using EInvalidGraphic = TFailure<struct TInvalidGraphicTag>;
using EOutOfResources = TFailure<struct TOutOfResourcesTag>;

// The text the error report shows for a message: a full stop is appended when
// the text is not empty and its last character sorts after ".".
QString MessageForDisplay(const QString& message);
