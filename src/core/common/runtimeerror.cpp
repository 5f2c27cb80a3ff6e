#include "common/runtimeerror.h"

namespace tolvarin {

int errorNumber(ErrorCode code) { return static_cast<int>(code); }

QString errorDescription(ErrorCode code)
{
    switch (code) {
    case ErrorCode::InvalidArgument: return QStringLiteral("Neplatné volání procedury nebo argument");
    case ErrorCode::Overflow: return QStringLiteral("Přetečení");
    case ErrorCode::SubscriptOutOfRange: return QStringLiteral("Index mimo rozsah");
    case ErrorCode::DivisionByZero: return QStringLiteral("Dělení nulou");
    case ErrorCode::TypeMismatch: return QStringLiteral("Neshoda typů");
    case ErrorCode::FileNotFound: return QStringLiteral("Soubor nenalezen");
    case ErrorCode::DeviceIo: return QStringLiteral("Vstupně-výstupní chyba zařízení");
    case ErrorCode::PathAccess: return QStringLiteral("Chyba přístupu k cestě nebo souboru");
    }
    return QString();
}

}  // namespace tolvarin
