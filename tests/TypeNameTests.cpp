#include "DWQ/DWQTypeNames.h"
#include "HMQ/HMQTypeNames.h"
#include "OrvaKX/OrvaKXTypeNames.h"
#include "OrvaPW/OrvaPWTypeNames.h"

#include <gtest/gtest.h>

TEST(TypeNames, NamesClampTheIndex)
{
    EXPECT_EQ(HMQ::getAmpTypeName((HMQ::eAmpType) 25), "ORIGINAL CL");
    EXPECT_EQ(DWQ::getModTypeName((DWQ::eModType) -3), "OFF");
    EXPECT_EQ(orvaKX::getAmpTypeName(orvaKX::AMP_FLAT), "FLAT");
    EXPECT_EQ(orvaPW::getFX1TypeName((orvaPW::eFX1Type) 11), "HARMONIC TREM");
    EXPECT_EQ(DWQ::getDlyRevTypeName((DWQ::eDlyRevType) 99), "HALL");
}

TEST(TypeNames, OrvaAmpMaps)
{
    EXPECT_EQ(orvaKX::getAmpType(38), 22);
    EXPECT_EQ(orvaKX::getAmpTypeValue(orvaKX::AMP_FLAT), 38);
    EXPECT_EQ(orvaKX::getAmpType(30), -1);
    EXPECT_EQ(orvaKX::getAmpType(22), -1);
    EXPECT_EQ(orvaKX::getAmpType(21), 21);
    EXPECT_EQ(orvaPW::getAmpType(21), -1);
    EXPECT_EQ(orvaPW::getAmpType(38), 16);
    EXPECT_EQ(orvaPW::getAmpType(39), -1);

    // Every type survives the round trip through its wire value.
    for (int t = 0; t < orvaKX::kNumAmpTypes; ++t)
        EXPECT_EQ(orvaKX::getAmpType(orvaKX::getAmpTypeValue((orvaKX::eAmpType) t)), t);
    for (int t = 0; t < orvaPW::kNumAmpTypes; ++t)
        EXPECT_EQ(orvaPW::getAmpType(orvaPW::getAmpTypeValue((orvaPW::eAmpType) t)), t);
}

TEST(TypeNames, OrvaFX1Maps)
{
    EXPECT_EQ(orvaPW::getFX1Type((orvaPW::eMIDIFX1Type) 8), -1);
    EXPECT_EQ(orvaPW::getFX1TypeValue((orvaPW::eFX1Type) 8), 9);
    EXPECT_EQ(orvaPW::getFX1Type((orvaPW::eMIDIFX1Type) 13), 10);
    EXPECT_EQ(orvaPW::getFX1Type((orvaPW::eMIDIFX1Type) 14), -1);
    EXPECT_EQ(orvaKX::getFX1Type((orvaKX::eMIDIFX1Type) 2), -1);
    EXPECT_EQ(orvaKX::getFX1Type((orvaKX::eMIDIFX1Type) 3), 0);
    EXPECT_EQ(orvaKX::getFX1TypeValue((orvaKX::eFX1Type) 10), 13);
    for (int t = 0; t < orvaPW::kNumFX1Types; ++t)
        EXPECT_EQ(orvaPW::getFX1Type((orvaPW::eMIDIFX1Type) orvaPW::getFX1TypeValue((orvaPW::eFX1Type) t)), t);
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

TEST(TypeNames, HMQBrightSwitch)
{
    EXPECT_FALSE(HMQ::hasBRIGHTparam((HMQ::eAmpType) 1));
    EXPECT_TRUE(HMQ::hasBRIGHTparam((HMQ::eAmpType) 19));
    EXPECT_TRUE(HMQ::hasBRIGHTparam((HMQ::eAmpType) 25)); // clamped to 19
    EXPECT_TRUE(HMQ::hasBRIGHTparam((HMQ::eAmpType) -4)); // clamped to 0
    int withSwitch = 0;
    for (int t = 0; t < HMQ::kNumAmpTypes; ++t)
        withSwitch += HMQ::hasBRIGHTparam((HMQ::eAmpType) t) ? 1 : 0;
    EXPECT_EQ(withSwitch, 15);
    for (int t : { 1, 3, 9, 15, 17 })
        EXPECT_FALSE(HMQ::hasBRIGHTparam((HMQ::eAmpType) t)) << t;
}
