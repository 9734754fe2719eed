// Device records: comparisons, sort order, media type, the found-device list,
// the model registry and the product-code mapping.
#include "Common/ModelInformation.h"
#include "Core/ConnectedDeviceInfoList.h"
#include "Core/SupportedFileFormats.h"
#include "Core/SupportedModels.h"
#include "Core/Utility.h"

#include <gtest/gtest.h>

namespace
{
DeviceInfo record(int model, const juce::String& in, const juce::String& out = "out", bool connected = false)
{
    return DeviceInfo((eProductModelId) model, connected, 0, in, 0, out, 0, 0, 0, kMediaTypeUnknown);
}

struct Registry : ::testing::Test
{
    Registry()
    {
        SupportedModels::CreateInstance();
        ConnectedDeviceInfoList::CreateInstance();
    }
    ~Registry() override
    {
        ConnectedDeviceInfoList::DestroyInstance();
        SupportedModels::DestroyInstance();
    }
    ConnectedDeviceInfoList& list() { return *ConnectedDeviceInfoList::instance(); }
};
} // namespace

TEST(DeviceInfoCompare, WirelessVariantsCountAsTheirWiredModel)
{
    const auto okx = record(2, "in"), okxLyn = record(4, "in"), opw = record(3, "in"), opwLyn = record(5, "in");
    EXPECT_TRUE(okxLyn == okx);
    EXPECT_TRUE(opwLyn == opw);
    EXPECT_FALSE(okxLyn == opw);
    EXPECT_FALSE(record(4, "in") == record(3, "in"));
    EXPECT_FALSE(okxLyn.isSameModel(okx));
    EXPECT_TRUE(okxLyn.isSameModelExcludeOrva(okx));
    EXPECT_FALSE(record(0, "in").isSameModelExcludeOrva(record(1, "in")));
    EXPECT_TRUE(record(1, "in").isSameModelExcludeOrva(record(1, "x")));
}

TEST(DeviceInfoCompare, ConnectionNamesAreExactAndFlagCountsOnlyForEquality)
{
    EXPECT_FALSE(record(1, "Hesperine X").isSameConnection(record(1, "hesperine x")));
    EXPECT_FALSE(record(1, "in", "a").isSameConnection(record(1, "in", "b")));
    auto a = record(1, "in", "out", true);
    auto b = record(1, "in", "out", false);
    b.version1 = 99;
    b.midiInIndex = 4;
    EXPECT_TRUE(a.isSameDeviceInfo(b));
    EXPECT_TRUE(a != b);
    b.connected();
    EXPECT_TRUE(a == b); // versions and indexes are not compared
}

TEST(DeviceInfoCompare, SortsByModelThenInputName)
{
    std::vector<DeviceInfo> v { record(5, "a"), record(2, "b"), record(0, "z"), record(2, "a"),
                                record(4, "a"), record(3, "a"), record(1, "m"), record(0, "c") };
    std::sort(v.begin(), v.end());
    std::vector<std::pair<int, juce::String>> got;
    for (auto& d : v)
        got.emplace_back(d.model, d.midiInName);
    const std::vector<std::pair<int, juce::String>> expected { { 0, "c" }, { 0, "z" }, { 1, "m" }, { 2, "a" },
                                                               { 2, "b" }, { 3, "a" }, { 4, "a" }, { 5, "a" } };
    EXPECT_EQ(got, expected);
}

TEST(ProductId, MapsFamilyAndMemberToModel)
{
    const int cases[][3] = { { 0x132, 0, 0 },   { 0x132, 77, 0 },  { 0x134, 5, 1 },  { 0x141, 0, 2 },
                             { 0x141, 8, 3 },   { 0x141, 16, 4 },  { 0x141, 24, 5 }, { 0x141, 12, -1 },
                             { 0x141, 32, -1 }, { 0x141, -8, -1 }, { 0x133, 0, -1 } };
    for (const auto& c : cases)
        EXPECT_EQ(getModelIdFromProductId(c[0], c[1]), c[2]) << std::hex << c[0] << "/" << std::dec << c[1];
}

