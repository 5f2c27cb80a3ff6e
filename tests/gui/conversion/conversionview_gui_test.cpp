#include "support/windowfixture.h"

using namespace tolvarin;
using namespace tolvarin::test;

namespace {

using ConversionViewTest = MainWindowTest;

// After the red absolute-zero warning, a valid temperature writes its summary
// in the usual colour: the warning does not stay behind.
TEST_F(ConversionViewTest, TemperatureSummaryReplacesTheAbsoluteZeroWarning)
{
    window->openTopic(16);
    typeInto(1, QStringLiteral("-300"));
    EXPECT_EQ(info(), u("Teplota pod 0 K teoreticky neexistuje."));
    EXPECT_EQ(window->infoLine()->palette().color(QPalette::WindowText), QColor(Qt::red));
    typeInto(1, QStringLiteral("20"));
    EXPECT_EQ(info(), u(" °C: 20,00 °C = 293,15 K "));
    EXPECT_NE(window->infoLine()->palette().color(QPalette::WindowText), QColor(Qt::red));
}

}  // namespace
