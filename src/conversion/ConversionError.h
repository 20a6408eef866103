// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

#include <exception>

// A conversion request that cannot go ahead. The message is meant for the user.
class ConversionError : public std::exception {
public:
    explicit ConversionError(const QString& message);

    QString message() const { return message_; }
    // The message in UTF-8.
    const char* what() const noexcept override;

private:
    QString message_;
    QByteArray utf8_;
};

// A start or end text that cannot be read as a time. It is not caught by the
// conversion; the application's error report shows it.
class InvalidTimeError : public ConversionError {
public:
    explicit InvalidTimeError(const QString& text);
};

// A request the program declines before any tool runs; shown in an error dialog
// captioned "Error".
class RequestRefusal : public ConversionError {
public:
    using ConversionError::ConversionError;

    static RequestRefusal tooLong();
    static RequestRefusal endNotLater();
    // text is the fade field as typed.
    static RequestRefusal invalidFade(const QString& text);
    // Lengths in seconds, written with the given decimal separator.
    static RequestRefusal fadesTooLong(double fadesSeconds, double sectionSeconds, QChar decimalSeparator);
    // text is the path that holds the double quote.
    static RequestRefusal doubleQuote(const QString& text);
    static RequestRefusal outputIsInput();
    // path is the output path, part of which the fader could not read.
    static RequestRefusal unreadableByTools(const QString& path);
    // name is the input's file name.
    static RequestRefusal notMp3(const QString& name);
    // length as "m:ss", start as typed.
    static RequestRefusal startPastEnd(const QString& length, const QString& start);
};
