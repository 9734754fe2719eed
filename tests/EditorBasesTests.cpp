// The bases of every model's screen: the name editor, the catalogue pane
// and cell, the scrolling viewport, the parameter area's drag filters and
// the view switch of the main component.
#include "Application/Host.h"
#include "Application/StateHolder.h"
#include "Core/DeviceInfo.h"
#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "DataCenter/DataCenter.h"
#include "GUI/Catalog/CJVCatalogBasePane.h"
#include "GUI/Catalog/CJVCatalogCell.h"
#include "GUI/Catalog/CJVTextButton.h"
#include "GUI/Catalog/RSCatalogCell.h"
#include "GUI/Editor/CEditorLibrarianComponent.h"
#include "GUI/Editor/DragIds.h"
#include "GUI/Editor/EditParamComponent.h"
#include "GUI/Editor/EditTarget.h"
#include "GUI/Editor/EditorComponent.h"
#include "GUI/Editor/PGNameBoxComponent.h"
#include "GUI/Editor/PGNameEditComponent.h"
#include "GUI/Orva/OPWPGNameEditComponent.h"
#include "GUI/Shell/DeviceSelectComponent.h"
#include "GUI/Shell/MainComponent.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiController.h"
#include "GUI/Shell/MasterGuiManager.h"
#include "GUI/Widgets/ImageResourceManager.h"
#include "GUI/Widgets/MIDIIndicator.h"
#include "GUI/Widgets/RSTouchScrollViewport.h"
#include "GUI/Widgets/VisibleFocusTraverser.h"
#include "support/PeerMouse.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

using testing_support::pumpFor;

namespace
{
juce::MouseEvent mouseAt(juce::Component& c, juce::Point<float> pos, juce::Point<float> down, int clicks = 1)
{
    const auto now = juce::Time::getCurrentTime();
    return juce::MouseEvent(juce::Desktop::getInstance().getMainMouseSource(), pos, juce::ModifierKeys::leftButtonModifier, 1.0f,
                            0.0f, 0.0f, 0.0f, 0.0f, &c, &c, now, down, now, clicks, false);
}

// A pane over a table with an empty cell and a repeated model.
struct TablePane : CJVCatalogBasePane
{
    TablePane() : CJVCatalogBasePane(0, 768, 400, 220) {}

    static const Catalog::tagCatalogCellAttributes* cells()
    {
        static const Catalog::tagCatalogCellAttributes table[6] = {
            { 0, "A", {}, juce::Colours::white, {} },  { 1, "B", {}, juce::Colours::white, {} },
            { -1, "", {}, juce::Colours::white, {} },  { 3, "D", {}, juce::Colours::white, {} },
            { 1, "B2", {}, juce::Colours::white, {} }, { 5, "F", {}, juce::Colours::white, {} },
        };
        return table;
    }
    const Catalog::tagCatalogAttributes& getCatalogTypeAttrs() const override
    {
        static const Catalog::tagCatalogAttributes attrs { {}, 20, 1 };
        return attrs;
    }
    const Catalog::tagCatalogCellAttributes& getCatalogCellAttrs(int row, int column) const override
    {
        return cells()[row * 3 + column];
    }
    int getNumRows() const override { return 2; }
    int getNumColumns() const override { return 3; }
    void reinitialized() override {}
    void handleMessage(const juce::Message&) override {}
    void mouseDownByOtherComponent(juce::Component*, int, int) override {}
    void mouseDoubleClickedByOtherComponent(juce::Component*, int, int) override {}
    void mouseUpByOtherComponent(juce::Component* cell, int row, int column) override
    {
        clicks.push_back({ cell, row * 3 + column });
    }
    void SetSelectedModel(int model) override { selected.push_back(model); }

    std::vector<std::pair<juce::Component*, int>> clicks;
    std::vector<int> selected;
};

struct EditorBases : ::testing::Test
{
    void SetUp() override { host = Host::createInstance(); }
    void TearDown() override
    {
        Host::destroyInstance();
        MainComponent::m_TargetModelId = -1;
    }
    Host* host = nullptr;
};
} // namespace

