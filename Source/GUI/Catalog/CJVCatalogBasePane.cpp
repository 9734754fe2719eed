#include "GUI/Catalog/CJVCatalogBasePane.h"

#include "GUI/Catalog/CJVTextButton.h"
#include "GUI/Catalog/RSCatalogCell.h"
#include "GUI/Widgets/RSWidgetSupport.h"
#include "ZEZEResource.h"

CJVCatalogBasePane::CJVCatalogBasePane(int kind, int paramId, int paneWidth, int paneHeight)
    : juce::Component("JVCatalogPane"), m_Kind(kind), m_ParamId(paramId), m_PaneWidth(paneWidth), m_PaneHeight(paneHeight)
{
    setWantsKeyboardFocus(true);
    setMouseClickGrabsKeyboardFocus(true);
}

CJVCatalogBasePane::~CJVCatalogBasePane()
{
    uninit();
}

void CJVCatalogBasePane::init(int width, int height)
{
    m_Rows = getNumRows();
    m_Columns = getNumColumns();
    for (int i = 0; i < 3; ++i)
    {
        auto* tab = new CJVTextButton({});
        tab->SetImage(juce::Image(), 2);
        addAndMakeVisible(tab);
        tab->setTriggeredOnMouseDown(true);
        tab->setVisible(m_Kind == 0);
        tab->addListener(this);
        m_TypeTabs.add(tab);
    }
    setWantsKeyboardFocus(true);
    const auto backName = getImageBackName();
    if (backName.isNotEmpty())
        m_BackImage = RSWidgetSupport::getImage(backName);
    createCells();
    setSize(width, height);
}

void CJVCatalogBasePane::uninit()
{
    m_TypeTabs.clear(true);
    for (auto& row : m_Cells)
        for (auto*& cell : row)
        {
            delete cell;
            cell = nullptr;
        }
    m_Cells.clear();
}

juce::String CJVCatalogBasePane::getImageBackName() const
{
    return getCatalogTypeAttrs().backgroundImageName;
}

int CJVCatalogBasePane::getCriterialPositionX() const
{
    return getCatalogTypeAttrs().criterialX;
}

int CJVCatalogBasePane::getCriterialPositionY() const
{
    return getCatalogTypeAttrs().criterialY;
}

int CJVCatalogBasePane::getCellWidth() const
{
    return m_Columns > 0 ? m_PaneWidth / m_Columns : 0;
}

int CJVCatalogBasePane::getCellHeight() const
{
    return m_Rows > 0 ? m_PaneHeight / m_Rows : 0;
}

juce::Array<int> CJVCatalogBasePane::getModuleByCatalogKind(int kind) const
{
    switch (kind)
    {
        case 0: return { 0 };
        case 1: return { 1 };
        case 2: return { 3 };
        case 3: return { 2 };
        default: return {};
    }
}