TEST_F(Registry, MediaTypeFromInputName)
{
    // Connected records with an unknown media type decide it at construction.
    EXPECT_EQ(record(2, "ZUL 2ch Audio Device MIDI 1", "o", true).mediaType, kMediaTypeUSB);
    EXPECT_EQ(record(1, "Hesperine X", "o", true).mediaType, kMediaTypeUSB);
    EXPECT_EQ(record(4, "Orva KX Bluetooth", "o", true).mediaType, kMediaTypeBluetooth);
    EXPECT_EQ(record(5, "Orva PW", "o", true).mediaType, kMediaTypeBluetooth);
    // Key string 1 without key string 2.
    EXPECT_EQ(record(4, "Orva PW", "o", true).mediaType, kMediaTypeUnknown);
    // The converter without key string 1.
    EXPECT_EQ(record(4, "PZ-KW06 Bluetooth", "o", true).mediaType, kMediaTypeBluetooth);
    EXPECT_EQ(record(0, "PZ-KW06", "o", true).mediaType, kMediaTypeBluetooth);
    EXPECT_EQ(record(0, "pz-kw06", "o", true).mediaType, kMediaTypeUnknown);
    EXPECT_EQ(record(1, "Something else", "o", true).mediaType, kMediaTypeUnknown);
    // Not connected: never decided.
    EXPECT_EQ(record(2, "ZUL 2ch Audio Device", "o", false).mediaType, kMediaTypeUnknown);
    auto r = record(2, "ZUL 2ch Audio Device", "o", false);
    EXPECT_FALSE(r.scanMediaType());
    // An explicit media type is kept.
    EXPECT_EQ(DeviceInfo(kProductModelOKX, true, 0, "Orva KX", 0, "o", 0, 0, 0, kMediaTypeUSB).mediaType, kMediaTypeUSB);
}

TEST(DeviceInfoMedia, WithoutRegistryStaysUnknown)
{
    ASSERT_EQ(SupportedModels::instance(), nullptr);
    EXPECT_EQ(record(2, "ZUL 2ch Audio Device", "o", true).mediaType, kMediaTypeUnknown);
}

TEST_F(Registry, ListAddsKnownModelsAndCopiesOut)
{
    list().add(record(7, "x"));
    list().add(record(-1, "x"));
    EXPECT_EQ(list().getNumDevices(), 0u);

    list().add(record(4, "b"));
    list().add(record(0, "a"));
    list().add(record(2, "a"));
    list().sort();
    ASSERT_EQ(list().getNumDevices(), 3u);
    EXPECT_EQ(list().getDeviceInfo(0).model, 0);
    EXPECT_EQ(list().getDeviceInfo(1).model, 2);
    EXPECT_EQ(list().getDeviceInfo(2).model, 4);

    const auto outOfRange = list().getDeviceInfo(3);
    EXPECT_EQ(outOfRange.model, -1);
    EXPECT_EQ(outOfRange.mediaType, -1);

    EXPECT_TRUE(list().find(record(4, "a"))); // the OKX entry, same class and ports
    EXPECT_FALSE(list().find(record(3, "a")));
    int index = -1;
    EXPECT_TRUE(list().findByModel(record(2, "zzz"), &index));
    EXPECT_EQ(index, 1);
    EXPECT_TRUE(list().findByModel(record(4, "zzz"), nullptr));
    EXPECT_FALSE(list().findByModel(record(1, "a"), &index));

    list().clear();
    EXPECT_EQ(list().getNumDevices(), 0u);
}

TEST(SupportedList, AddWithoutRegistryDoesNothing)
{
    ConnectedDeviceInfoList::CreateInstance();
    ConnectedDeviceInfoList::instance()->add(record(1, "x"));
    EXPECT_EQ(ConnectedDeviceInfoList::instance()->getNumDevices(), 0u);
    ConnectedDeviceInfoList::DestroyInstance();
}

TEST_F(Registry, ModelsInIdOrderWithTheirFileFormats)
{
    // The key strings are exercised by the media-type test above and the scan.
    auto* models = SupportedModels::instance();
    const char* extensions[] = { ".dwqprog", ".hmqprog", ".okxprog", ".opwprog", ".okxprog", ".opwprog" };
    for (int m = 0; m < 6; ++m)
    {
        auto* info = models->getInformation(m);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->getModelId(), m);
        EXPECT_EQ(info->getProgramDataFileExtension(), extensions[m]);
        EXPECT_TRUE(getDeviceNameFromModelId((eProductModelId) m).isNotEmpty()) << m;
    }
    EXPECT_EQ(models->getInformation(6), nullptr);
    EXPECT_EQ(models->getInformation(-1), nullptr);
    EXPECT_TRUE(getDeviceNameFromModelId(kProductModelNone).isEmpty());

    std::unique_ptr<SupportedFileFormats> formats(models->getSupportedFileFormats());
    EXPECT_EQ(formats->getModel(".dwqprog"), 0);
    EXPECT_EQ(formats->getModel(".hmqprog"), 1);
    EXPECT_EQ(formats->getModel(".okxprog"), 2); // the wired model wins
    EXPECT_EQ(formats->getModel(".opwprog"), 3);
    EXPECT_EQ(formats->getModel("okxprog"), -1);
    EXPECT_EQ(formats->getModel(".OKXPROG"), -1);
    EXPECT_EQ(formats->getModel(""), -1);
}
