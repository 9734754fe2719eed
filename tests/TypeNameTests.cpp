#include "DWQ/DWQTypeNames.h"
#include "HMQ/HMQTypeNames.h"
#include "OrvaKX/OrvaKXTypeNames.h"
#include "OrvaPW/OrvaPWTypeNames.h"

#include <gtest/gtest.h>

// Types outside their range; the names and maps of the types in range are
// compared with tests/data (OrvaTableComparisonTests).

TEST(TypeNames, NamesClampTheIndex)
{
    EXPECT_EQ(HMQ::getAmpTypeName((HMQ::eAmpType) 25), "ORIGINAL CL");
    EXPECT_EQ(DWQ::getModTypeName((DWQ::eModType) -3), "OFF");
    EXPECT_EQ(orvaKX::getAmpTypeName(orvaKX::AMP_FLAT), "FLAT");
    EXPECT_EQ(orvaPW::getFX1TypeName((orvaPW::eFX1Type) 11), "HARMONIC TREM");
    EXPECT_EQ(DWQ::getDlyRevTypeName((DWQ::eDlyRevType) 99), "HALL");
    EXPECT_TRUE(HMQ::hasBRIGHTparam((HMQ::eAmpType) 25)); // as 19
    EXPECT_FALSE(HMQ::hasBRIGHTparam((HMQ::eAmpType) 1));
    EXPECT_TRUE(HMQ::hasBRIGHTparam((HMQ::eAmpType) -4)); // as 0
}

TEST(TypeNames, ForwardMapsClampOutOfRangeTypes)
{
    EXPECT_EQ(orvaPW::getFX1TypeValue((orvaPW::eFX1Type) -1), 0);
    EXPECT_EQ(orvaPW::getFX1TypeValue((orvaPW::eFX1Type) 11), 13);
    EXPECT_EQ(orvaPW::getFX1TypeValue((orvaPW::eFX1Type) 1000000), 13);
    EXPECT_EQ(orvaKX::getFX1TypeValue((orvaKX::eFX1Type) -5), 3);
    EXPECT_EQ(orvaKX::getFX1TypeValue((orvaKX::eFX1Type) 40), 13);
    EXPECT_EQ(orvaPW::getAmpTypeValue((orvaPW::eAmpType) 300), 38);
    EXPECT_EQ(orvaPW::getAmpTypeValue((orvaPW::eAmpType) -1), 22);
    EXPECT_EQ(orvaKX::getAmpTypeValue((orvaKX::eAmpType) 23), 38);
    EXPECT_EQ(orvaKX::getAmpTypeValue((orvaKX::eAmpType) -7), 0);
}
