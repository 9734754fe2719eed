#pragma once

#include "GUI/Editor/RSLibFileSubTabBase.h"

// One program-file tab of an Orva librarian: it makes and owns the file page
// (of the model's page class) of its file index.
template <class FilePage>
class OrvaLibFileSubTab : public RSLibFileSubTabBase
{
public:
    OrvaLibFileSubTab(int x, int y, int width, int height, int fileIndex)
        : m_X(x), m_Y(y), m_Width(width), m_Height(height), m_FileIndex(fileIndex)
    {
        m_FilePage = new FilePage(0, 0, width, height, fileIndex);
        m_FilePage->initialise();
        m_FilePage->setBounds(x, 0, width, height);
        addAndMakeVisible(m_FilePage);
        m_ContentComponent = m_FilePage;
    }

    ~OrvaLibFileSubTab() override
    {
        m_ContentComponent = nullptr;
        delete m_FilePage;
        m_FilePage = nullptr;
    }

    FilePage* getFilePage() const noexcept { return m_FilePage; }
    int getFileIndex() const noexcept { return m_FileIndex; }

private:
    int m_X, m_Y, m_Width, m_Height, m_FileIndex;
    FilePage* m_FilePage = nullptr;
};
