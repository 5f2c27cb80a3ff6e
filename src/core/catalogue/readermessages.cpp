#include "catalogue/readermessages.h"

#include "common/textutil.h"

namespace tolvarin::readermessages {

namespace {

QStringList badDataLines(int line, const QString& fileName)
{
    return {QStringLiteral("Načtena nekorektní data"), QString(),
            QStringLiteral("Při načítání dat byl na řádku ") + QString::number(line) +
                QStringLiteral(" načten špatný datový typ."),
            QStringLiteral("Proveďte opravu v souboru ") + fileName + QLatin1Char('.'), QString(),
            QStringLiteral("Načtená hodnota: ")};
}

QString errorText(ErrorCode error)
{
    return QString::number(errorNumber(error)) + QLatin1Char(' ') + errorDescription(error);
}

}  // namespace

QString badValue(int line, const QString& fileName, const QString& value)
{
    return joinLines(badDataLines(line, fileName)) + value;
}

QString commaInNumber(int line, const QString& fileName, const QString& value)
{
    return joinLines(badDataLines(line, fileName)) + value + QStringLiteral("\r\nTip: Použijte desetinnou tečku.");
}

QString tooManyRecords(int topic, const QString& title, const QString& fileName)
{
    return joinLines({QStringLiteral("V tématu ") + QString::number(topic) + QLatin1Char(' ') + title +
                          QStringLiteral(" je příliš mnoho vět!"),
                      QString(), QStringLiteral("Další řádky v tématu nebudou načteny."),
                      QStringLiteral("Smažte nepotřebné řádky ze souboru ") + fileName + QLatin1Char('.')});
}

QString fileMissing(const QString& fileName)
{
    return joinLines({QStringLiteral("Soubor ") + fileName + QStringLiteral(" nebyl nalezen."), QString(),
                      QStringLiteral("Chyba ") + errorText(ErrorCode::FileNotFound) + QLatin1Char('.'), QString(),
                      QStringLiteral("V okně Možnosti (nabídka Nastavení>Možnosti) vyberte cestu k datovému souboru."),
                      QStringLiteral("Standardně Tolvar.tvd pro hlavní datový soubor a User.tvd pro uživatelské jednotky."),
                      QStringLiteral("Aplikaci poté restartujte.")});
}

QString typeError(const QString& fileName)
{
    return joinLines({QStringLiteral("Špatný datový typ. Chyba číslo 13"), QString(),
                      QStringLiteral("Opravte soubor ") + fileName + QLatin1Char('!')});
}

QString loadError(ErrorCode error)
{
    return joinLines({QStringLiteral("Při načítání dat se vyskytla chyba ") + errorText(error) + QLatin1Char('.'),
                      QString(), QStringLiteral("Kontaktujte autora programu.")});
}

QString userFileError(ErrorCode error, const QString& fileName, int line)
{
    QString where = QStringLiteral("Soubor ") + fileName;
    if (line > 0) where += QStringLiteral(", řádek ") + QString::number(line);
    return joinLines({QStringLiteral("Při načítání dat se vyskytla chyba ") + errorText(error) + QLatin1Char('.'),
                      where + QLatin1Char('.'), QString(), QStringLiteral("Kontaktujte autora programu.")});
}

QString invalidUtf8(const QString& fileName, int line)
{
    return joinLines({QStringLiteral("Soubor ") + fileName + QStringLiteral(" není celý v kódování UTF-8."), QString(),
                      QStringLiteral("Na řádku ") + QString::number(line) +
                          QStringLiteral(" a případně dalších jsou bajty jiného kódování, které se zobrazí jako „\uFFFD“."),
                      QStringLiteral("Opravte je v souboru a uložte jej v kódování UTF-8.")});
}

QString unreadableEncoding(const QString& fileName, const QString& encoding)
{
    return joinLines({QStringLiteral("Soubor ") + fileName + QStringLiteral(" je uložen v kódování ") + encoding +
                          QStringLiteral(", které program nečte."),
                      QString(), QStringLiteral("Uložte jej v kódování UTF-8 nebo Windows-1250.")});
}

QString fileTooLarge(const QString& fileName)
{
    return joinLines({QStringLiteral("Soubor ") + fileName +
                          QStringLiteral(" je větší než 16 MB, takže to nemůže být datový soubor. Nebyl načten."),
                      QString(),
                      QStringLiteral("V okně Možnosti (nabídka Nastavení>Možnosti) vyberte cestu k datovému souboru.")});
}

QString controlCharacters(const QString& fileName, int line)
{
    return joinLines({QStringLiteral("Soubor ") + fileName + QStringLiteral(" obsahuje na řádku ") +
                          QString::number(line) + QStringLiteral(" řídicí znaky, které se zobrazí jako „\uFFFD“."),
                      QString(), QStringLiteral("Opravte je v souboru.")});
}

QString moreBadLines(const QString& fileName, int count)
{
    // Czech counts: 1 chybný řádek, 2 až 4 chybné řádky, 5 a více chybných řádků.
    const QString lines = count == 1  ? QStringLiteral("… a další 1 chybný řádek")
                          : count < 5 ? QStringLiteral("… a další ") + QString::number(count) +
                                            QStringLiteral(" chybné řádky")
                                      : QStringLiteral("… a dalších ") + QString::number(count) +
                                            QStringLiteral(" chybných řádků");
    return joinLines({lines + QStringLiteral(" v souboru ") + fileName + QLatin1Char('.'), QString(),
                      QStringLiteral("Zprávy o nich se již nezobrazují. Opravte soubor a načtěte data znovu.")});
}

}  // namespace tolvarin::readermessages