void CJVCatalogBasePane::createCells()
{
    m_Cells.assign((size_t) juce::jmax(0, m_Rows), {});
    for (int r = 0; r < m_Rows; ++r)
        for (int c = 0; c < m_Columns; ++c)
        {
            const auto& attrs = getCatalogCellAttrs(r, c);
            auto* cell = new RSCatalogCell(this, attrs.name, attrs.colour, attrs.imageName, -1);
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

CJVCatalogCell* CJVCatalogBasePane::getCell(int row, int column) const
{
    if (row < 0 || column < 0 || (size_t) row >= m_Cells.size() || (size_t) column >= m_Cells[(size_t) row].size())
        return nullptr;
    return m_Cells[(size_t) row][(size_t) column];
}

bool CJVCatalogBasePane::isInGrid(int row, int column) const noexcept
{
    return row >= 0 && column >= 0 && row < m_Rows && column < m_Columns;
}

int CJVCatalogBasePane::getModelByMatrix(int row, int column) const
{
    if (! isInGrid(row, column))
        return -1;
    return getCatalogCellAttrs(row, column).model;
}

bool CJVCatalogBasePane::getMatrixByModel(int model, int& row, int& column) const
{
    bool found = false;
    for (int r = 0; r < m_Rows; ++r)
        for (int c = 0; c < m_Columns; ++c)
            if (getCatalogCellAttrs(r, c).model == model)
            {
                row = r;
                column = c;
                found = true;
            }
    return found;
}

void CJVCatalogBasePane::markCurrentCell()
{
    for (int r = 0; r < (int) m_Cells.size(); ++r)
        for (int c = 0; c < (int) m_Cells[(size_t) r].size(); ++c)
            if (auto* cell = m_Cells[(size_t) r][(size_t) c])
                cell->setSelected(r == m_CurrentRow && c == m_CurrentColumn);
}

void CJVCatalogBasePane::resized()
{
    const int cellWidth = getCellWidth();
    const int cellHeight = getCellHeight();
    for (int r = 0; r < (int) m_Cells.size(); ++r)
        for (int c = 0; c < (int) m_Cells[(size_t) r].size(); ++c)
            if (auto* cell = m_Cells[(size_t) r][(size_t) c])
                cell->setBounds(c * cellWidth + getCriterialPositionX(), getCriterialPositionY() + r * cellHeight, cellWidth,
                                cellHeight);
    if (m_SelectionShown)
        markCurrentCell();
}

void CJVCatalogBasePane::paintOverChildren(juce::Graphics& g)
{
    if (getImageBackName().isEmpty() || ! m_BackImage.isValid())
        return;
    g.drawImageWithin(m_BackImage, 0, 0, m_PaneWidth, m_PaneHeight, juce::RectanglePlacement::centred);
}

void CJVCatalogBasePane::setVisible(bool shouldBeVisible)
{
    if (shouldBeVisible == isVisible())
        return;
    juce::Component::setVisible(shouldBeVisible);
    if (m_StoreSettings && shouldBeVisible)
    {
        if (isShowing())
            grabKeyboardFocus();
        resized();
        repaint();
    }
}

bool CJVCatalogBasePane::keyPressed(const juce::KeyPress& key)
{
    if (! hasKeyboardFocus(true))
        return false;
    if (key == juce::KeyPress::upKey)
        return upKeyPressed();
    if (key == juce::KeyPress::downKey)
        return downKeyPressed();
    if (key == juce::KeyPress::rightKey)
        return rightKeyPressed();
    if (key == juce::KeyPress::leftKey)
        return leftKeyPressed();
    if (key == juce::KeyPress::escapeKey)
        return escKeyPressed();
    return false;
}

bool CJVCatalogBasePane::moveBy(int dr, int dc)
{
    const int row = m_CurrentRow + dr;
    const int column = m_CurrentColumn + dc;
    if (isInGrid(row, column) && getModelByMatrix(row, column) == -1)
        return true;
    m_CurrentRow = juce::jlimit(0, juce::jmax(0, m_Rows - 1), row);
    m_CurrentColumn = juce::jlimit(0, juce::jmax(0, m_Columns - 1), column);
    SetSelectedModel(getModelByMatrix(m_CurrentRow, m_CurrentColumn));
    return true;
}

bool CJVCatalogBasePane::upKeyPressed()
{
    return moveBy(-1, 0);
}

bool CJVCatalogBasePane::downKeyPressed()
{
    return moveBy(1, 0);
}

bool CJVCatalogBasePane::stepColumn(int delta)
{
    const int next = m_CurrentColumn + delta;
    if (next < 0 || next >= getNumColumns())
        return false;
    const int model = getModelByMatrix(m_CurrentRow, next);
    if (model == -1)
        return false;
    m_CurrentColumn = next;
    SetSelectedModel(model);
    return true;
}

bool CJVCatalogBasePane::rightKeyPressed()
{
    return moveBy(0, 1);
}

bool CJVCatalogBasePane::leftKeyPressed()
{
    return moveBy(0, -1);
}