TEST(ProgramNameText, EveryByteOutsidePrintableAsciiBecomesOneBlank)
{
    // Printable ASCII passes unchanged, its edges included: the blank and '~'.
    EXPECT_EQ(PGNameEditComponent::cleanProgramName("Fat Bass 1"), "Fat Bass 1");
    EXPECT_EQ(PGNameEditComponent::cleanProgramName(" ~ ~"), " ~ ~");
    // Control bytes (0x1F the last of them) and DEL become blanks.
    EXPECT_EQ(PGNameEditComponent::cleanProgramName("a\tb\x1f"
                                                    "c\x7f"
                                                    "d"),
              "a b c d");
    // A letter beyond ASCII gives one blank per byte of its UTF-8 form.
    EXPECT_EQ(PGNameEditComponent::cleanProgramName(juce::String(juce::CharPointer_UTF8("B\xc3\xa4sse"))), "B  sse");
    EXPECT_EQ(PGNameEditComponent::cleanProgramName(juce::String(juce::CharPointer_UTF8("\xe2\x82\xac~"))), "   ~");
    // The cut counts characters, before the bytes are replaced.
    const auto longAccented =
        juce::String(juce::CharPointer_UTF8("\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"
                                            "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"));
    EXPECT_EQ(PGNameEditComponent::cleanProgramName(longAccented), juce::String::repeatedString(" ", 32));
    EXPECT_EQ(PGNameEditComponent::cleanProgramName("ABCDEFGHIJKLMNOPQR"), "ABCDEFGHIJKLMNOP");
}

TEST_F(EditorBases, TheNameStripCaptionsFollowTheProgramNumber)
{
    host->changeDeviceEnvironment(DeviceInfo((eProductModelId) 0, false, 0, {}, 0, {}, 0, 0, 0, (eMediaType) -1));
    PGNameEditComponent strip(346, 38);
    auto caption = [&](int program) {
        host->getStateHolder()->currentProgram = program;
        strip.changeListenerCallback(nullptr);
        return strip.getProgramLabel()->getText();
    };
    EXPECT_EQ(caption(0), "Preset 1");
    EXPECT_EQ(caption(11), "User A-1");
    EXPECT_EQ(caption(18), "User B-4");
    EXPECT_TRUE(caption(19).endsWith(":1"));
    EXPECT_TRUE(strip.getProgramLabel()->getJustificationType().testFlags(juce::Justification::right));
    EXPECT_TRUE(caption(51).endsWith(":11"));
    EXPECT_EQ(caption(52), caption(51)); // above 51 the label stays
    EXPECT_EQ(strip.getNameBox()->getBounds(), juce::Rectangle<int>(135, 4, 210, 30));
}

TEST(CatalogPane, GridLookupsEmptyCellsAndKeyMoves)
{
    TablePane pane;
    pane.init(400, 220);
    EXPECT_EQ(pane.getCellWidth(), 133);
    EXPECT_EQ(pane.getCellHeight(), 110);

    // The later of two equal models wins; an unknown one leaves row and column.
    int row = -1, column = -1;
    EXPECT_TRUE(pane.getMatrixByModel(1, row, column));
    EXPECT_EQ(row, 1);
    EXPECT_EQ(column, 1);
    row = column = 7;
    EXPECT_FALSE(pane.getMatrixByModel(42, row, column));
    EXPECT_EQ(row, 7);
    EXPECT_EQ(column, 7);

    // The empty cell is hidden and disabled; the type tabs have no size.
    EXPECT_FALSE(pane.getCell(0, 2)->isVisible());
    EXPECT_FALSE(pane.getCell(0, 2)->isEnabled());
    EXPECT_TRUE(pane.getCell(0, 1)->isVisible());
    for (auto* tab : pane.getTypeTabs())
        EXPECT_TRUE(tab->getBounds().isEmpty());

    // Cells sit at the grid origin; the current one is marked.
    pane.resized();
    EXPECT_EQ(pane.getCell(1, 2)->getBounds(), juce::Rectangle<int>(2 * 133 + 20, 1 + 110, 133, 110));
    EXPECT_TRUE(pane.getCell(0, 0)->isSelected());

    // Keys move only onto cells with a model; at the edge they select again.
    EXPECT_TRUE(pane.rightKeyPressed());
    EXPECT_TRUE(pane.rightKeyPressed()); // onto the empty cell: nothing moves
    EXPECT_EQ(pane.getCurrentColumn(), 1);
    EXPECT_TRUE(pane.upKeyPressed());
    EXPECT_EQ(pane.getCurrentRow(), 0);
    EXPECT_TRUE(pane.downKeyPressed());
    EXPECT_EQ(pane.selected, (std::vector<int> { 1, 1, 1 }));

    // Keys count only while the pane has the focus; space and return never.
    EXPECT_FALSE(pane.keyPressed(juce::KeyPress(juce::KeyPress::leftKey)));
    EXPECT_FALSE(pane.keyPressed(juce::KeyPress(juce::KeyPress::spaceKey)));
}

