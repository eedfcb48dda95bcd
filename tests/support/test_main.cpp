#include <gtest/gtest.h>

#include "support/snapshot.h"

int main(int argc, char** argv)
{
    movesta::testing::ReportFakeFailuresToGTest();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
