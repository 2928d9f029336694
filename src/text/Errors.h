#pragma once

#include <QString>

#include <exception>

namespace ravik {

// Every error a user may see: the text is what the error display shows.
class Error : public std::exception {
public:
    explicit Error(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString& message() const { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

// A value that does not convert (dates, numbers, field texts): no table prefix.
class ConvertError : public Error {
public:
    using Error::Error;
};

} // namespace ravik