TEST(CatalogCell, ASidewaysDragOfTwentyPixelsCancelsTheClick)
{
    TablePane pane;
    pane.init(400, 220);
    pane.resized();
    auto* cell = dynamic_cast<RSCatalogCell*>(pane.getCell(0, 1));
    ASSERT_NE(cell, nullptr);
    const juce::Point<float> start(30.0f, 30.0f);

    auto gesture = [&](juce::Point<float> end) {
        pane.clicks.clear();
        cell->mouseDown(mouseAt(*cell, start, start));
        cell->mouseDrag(mouseAt(*cell, end, start));
        cell->mouseUp(mouseAt(*cell, end, start));
        return pane.clicks.size();
    };
    EXPECT_EQ(gesture({ 49.0f, 30.0f }), 1u);
    EXPECT_EQ(pane.clicks[0].second, 1);
    EXPECT_EQ(gesture({ 50.0f, 30.0f }), 0u);
    EXPECT_EQ(gesture({ 10.0f, 30.0f }), 0u);
    EXPECT_EQ(gesture({ 30.0f, 100.0f }), 1u);

    // A disabled cell reports nothing.
    auto* empty = dynamic_cast<RSCatalogCell*>(pane.getCell(0, 2));
    pane.clicks.clear();
    empty->mouseDown(mouseAt(*empty, start, start));
    empty->mouseUp(mouseAt(*empty, start, start));
    EXPECT_TRUE(pane.clicks.empty());
}

TEST(TouchScrollViewport, JumpCentresTheCellAndClampsTheIndex)
{
    juce::Component strip;
    strip.setSize(23 * 196 + 40, 100);
    {
        RSTouchScrollViewport viewport(23, 196, 20);
        EXPECT_TRUE(RSTouchScrollViewport::theTSViewportList.contains(&viewport));
        viewport.setViewedComponent(&strip, false);
        viewport.setBounds(0, 0, 1000, 100);
        viewport.JumpPosition(10);
        EXPECT_EQ(viewport.getViewPositionX(), 1588);
        viewport.JumpPosition(-5);
        EXPECT_EQ(viewport.getViewPositionX(), 20);
        viewport.JumpPosition(99);
        const int last = viewport.getViewPositionX();
        viewport.JumpPosition(22);
        EXPECT_EQ(viewport.getViewPositionX(), last);
        EXPECT_EQ(viewport.getScrollOnDragMode(), juce::Viewport::ScrollOnDragMode::all);

        RSTouchScrollViewport empty;
        empty.JumpPosition(3); // no cells: nothing, no division by zero
        EXPECT_EQ(empty.getViewPositionX(), 0);
        viewport.setViewedComponent(nullptr, false);
    }
    EXPECT_TRUE(RSTouchScrollViewport::theTSViewportList.isEmpty());
}

namespace
{
struct Area : EditParamComponent
{
    Area() : EditParamComponent(768, 348) {}
    void scanUIForm() override {}
    void scanLinkedComponent() override {}
    void changeListenerCallback(juce::ChangeBroadcaster*) override {}
    void buttonClicked(juce::Button*) override {}
    void sliderValueChanged(juce::Slider*) override {}
    void comboBoxChanged(juce::ComboBox*) override {}
    void labelTextChanged(juce::Label*) override {}
    void handleMessageSub(const juce::Message&) override {}
    void itemDragMove(const SourceDetails&) override {}
    void itemDropped(const SourceDetails&) override {}
};

struct DragHost : juce::Component,
                  juce::DragAndDropContainer
{};
} // namespace

