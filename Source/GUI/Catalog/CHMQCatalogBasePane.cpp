#include "GUI/Catalog/CHMQCatalogBasePane.h"

#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "GUI/Catalog/RSCatalogCell.h"
#include "GUI/Editor/ParamPageSupport.h"
#include "GUI/HMQ/HMQEditSupport.h"
#include "ParamTable/HMQ/CHMQUserEditSectionImpl.h"
#include "ZEZEResource.h"

namespace
{
bool isTypeId(int id)
{
    return id == 768 || id == 769 || id == 770 || id == 772;
}
} // namespace

int CHMQCatalogBasePane::getPartialId() const
{
    const auto modules = getModuleByCatalogKind(m_Kind);
    return modules.isEmpty() ? -1 : modules.getFirst();
}

int CHMQCatalogBasePane::getCellWidth() const
{
    const int columns = getNumColumns();
    return columns > 0 ? (m_PaneWidth - 2 * getCriterialPositionX()) / columns : 0;
}

int CHMQCatalogBasePane::getCellHeight() const
{
    const int rows = getNumRows();
    return rows > 0 ? m_PaneHeight / rows : 0;
}

void CHMQCatalogBasePane::createCells()
{
    m_Cells.clear();
    for (int row = 0; row < getNumRows(); ++row)
    {
        std::vector<CJVCatalogCell*> cells;
        for (int column = 0; column < getNumColumns(); ++column)
        {
            const auto& attrs = getCatalogCellAttrs(row, column);
            auto* cell = new RSCatalogCell(this, attrs.name, attrs.colour, attrs.imageName, -1);
            addAndMakeVisible(cell);
            cell->setRowAndColumn(row, column);
            const bool used = attrs.model != -1;
            cell->setVisible(used);
            cell->setEnabled(used);
            if (attrs.tooltipKey.isNotEmpty())
            {
                const auto tip = getLocalizedString(attrs.tooltipKey);
                if (tip.isNotEmpty())
                    cell->setTooltip(tip);
            }
            cell->addMouseListener(this, false);
            cells.push_back(cell);
        }
        m_Cells.push_back(std::move(cells));
    }
}

bool CHMQCatalogBasePane::storedOutsideList() const
{
    auto* section = HMQEditSupport::getUserEditSection();
    return section != nullptr && ParamPageSupport::storedOutsideList(*section, m_ParamId);
}

bool CHMQCatalogBasePane::writeModel(int model, int source)
{
    return HMQEditSupport::write(m_ParamId, model, source);
}

void CHMQCatalogBasePane::deselectOthers()
{
    for (int row = 0; row < (int) m_Cells.size(); ++row)
        for (int column = 0; column < (int) m_Cells[(size_t) row].size(); ++column)
            if (row != m_CurrentRow || column != m_CurrentColumn)
                if (auto* cell = getCell(row, column))
                    cell->setSelected(false);
}

void CHMQCatalogBasePane::deselectAll()
{
    for (auto& row : m_Cells)
        for (auto* cell : row)
            if (cell != nullptr)
                cell->setSelected(false);
}

void CHMQCatalogBasePane::mouseUpByOtherComponent(juce::Component* reporter, int row, int column)
{
    if (reporter == this)
        return;
    auto* cell = getCell(row, column);
    if (cell == nullptr)
        return;
    // Every click on a cell gives the pane the keyboard focus.
    if (cell == reporter && isShowing())
        grabKeyboardFocus();
    // A second click on the marked cell writes nothing, unless the program
    // holds a byte that is none of the types: then the pick is sent once.
    if (row == m_CurrentRow && column == m_CurrentColumn && cell->isSelected() && ! storedOutsideList())
        return;

    for (auto& cells : m_Cells)
        for (auto* other : cells)
            if (other != nullptr && other != reporter)
                other->setSelected(false);

    if (cell == reporter)
    {
        cell->setSelected(true);
        m_SelectionShown = true;
        m_CurrentRow = row;
        m_CurrentColumn = column;
        writeModel(getModelByMatrix(row, column), CHGSRC_CATALOG);
    }
    repaint();
}

void CHMQCatalogBasePane::mouseDoubleClickedByOtherComponent(juce::Component* reporter, int row, int column)
{
    if (reporter == this)
        return;
    auto* cell = getCell(row, column);
    if (cell == nullptr || cell != reporter)
        return;
    if (row == m_CurrentRow && column == m_CurrentColumn && cell->isSelected())
        return;
    writeModel(getModelByMatrix(row, column), CHGSRC_CATALOG);
    exit();
}

void CHMQCatalogBasePane::reinitialized()
{
    auto* section = HMQEditSupport::getUserEditSection();
    if (section == nullptr)
        return;
    const int value = section->GetParamI(m_ParamId);
    m_SelectionShown = true;
    deselectAll();
    int row = 0, column = 0;
    if (getMatrixByModel(value, row, column) && getCell(row, column) != nullptr)
    {
        m_CurrentRow = row;
        m_CurrentColumn = column;
        getCell(row, column)->setSelected(true);
        repaint();
    }
    else
    {
        // A value without a cell marks nothing.
        m_SelectionShown = false;
    }
}

void CHMQCatalogBasePane::handleMessage(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    auto* record = myMessage != nullptr ? myMessage->getRecord() : nullptr;
    if (record == nullptr)
        return;

    switch (record->id)
    {
        case MessageId::CatalogReserved:
            if (record->a < 0 || record->a > 3 || record->a != getPartialId())
                return;
            if (auto* cell = getCell(m_CurrentRow, m_CurrentColumn))
                cell->setSelected(false);
            m_SelectionShown = false;
            repaint();
            break;

        case MessageId::SectionValueChanged:
            if (! isTypeId(record->a) || record->a != m_ParamId)
                return;
            reinitialized();
            repaint();
            break;

        case MessageId::SectionReinitialized: reinitialized(); break;

        default: break;
    }
}

bool CHMQCatalogBasePane::rightKeyPressed()
{
    return stepColumn(1);
}

bool CHMQCatalogBasePane::leftKeyPressed()
{
    return stepColumn(-1);
}

bool CHMQCatalogBasePane::upKeyPressed()
{
    return false;
}

bool CHMQCatalogBasePane::downKeyPressed()
{
    return false;
}

bool CHMQCatalogBasePane::escKeyPressed()
{
    return false;
}
