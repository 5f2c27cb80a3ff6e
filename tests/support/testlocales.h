#pragma once

#include <QLocale>

// The two regional settings every number test runs under.
inline const QLocale kCzech(QLocale::Czech, QLocale::CzechRepublic);
inline const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

inline const char* localeName(const QLocale* locale)
{
    return locale == &kCzech ? "cs_CZ" : "en_US";
}
