#include "GUI/Catalog/COPWCatalogBasePane.h"

#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "GUI/Catalog/RSCatalogOrvaPWCell.h"
#include "GUI/Editor/EditTarget.h"
#include "ParamTable/COrvaUserEditSectionBase.h"
#include "ZEZEResource.h"

COPWCatalogBasePane::COPWCatalogBasePane(int kind, int paramId, int paneWidth, int paneHeight)
    : CJVCatalogBasePane(kind, paramId, paneWidth, paneHeight)
{}

int COPWCatalogBasePane::getCellWidth() const
{
    return m_Columns > 0 ? (m_PaneWidth - 2 * getCriterialPositionX()) / m_Columns : 0;
}

int COPWCatalogBasePane::getCellHeight() const
{
    return m_Rows > 0 ? m_PaneHeight / m_Rows : 0;
}

juce::Array<int> COPWCatalogBasePane::getModuleByCatalogKind(int kind) const
{
    if (kind >= 0 && kind <= 2)
        return { kind };
    return {};
}

RSCatalogCell* COPWCatalogBasePane::createCell(const Catalog::tagCatalogCellAttributes& attrs)
{
    return new RSCatalogOrvaPWCell(this, attrs.name, attrs.colour, attrs.imageName);
}

void COPWCatalogBasePane::createCells()
{
    m_Cells.assign((size_t) juce::jmax(0, m_Rows), {});
    for (int r = 0; r < m_Rows; ++r)
        for (int c = 0; c < m_Columns; ++c)
        {
            const auto& attrs = getCatalogCellAttrs(r, c);
            auto* cell = createCell(attrs);
            addAndMakeVisible(cell);
            cell->setRowAndColumn(r, c);
            cell->setVisible(attrs.model != -1);
            cell->setEnabled(attrs.model != -1);
            if (attrs.tooltipKey.isNotEmpty())
            {
                const auto text = getLocalizedString(attrs.tooltipKey);
                if (text.isNotEmpty())
                    cell->setTooltip(text);
            }
            m_Cells[(size_t) r].push_back(cell);
        }
}

void COPWCatalogBasePane::unmarkAllExcept(juce::Component* keep)
{
    for (auto& row : m_Cells)
        for (auto* cell : row)
            if (cell != nullptr && cell != keep && cell->isSelected())
            {
                cell->setSelected(false);
                cell->repaint();
            }
}

bool COPWCatalogBasePane::showValue(int value)
{
    m_SelectionShown = true;
    if (auto* current = getCell(m_CurrentRow, m_CurrentColumn))
    {
        current->setSelected(false);
        current->repaint();
    }
    int row = 0, column = 0;
    if (! getMatrixByModel(value, row, column))
        return false;
    m_CurrentRow = row;
    m_CurrentColumn = column;
    if (auto* cell = getCell(row, column))
    {
        cell->setSelected(true);
        cell->repaint();
    }
    return true;
}

void COPWCatalogBasePane::reinitialized()
{
    auto* section = EditTarget::orvaEditSection();
    if (section == nullptr)
        return;
    if (showValue(section->GetParamI(m_ParamId)))
        repaint();
}

bool COPWCatalogBasePane::writeModelAt(int row, int column)
{
    auto* section = EditTarget::orvaEditSection();
    const int model = getModelByMatrix(row, column);
    if (section == nullptr || model < 0)
        return false;
    section->PutParamIEx(m_ParamId, model, EditTarget::editWriteFlags(), CHGSRC_CATALOG);
    return true;
}

void COPWCatalogBasePane::mouseUpByOtherComponent(juce::Component* reporter, int row, int column)
{
    if (reporter == this)
        return;
    auto* target = getCell(row, column);
    if (target == nullptr)
        return;
    // Every click on a cell gives the pane the keyboard focus; a click on the
    // marked cell writes nothing.
    if (target == reporter && isShowing())
        grabKeyboardFocus();
    if (row == m_CurrentRow && column == m_CurrentColumn && target->isSelected())
        return;
    // Only the reporting cell stays marked.
    unmarkAllExcept(reporter);
    target->setSelected(target == reporter);
    if (target != reporter)
        return;

    m_SelectionShown = true;
    m_CurrentRow = row;
    m_CurrentColumn = column;
    writeModelAt(row, column);
    repaint();
}

void COPWCatalogBasePane::mouseDoubleClickedByOtherComponent(juce::Component* reporter, int row, int column)
{
    if (reporter == this)
        return;
    auto* target = getCell(row, column);
    if (target == nullptr || target != reporter)
        return;
    if (row == m_CurrentRow && column == m_CurrentColumn && target->isSelected())
        return;
    writeModelAt(row, column);
    exit();
}

void COPWCatalogBasePane::SetSelectedModel(int model)
{
    unmarkAllExcept(getCell(m_CurrentRow, m_CurrentColumn));
    if (auto* section = EditTarget::orvaEditSection())
        section->PutParamIEx(m_ParamId, model, EditTarget::editWriteFlags(), CHGSRC_CONTROL);
    repaint();
}

bool COPWCatalogBasePane::rightKeyPressed()
{
    return stepColumn(1);
}

bool COPWCatalogBasePane::leftKeyPressed()
{
    return stepColumn(-1);
}

void COPWCatalogBasePane::handleMessage(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    if (myMessage == nullptr || myMessage->getRecord() == nullptr)
        return;
    const auto& record = *myMessage->getRecord();

    switch (record.id)
    {
        case MessageId::SectionReinitialized: reinitialized(); break;
        case MessageId::SectionValueChanged:
            if (record.a == m_ParamId)
                if (auto* section = EditTarget::orvaEditSection())
                {
                    showValue(section->GetParamI(m_ParamId));
                    repaint();
                }
            break;
        case MessageId::CatalogSelect:
            setVisible(true);
            repaint();
            break;
        case MessageId::CatalogReserved:
            if (record.a == m_Kind)
            {
                if (auto* current = getCell(m_CurrentRow, m_CurrentColumn))
                {
                    current->setSelected(false);
                    current->repaint();
                }
                m_SelectionShown = false;
            }
            break;
        default: break;
    }
}
