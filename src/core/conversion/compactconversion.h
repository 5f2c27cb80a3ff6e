#pragma once

#include "catalogue/unitcatalogue.h"
#include "common/runtimeerror.h"
#include "conversion/topicrules.h"

#include <QLocale>
#include <QString>

#include <span>

namespace tolvarin {

// What one conversion of the compact view did: the other box gets a new
// text, stays as it is without a word, or stays as it is with a message.
struct CompactOutcome {
    enum class Status {
        Converted,          // text holds the other box's new text
        NothingToDo,        // zero or a negative value outside temperature
        BelowAbsoluteZero,  // the temperature lies at or below 0 K
        Failed,             // no number, an unbound unit, a zero coefficient or an overflow
    };
    Status status = Status::Failed;
    QString text;
    ErrorCode error = ErrorCode::InvalidArgument;  // when Failed
};

// A value typed into the compact view's box of one unit of a topic, expressed
// in another unit of the same topic. The units are rows of the topic's units;
// a row outside them is a side left unbound (a topic with one unit) and any
// conversion from or into it fails. Temperature goes through the engine's
// scale formulas and allows negative values; every other topic multiplies by
// the source coefficient and divides by the target one, and leaves zero and
// negative values alone. The result is the locale's plain double text.
CompactOutcome convertCompact(const QString& valueText, std::span<const Unit> units, int sourceRow, int targetRow,
                              const TopicRules& rules, const QLocale& locale);

}  // namespace tolvarin
