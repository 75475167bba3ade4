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

// Silent: dropped by the error report without a word.
class EAbort : public Exception {
public:
    using Exception::Exception;
};

class EConvertError : public Exception {
public:
    using Exception::Exception;
};

class EResNotFound : public Exception {
public:
    using Exception::Exception;
};

class EReadError : public Exception {
public:
    using Exception::Exception;
};

class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};

// A picture whose data does not decode.
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

class EOutOfResources : public Exception {
public:
    using Exception::Exception;
};

// The text the error report shows for a message: a full stop is appended when
// the text is not empty and its last character sorts after ".".
QString MessageForDisplay(const QString& message);
