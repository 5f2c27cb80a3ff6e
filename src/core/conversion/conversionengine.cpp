#include "conversion/conversionengine.h"

#include "catalogue/numericreading.h"
#include "catalogue/topictable.h"
#include "common/apptitle.h"
#include "common/textutil.h"
#include "conversion/conversiontext.h"
#include "conversion/decimaltext.h"
#include "conversion/planeangle.h"
#include "conversion/temperature.h"

#include <utility>
#include <vector>

namespace tolvarin {

namespace {

using Failure = std::optional<ErrorCode>;

}  // namespace

// One commit: works on a copy of the column and hands it out only when
// every step has succeeded.
class ConversionEngine::Run {
public:
    Run(ConversionEngine& engine, const CommitRequest& request, const QLocale& locale, MessageSink& messages)
        : engine_(engine), request_(request), locale_(locale), messages_(messages), column_(request.column)
    {
    }

    CommitResult execute()
    {
        column_[request_.sourceRow] = request_.enteredText;
        const Failure failure = request_.slot == kTemperatureSlot ? temperature() : ordinary();
        if (failure) return failed(*failure);
        result_.column = column_;
        result_.columnChanged = column_ != request_.column;
        return result_;
    }

private:
    QString& sourceText() { return column_[request_.sourceRow]; }

    // A computed value as the text of a cell; infinite, NaN and values whose
    // text would not read back are an overflow.
    Failure writeCell(int row, double value)
    {
        QString text = plainDoubleText(value, locale_);
        if (text.isEmpty()) return ErrorCode::Overflow;
        column_[row] = std::move(text);
        return std::nullopt;
    }

    Failure read(const QString& text, double* value) const
    {
        const std::optional<double> number = regionalReading(text, locale_);
        if (!number) return ErrorCode::TypeMismatch;
        *value = *number;
        return std::nullopt;
    }

    Failure reformat()
    {
        const Result<QStringList> formatted = ApplyFormat(column_, request_.format, locale_);
        if (!formatted.ok()) return formatted.error();
        column_ = formatted.value();
        return std::nullopt;
    }

    Failure ordinary()
    {
        if (sourceText().isEmpty()) return std::nullopt;
        double x = 0.0;
        if (Failure f = read(sourceText(), &x)) return f;
        if (x < 0.0) {
            if (Failure f = writeCell(request_.sourceRow, -x)) return f;
            showNegativeNotice();
            if (Failure f = read(sourceText(), &x)) return f;
        }

        if (Failure f = recompute(x)) return f;
        if (Failure f = summary()) return f;

        result_.counts = true;
        result_.markRow = request_.sourceRow;
        result_.recordLine = true;
        result_.refreshClipboardCommands = true;
        return std::nullopt;
    }

    // Every row gets x * coefficient(source) / coefficient(row), written as
    // text, read back and reformatted. The texts come out as if each result
    // were written into its cell and ApplyFormat ran over the column, but
    // without making and reading the intermediate texts of 150 rows.
    Failure recompute(double x)
    {
        const double sourceCoefficient = request_.units[size_t(request_.sourceRow)].coefficient;
        std::vector<double> values(size_t(column_.size()));
        for (int row = 0; row < column_.size(); ++row) {
            const double coefficient = request_.units[size_t(row)].coefficient;
            if (coefficient == 0.0) return ErrorCode::DivisionByZero;
            const std::optional<double> written = doubleTextValue(x * sourceCoefficient / coefficient);
            if (!written) return ErrorCode::Overflow;
            values[size_t(row)] = *written;
            // A later failure quotes the source cell as it then stands.
            if (row == request_.sourceRow) sourceText() = plainDoubleText(*written, locale_);
        }
        QStringList formatted;
        formatted.reserve(column_.size());
        for (double value : values) {
            const Result<QString> text = formatValue(value, request_.format, locale_);
            if (!text.ok()) return text.error();
            formatted.append(text.value());
        }
        column_ = formatted;
        return std::nullopt;
    }

