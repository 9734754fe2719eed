// The tooltips of the catalogue cells of every model, as the built strips
// carry them: each cell with a tooltip key shows the text stored under it,
// which names the cell's type exactly as the model's type list does.
#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "Core/DeviceInfo.h"
#include "DWQ/DWQTypeNames.h"
#include "GUI/Catalog/CJVCatalogBasePane.h"
#include "GUI/Catalog/CJVCatalogCell.h"
#include "GUI/Catalog/DWQCatalogComponent.h"
#include "GUI/Catalog/HMQCatalogComponent.h"
#include "GUI/Catalog/OKXCatalogComponent.h"
#include "GUI/Catalog/OPWCatalogComponent.h"
#include "HMQ/HMQTypeNames.h"
#include "OrvaKX/OrvaKXTypeNames.h"
#include "OrvaPW/OrvaPWTypeNames.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

#include <map>

namespace
{
struct Model
{
    eProductModelId id;
    std::function<std::unique_ptr<CatalogComponent>()> make;
    std::map<int, const juce::StringArray*> typeLists; // by the pane's parameter id
    int keyedCells;                                    // cells that have a tooltip key
};
} // namespace

TEST(CatalogTooltips, EveryKeyedCellNamesItsTypeAsTheTypeListDoes)
{
    const Model models[] = {
        { kProductModelDWQ,
          [] { return std::make_unique<DWQCatalogComponent>(758, 221, false); },
          { { 0x300, &DWQ::getAmpTypeNames() }, { 0x400, &DWQ::getModTypeNames() }, { 0x500, &DWQ::getDlyRevTypeNames() } },
          0 },
        { kProductModelHMQ,
          [] { return std::make_unique<HMQCatalogComponent>(758, 221, false); },
          { { 768, &HMQ::getAmpTypeNames() },
            { 769, &HMQ::getPedal1TypeNames() },
            { 770, &HMQ::getPedal2TypeNames() },
            { 772, &HMQ::getRevTypeNames() } },
          20 + 10 + 7 + 4 },
        { kProductModelOKX,
          [] { return std::make_unique<OKXCatalogComponent>(758, 221, false); },
          { { 768, &orvaKX::getAmpTypeNames() }, { 769, &orvaKX::getFX1TypeNames() }, { 770, &orvaKX::getFX2TypeNames() } },
          0 },
        { kProductModelOPW,
          [] { return std::make_unique<OPWCatalogComponent>(758, 221, false); },
          { { 768, &orvaPW::getAmpTypeNames() }, { 769, &orvaPW::getFX1TypeNames() } },
          0 },
    };

    for (const auto& model : models)
    {
        SCOPED_TRACE(model.id);
        auto* host = Host::createInstance();
        host->changeDeviceEnvironment(DeviceInfo(model.id, false, 0, {}, 0, {}, 0, 0, 0, kMediaTypeUnknown));
        {
            auto strip = model.make();
            strip->initialise();
            ASSERT_GT(strip->getNumPanes(), 0);
            int keyed = 0;
            for (int kind = 0; kind < strip->getNumPanes(); ++kind)
            {
                auto* pane = strip->getPane(kind);
                const bool amp = pane->getParamId() == 768 || pane->getParamId() == 0x300;
                const auto list = model.typeLists.find(pane->getParamId());
                for (int row = 0; row < pane->getNumRows(); ++row)
                    for (int column = 0; column < pane->getNumColumns(); ++column)
                    {
                        const auto& attrs = pane->getCatalogCellAttrs(row, column);
                        if (attrs.tooltipKey.isEmpty())
                            continue;
                        ++keyed;
                        ASSERT_NE(list, model.typeLists.end()) << attrs.tooltipKey;
                        ASSERT_TRUE(juce::isPositiveAndBelow(attrs.model, list->second->size())) << attrs.tooltipKey;
                        auto* cell = pane->getCell(row, column);
                        ASSERT_NE(cell, nullptr);
                        EXPECT_EQ(cell->getTooltip(), (amp ? "Amp model: " : "Effect: ") + (*list->second)[attrs.model])
                            << attrs.tooltipKey;
                    }
            }
            EXPECT_EQ(keyed, model.keyedCells);
        }
        Host::destroyInstance();
        testing_support::pumpFor(10);
    }
}