TEST(ParamAreaBase, AProgramDragStartsFivePixelsFromTheEntryPointOnce)
{
    // In a window, under the mouse as the windowing system moves it: a drag
    // starts only from within a mouse drag.
    DragHost top;
    top.setSize(800, 400);
    Area area;
    top.addAndMakeVisible(area);
    area.setBounds(0, 0, 768, 348);
    top.addToDesktop(0);
    top.setVisible(true);

    testing_support::PeerMouse mouse;
    const juce::Point<int> entry(100, 100);
    mouse.move(area, entry);
    mouse.press(area, entry);
    mouse.drag(area, { 102, 102 }); // 4 pixels
    EXPECT_FALSE(area.isDragStarted());
    mouse.drag(area, { 103, 102 }); // 5 pixels
    EXPECT_TRUE(area.isDragStarted());
    EXPECT_TRUE(top.isDragAndDropActive());
    EXPECT_EQ(top.getCurrentDragDescription()[0].toString(), CurrentProgramDataDragID);
    mouse.drag(area, { 140, 120 }); // once
    EXPECT_TRUE(area.isDragStarted());
    mouse.release(area, { 140, 120 });
    EXPECT_FALSE(area.isDragStarted());
    // Dropped on nothing, the drag image goes back to its place first.
    EXPECT_TRUE(testing_support::pumpUntil([&] { return ! top.isDragAndDropActive(); }));
    // The description of the drag of the program being edited.
    const auto description = makeDragDescription(CurrentProgramDataDragID, -1);
    EXPECT_EQ(description[0].toString(), CurrentProgramDataDragID);
    EXPECT_EQ((int) description[1], -1);

    // Only module drags are taken.
    juce::DragAndDropTarget::SourceDetails module(makeDragDescription(AmpFXModelModuleDragID, 1), nullptr, {});
    juce::DragAndDropTarget::SourceDetails program(makeDragDescription(ProgramDataDragID, 3), nullptr, {});
    EXPECT_TRUE(area.isInterestedInDragSource(module));
    EXPECT_FALSE(area.isInterestedInDragSource(program));

    // A child without "ID" keeps its bounds; one with it goes back to its form bounds.
    juce::Component free, placed;
    placed.getProperties().set("ID", 1033);
    placed.getProperties().set("X", 3);
    placed.getProperties().set("Y", 26);
    placed.getProperties().set("WIDTH", 70);
    placed.getProperties().set("HEIGHT", 70);
    area.addChildComponent(free);
    area.addChildComponent(placed);
    free.setBounds(1, 2, 3, 4);
    placed.setBounds(0, 0, 1, 1);
    area.resized();
    EXPECT_EQ(free.getBounds(), juce::Rectangle<int>(1, 2, 3, 4));
    EXPECT_EQ(placed.getBounds(), juce::Rectangle<int>(3, 26, 70, 70));
    area.removeChildComponent(&free);
    area.removeChildComponent(&placed);
}

TEST_F(EditorBases, TheViewSwitchKeepsTwinsAndReplacesOtherModels)
{
    host->getMasterGuiController()->showMainWindow();
    auto* manager = host->getMasterGuiManager();
    auto* main = manager->getMainWindow()->getMainComponent();

    manager->changeTargetModel(3);
    auto* view = main->getView();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isOrvaView());
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->getParentComponent(), main);

    manager->changeTargetModel(3);
    EXPECT_EQ(main->getView(), view);
    manager->changeTargetModel(5);
    EXPECT_EQ(main->getView(), view);
    EXPECT_EQ(manager->getCurrentTargetModel(), 5);
    manager->changeTargetModel(3);
    EXPECT_EQ(main->getView(), view);

    // Another family's model: the Orva view goes, the DWQ view comes.
    manager->changeTargetModel(0);
    ASSERT_NE(main->getView(), nullptr);
    EXPECT_FALSE(main->getView()->isOrvaView());
    EXPECT_EQ(manager->getCurrentTargetModel(), 0);
    manager->changeTargetModel(5);
    ASSERT_NE(main->getView(), nullptr);

    // Id 15 slides the tab column; id 5 reaches the editor page's badge.
    auto* page = main->getView()->getEditorComponent();
    ASSERT_NE(page, nullptr);
    ASSERT_NE(page->getMIDIIndicator(), nullptr);
    auto route = [&](int id, int a) {
        auto* message = MyMessage::create(id, a);
        host->getMasterGuiController()->handleMessage(*message);
        delete message;
    };
    route(MessageId::ConnectionStatus, 0);
    EXPECT_FALSE(page->getMIDIIndicator()->isVisible());
    route(MessageId::ConnectionStatus, 1);
    EXPECT_TRUE(page->getMIDIIndicator()->isVisible());
    // Events without receivers do nothing, and never crash.
    for (int id : { 8, 9, 11, 13, 17, 18, 19, 0, 20 })
        route(id, 0);
    pumpFor(20);
}

TEST(RouterWithoutWindow, EveryIdIsDroppedSafely)
{
    MasterGuiController controller;
    for (int id = -1; id <= 21; ++id)
    {
        auto* message = MyMessage::create(id, 0x300);
        controller.handleMessage(*message);
        EXPECT_EQ(message->getRecord(), nullptr); // the router deleted it
        delete message;
    }
}

TEST_F(EditorBases, TheDevicePageButtonsTakeTheOverlayLook)
{
    auto* page = Singleton<DeviceSelectComponent>::getInstance();
    ASSERT_NE(page->getOverlayLook(), nullptr);
    EXPECT_EQ(&page->getOkButton().getLookAndFeel(), page->getOverlayLook());
    EXPECT_EQ(&page->getOnlyConnectedToggle().getLookAndFeel(), page->getOverlayLook());
    if (auto* bluetooth = page->getBluetoothButton())
    {
        EXPECT_EQ(&bluetooth->getLookAndFeel(), page->getOverlayLook());
    }
    Singleton<DeviceSelectComponent>::deleteInstance();

    // The about page's picture is drawn by the build.
    auto* images = ImageResourceManager::instance();
    ASSERT_NE(images, nullptr);
    const auto about = images->getImage("RigSmithAbout");
    ASSERT_TRUE(about.isValid());
    EXPECT_EQ(about.getBounds(), juce::Rectangle<int>(0, 0, 478, 198));
}

