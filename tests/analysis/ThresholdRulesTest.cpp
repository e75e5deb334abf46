#include <gtest/gtest.h>

#include "ThresholdRules.h"

// Fields: awake systolic, asleep systolic, awake diastolic, asleep diastolic.
TEST(CheckThresholds, OrderFirstThenSystolic50To280AndDiastolic40To240) {
    using C = ThresholdCheck;
    const struct {
        BpThresholds t;
        ThresholdCheck expected;
    } cases[] = {
        {{90, 120, 90, 80}, C::Accepted}, // equal values pass
        {{140, 80, 90, 80}, C::Accepted},
        {{120, 120, 130, 80}, C::SystolicBelowDiastolic},
        {{140, 79, 90, 80}, C::SystolicBelowDiastolic},
        {{280, 120, 90, 80}, C::Accepted},
        {{281, 120, 90, 80}, C::OutOfRange},
        {{140, 300, 90, 80}, C::OutOfRange},
        {{140, 50, 90, 45}, C::Accepted},
        {{140, 49, 90, 45}, C::OutOfRange},
        {{140, 120, 40, 80}, C::Accepted},
        {{140, 120, 39, 80}, C::OutOfRange},
        {{140, 120, 90, 39}, C::OutOfRange},
        {{250, 250, 240, 240}, C::Accepted},
        {{250, 250, 241, 80}, C::OutOfRange},
        // Awake 300 is out of range, but the asleep period has systolic below diastolic.
        {{300, 100, 90, 120}, C::SystolicBelowDiastolic},
        // Text that is not a number converts to 0: 0 systolic against 90 diastolic.
        {{0, 120, 90, 80}, C::SystolicBelowDiastolic},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.t.awakeSys << "/" << c.t.asleepSys << " "
                                        << c.t.awakeDia << "/" << c.t.asleepDia);
        EXPECT_EQ(CheckThresholds(c.t), c.expected);
    }
}
