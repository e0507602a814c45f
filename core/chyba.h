// The one error type of the program: a failure that the user must be told about, with
// its Czech text ready for the error box. Library code throws it; windows catch it at
// the operation that failed, and the application object catches whatever escapes.
#pragma once

#include <QString>

#include <stdexcept>

class KolomatChyba : public std::runtime_error {
public:
    explicit KolomatChyba(const QString& text)
        : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& text() const noexcept { return text_; }

private:
    QString text_;
};
