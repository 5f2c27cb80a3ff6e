#include "conversion/topicrules.h"

#include "catalogue/topictable.h"

namespace tolvarin {

TopicRules topicRules(int slot)
{
    TopicRules rules;
    if (slot == kTemperatureSlot) {
        rules.arithmetic = TopicRules::Arithmetic::TemperatureScales;
        rules.negativeValues = true;
        rules.counted = false;
        rules.fixedRows = true;
        rules.coefficientsCompare = false;
    } else if (slot == kAngleSlot) {
        rules.summary = TopicRules::Summary::AngleInDegrees;
    }
    return rules;
}

}  // namespace tolvarin
