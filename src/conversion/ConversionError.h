#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// A conversion request that cannot go ahead. The message is meant for the user.
class ConversionError : public std::exception {
public:
    explicit ConversionError(const QString &message);

    QString message() const { return message_; }
    // The message in UTF-8.
    const char *what() const noexcept override;

private:
    QString message_;
    QByteArray utf8_;
};
