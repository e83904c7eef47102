#pragma once

#include <QString>
#include <stdexcept>

// Every failure of the engine, of a conversion or of the platform is one of these; the
// application's error display shows Text() to the user.
class EQuimbelsError : public std::runtime_error {
public:
    explicit EQuimbelsError(const QString& text) : std::runtime_error(text.toStdString()), FText(text) {}
    const QString& Text() const { return FText; }

private:
    QString FText;
};

class EDatabaseError : public EQuimbelsError {
    using EQuimbelsError::EQuimbelsError;
};

class EConvertError : public EQuimbelsError {
    using EQuimbelsError::EQuimbelsError;
};

class EPlatformError : public EQuimbelsError {
    using EQuimbelsError::EQuimbelsError;
};
