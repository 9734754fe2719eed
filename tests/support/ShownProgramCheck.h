#pragma once

// What the librarian's program buttons and the name strip show of records
// that hold bytes the amplifier never stores itself: name bytes outside
// printable ASCII, and an amp byte that is none of its list's values.
#include "GUI/Editor/RSProgSelectButton.h"
#include "GUI/Widgets/RSWidgetSupport.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstring>

namespace testing_support
{
// A name at the edges of what a button draws: 0x1F, 0x20, 0x7E, 0x7F, a
// two-byte letter (C3 A4), two bytes that are no UTF-8 (FF 80) and a
// three-byte sign (E2 82 AC).
inline const juce::uint8 oddProgramName[16] = { 'A',  0x1F, 0x20, 0x7E, 0x7F, 0xC3, 0xA4, 0xFF,
                                                0x80, 0xE2, 0x82, 0xAC, 'B',  'C',  'D',  'E' };
// The sixteen characters a program button shows for it.
inline const char* const oddProgramNameShown = "A  ~        BCDE";

inline void putName(unsigned char* record, const void* name16)
{
    std::memcpy(record, name16, 16);
}

inline bool samePixels(const juce::Image& a, const juce::Image& b)
{
    if (a.getBounds() != b.getBounds())
        return false;
    const juce::Image::BitmapData da(a, juce::Image::BitmapData::readOnly), db(b, juce::Image::BitmapData::readOnly);
    for (int y = 0; y < a.getHeight(); ++y)
        for (int x = 0; x < a.getWidth(); ++x)
            if (da.getPixelColour(x, y) != db.getPixelColour(x, y))
                return false;
    return true;
}

// The button as it paints itself now (its images re-read first, as after a
// drop on it).
inline juce::Image paintingOf(RSProgSelectButton& button)
{
    button.RenewButtonSetting();
    return button.createComponentSnapshot(button.getLocalBounds(), true, 1.0f);
}

// Whether the button looks the same over its record as over the record with
// `bytes` in place of the `count` bytes at `offset`; the record is left as
// it was.
inline bool paintsAsWith(RSProgSelectButton& button, unsigned char* record, int offset, const void* bytes, int count)
{
    juce::MemoryBlock kept(record + offset, (size_t) count);
    const auto before = paintingOf(button);
    std::memcpy(record + offset, bytes, (size_t) count);
    const auto after = paintingOf(button);
    std::memcpy(record + offset, kept.getData(), (size_t) count);
    paintingOf(button);
    return samePixels(before, after);
}

// Whether the button shows amp type `type` with that type's picture (the
// file slots draw one).
inline bool showsTypeWithPicture(RSProgSelectButton& button, int type)
{
    paintingOf(button);
    return button.getAmpType() == type && button.getNormalImage().isValid()
           && button.getNormalImage() == RSWidgetSupport::getImage(button.getPNGName(type));
}
} // namespace testing_support