    Failure summary()
    {
        if (request_.slot != kAngleSlot) {
            result_.infoLine = InfoLine{summaryLine(request_.units, column_, request_.sourceRow, 0, locale_)};
            result_.rebuildMagnifier = true;
            return std::nullopt;
        }
        const int degreeRow = 1;
        if (column_.size() <= degreeRow) return std::nullopt;
        const Result<QString> angle = angleSummary(column_[degreeRow], locale_);
        if (!angle.ok()) return angle.error();
        result_.infoLine = InfoLine{angle.value()};
        return std::nullopt;
    }

    Failure temperature()
    {
        double x = 0.0;
        if (Failure f = read(sourceText(), &x)) return f;
        const std::optional<TemperatureScale> entered = temperatureScaleOfRow(request_.sourceRow);
        // A row beyond the five scales has no formula; converting the others
        // from an older kelvin value would show figures that contradict it.
        if (!entered) return ErrorCode::InvalidArgument;
        if (*entered != TemperatureScale::Kelvin) {
            if (Failure f = writeCell(0, kelvinFrom(*entered, x))) return f;
        }

        double kelvin = 0.0;
        if (Failure f = read(column_[0], &kelvin)) return f;
        if (!(kelvin > 0.0)) {
            setAbsoluteZero();
            return std::nullopt;
        }
        for (int row = 1; row < kTemperatureScaleCount && row < column_.size(); ++row) {
            if (row == request_.sourceRow) continue;
            if (Failure f = writeCell(row, fromKelvin(TemperatureScale(row), kelvin))) return f;
        }
        if (Failure f = reformat()) return f;
        result_.recordLine = true;
        return std::nullopt;
    }

    void setAbsoluteZero()
    {
        result_.infoLine = InfoLine{absoluteZeroText(), InfoColour::Red, true};
        for (int row = 0; row < kTemperatureScaleCount && row < column_.size(); ++row)
            column_[row] = plainDoubleText(fromKelvin(TemperatureScale(row), 0.0), locale_);
    }

    void showNegativeNotice()
    {
        if (engine_.negativeNoticeShown_) return;
        messages_.show(MessageIcon::Information, appTitle(), negativeNoticeText());
        engine_.negativeNoticeShown_ = true;
    }

    CommitResult failed(ErrorCode error)
    {
        messages_.show(MessageIcon::Exclamation, appTitle(), failureText(error, sourceText()));
        CommitResult result;
        result.column = request_.column;
        result.column[request_.sourceRow] = request_.textBeforeEdit;
        result.columnChanged = result.column != request_.column;
        result.failed = true;
        result.refreshClipboardCommands = true;
        return result;
    }

    ConversionEngine& engine_;
    const CommitRequest& request_;
    const QLocale& locale_;
    MessageSink& messages_;
    QStringList column_;
    CommitResult result_;
};

CommitResult ConversionEngine::commit(const CommitRequest& request, const QLocale& locale, MessageSink& messages)
{
    const bool consistent = size_t(request.column.size()) == request.units.size() && request.sourceRow >= 0 &&
                            request.sourceRow < request.column.size();
    if (!consistent) {
        CommitResult unchanged;
        unchanged.column = request.column;
        return unchanged;
    }
    return Run(*this, request, locale, messages).execute();
}

QString ConversionEngine::negativeNoticeText()
{
    return joinLines({QStringLiteral("Zadáno záporné číslo."), QString(),
                      QStringLiteral("Záporné hodnoty se nepoužívají. Budou převedeny na kladná čísla."), QString(),
                      QStringLiteral("Poznámka: Tato zpráva už nebude zobrazena.")});
}

QString ConversionEngine::failureText(ErrorCode error, const QString& cellText)
{
    return joinLines({QStringLiteral("Chyba ") + QString::number(errorNumber(error)) + QStringLiteral(": ") +
                          errorDescription(error),
                      QString(), QStringLiteral("Nevhodná hodnota '") + cellText + QStringLiteral("'.")});
}

QString ConversionEngine::absoluteZeroText() { return QStringLiteral("Teplota pod 0 K teoreticky neexistuje."); }

}  // namespace tolvarin
