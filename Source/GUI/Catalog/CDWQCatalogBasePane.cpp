#include "GUI/Catalog/CDWQCatalogBasePane.h"

#include "Core/MyMessage.h"
#include "GUI/Catalog/CJVCatalogCell.h"
#include "GUI/DWQ/DWQViewSupport.h"
#include "GUI/Editor/ParamPageSupport.h"
#include "ParamTable/DWQ/CDWQUserEditSectionImpl.h"

namespace
{
constexpr int eventReinitialized = 1;
constexpr int eventValueChanged = 3;
constexpr int idAmpType = 0x300;
} // namespace

void CDWQCatalogBasePane::paint(juce::Graphics& g)
{
    CJVCatalogBasePane::paint(g);
    g.fillAll(juce::Colour(0x61683E17));
}

void CDWQCatalogBasePane::deselectCurrent()
{
    if (auto* cell = getCell(m_CurrentRow, m_CurrentColumn))
        cell->setSelected(false);
}

bool CDWQCatalogBasePane::selectCellOfModel(int model)
{
    int row = 0, col = 0;
    deselectCurrent();
    if (! getMatrixByModel(model, row, col) || getCell(row, col) == nullptr)
        return false;
    m_CurrentRow = row;
    m_CurrentColumn = col;
    getCell(row, col)->setSelected(true);
    repaint();
    return true;
}

void CDWQCatalogBasePane::reinitialized()
{
    auto* section = DWQViewSupport::getSection();
    if (section == nullptr)
        return;
    selectCellOfModel(section->GetParamI(m_ParamId));
}

void CDWQCatalogBasePane::handleMessage(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    auto* record = myMessage != nullptr ? myMessage->getRecord() : nullptr;
    if (record == nullptr)
        return;

    if (record->id == eventReinitialized)
    {
        reinitialized();
        return;
    }
    if (record->id != eventValueChanged || record->a != m_ParamId)
        return;
    auto* section = DWQViewSupport::getSection();
    if (section == nullptr)
        return;
    const int value = section->GetParamI(m_ParamId);
    // Type 0 of the effects is off: the last real type stays highlighted.
    if (m_ParamId != idAmpType && value == 0)
        return;
    selectCellOfModel(value);
}

bool CDWQCatalogBasePane::storedOutsideList() const
{
    auto* section = DWQViewSupport::getSection();
    return section != nullptr && ParamPageSupport::storedOutsideList(*section, m_ParamId);
}

void CDWQCatalogBasePane::writePick(int model)
{
    if (auto* section = DWQViewSupport::getSection())
        section->PutParamIEx(m_ParamId, model, DWQViewSupport::editFlags(), CHGSRC_CATALOG);
}

void CDWQCatalogBasePane::mouseUpByOtherComponent(juce::Component* component, int row, int col)
{
    if (component == this)
        return;
    auto* cell = getCell(row, col);
    if (cell == nullptr)
        return;
    // Every click on a cell gives the pane the keyboard focus.
    if (cell == component && isShowing())
        grabKeyboardFocus();
    // A second click on the marked cell writes nothing, unless the program
    // holds a byte that is none of the types: then the pick is sent once.
    if (row == m_CurrentRow && col == m_CurrentColumn && cell->isSelected() && ! storedOutsideList())
        return;

    const bool fromGrid = cell == component;
    for (auto& cells : m_Cells)
        for (auto* other : cells)
            if (other != nullptr && other != cell && other->isSelected())
                other->setSelected(false);
    if (fromGrid)
    {
        cell->setSelected(true);
        m_SelectionShown = true;
        m_CurrentRow = row;
        m_CurrentColumn = col;
        writePick(getModelByMatrix(row, col));
    }
    repaint();
}

void CDWQCatalogBasePane::mouseDoubleClickedByOtherComponent(juce::Component* component, int row, int col)
{
    // The release before it has written the pick: a double click on the
    // current cell writes nothing more, marked or not.
    if (component == this || (row == m_CurrentRow && col == m_CurrentColumn))
        return;
    auto* cell = getCell(row, col);
    if (cell == nullptr || cell != component)
        return;
    writePick(getModelByMatrix(row, col));
    exit();
}

void CDWQCatalogBasePane::SetSelectedModel(int model)
{
    auto* current = getCell(m_CurrentRow, m_CurrentColumn);
    for (auto& cells : m_Cells)
        for (auto* cell : cells)
            if (cell != nullptr && cell != current && cell->isSelected())
                cell->setSelected(false);
    if (auto* section = DWQViewSupport::getSection())
        section->PutParamIEx(m_ParamId, model, DWQViewSupport::editFlags(), CHGSRC_CONTROL);
    repaint();
}

const Catalog::tagCatalogAttributes& CDWQCatalogBasePane::getCatalogTypeAttrs() const
{
    // No pane picture; the cells start at (20, 1).
    static const Catalog::tagCatalogAttributes attributes { {}, 20, 1 };
    return attributes;
}

int CDWQCatalogBasePane::getCellWidth() const
{
    const int columns = getNumColumns();
    return columns > 0 ? (m_PaneWidth - 2 * getCriterialPositionX()) / columns : 0;
}

int CDWQCatalogBasePane::getCellHeight() const
{
    const int rows = getNumRows();
    return rows > 0 ? m_PaneHeight / rows : 0;
}

juce::Array<int> CDWQCatalogBasePane::getModuleByCatalogKind(int kind) const
{
    if (kind >= 0 && kind <= 2)
        return { kind };
    return {};
}

bool CDWQCatalogBasePane::rightKeyPressed()
{
    return stepColumn(1);
}

bool CDWQCatalogBasePane::leftKeyPressed()
{
    return stepColumn(-1);
}