TEST_F(EditorBases, TheOrvaPWNameStripCaptionsTheSlotOrTheFileTab)
{
    host->changeDeviceEnvironment(DeviceInfo((eProductModelId) 3, false, 0, {}, 0, {}, 0, 0, 0, (eMediaType) -1));
    auto* dataCenter = EditTarget::dataCenter();
    ASSERT_NE(dataCenter, nullptr);
    dataCenter->setFileName(0, "Gig");
    dataCenter->setFileName(2, "Studio");
    OPWPGNameEditComponent strip(540, 36);
    EXPECT_EQ(strip.getProgramLabel()->getBounds(), juce::Rectangle<int>(0, 4, 230, 28));
    EXPECT_EQ(strip.getNameBox()->getBounds(), juce::Rectangle<int>(233, 4, 304, 28));
    auto caption = [&](int program, int mode) {
        host->getStateHolder()->currentProgram = program;
        dataCenter->PutMode(mode);
        strip.changeListenerCallback(nullptr);
        return strip.getProgramLabel()->getText();
    };
    EXPECT_EQ(caption(0, 1), "A1");
    EXPECT_EQ(caption(7, 1), "B4");
    EXPECT_EQ(caption(5, 2), "MANUAL");
    EXPECT_EQ(caption(12, 2), "Gig");
    EXPECT_EQ(caption(31, 1), "Studio");
    EXPECT_EQ(caption(32, 1), "Studio"); // above 31 the label stays
    EXPECT_EQ(strip.getNameBox()->getText(), dataCenter->getCurProgName());
}

TEST(CatalogPane, APaneWithoutCellsIsSafe)
{
    struct EmptyPane : TablePane
    {
        int getNumRows() const override { return 0; }
        int getNumColumns() const override { return 0; }
    } pane;
    pane.init(400, 220);
    pane.resized();
    EXPECT_EQ(pane.getCellWidth(), 0);
    EXPECT_EQ(pane.getCell(0, 0), nullptr);
    int row = -1, column = -1;
    EXPECT_FALSE(pane.getMatrixByModel(0, row, column));
    EXPECT_EQ(pane.getModelByMatrix(0, 0), -1);
}

// Tab, and the focus a component passes on, reach only what can be seen: a
// widget parked outside the area of a component around it is left out, also
// when the window itself would show it. The main window uses that order.
TEST_F(EditorBases, TheFocusOrderLeavesOutWidgetsOutOfView)
{
    juce::Component window, page, seen, parked, below, inner;
    for (auto* c : { &seen, &parked, &below, &inner })
        c->setWantsKeyboardFocus(true);
    window.setBounds(0, 0, 400, 400);
    window.addAndMakeVisible(page);
    page.setBounds(0, 0, 300, 100);
    page.addAndMakeVisible(seen);
    seen.setBounds(10, 10, 20, 20);
    page.addAndMakeVisible(parked); // inside the window, below the page
    parked.setBounds(10, 150, 20, 20);
    page.addAndMakeVisible(below); // its top row still shows
    below.setBounds(40, 99, 20, 20);
    parked.addAndMakeVisible(inner);
    inner.setBounds(0, 0, 10, 10);

    VisibleFocusTraverser traverser;
    EXPECT_EQ(traverser.getAllComponents(&window), (std::vector<juce::Component*> { &seen, &below }));
    EXPECT_EQ(traverser.getNextComponent(&seen), &below);
    EXPECT_EQ(traverser.getPreviousComponent(&below), &seen);
    EXPECT_EQ(traverser.getNextComponent(&below), nullptr);
    page.setBounds(0, 0, 300, 99);
    EXPECT_EQ(traverser.getDefaultComponent(&page), &seen);
    page.removeChildComponent(&seen);
    EXPECT_EQ(traverser.getDefaultComponent(&page), nullptr);

    host->getMasterGuiController()->showMainWindow();
    auto* main = host->getMasterGuiManager()->getMainWindow()->getMainComponent();
    ASSERT_NE(main, nullptr);
    auto mainOrder = main->createKeyboardFocusTraverser();
    EXPECT_NE(dynamic_cast<VisibleFocusTraverser*>(mainOrder.get()), nullptr);
}
