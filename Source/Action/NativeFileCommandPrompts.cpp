#include "Action/NativeFileCommandPrompts.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace
{
// Has every showing window of the application painted again. A window that a
// closed dialog (or menu) uncovered is told so by the window system, but on
// X11 the news can wait unread: the work that follows a chosen file makes
// calls that wait for the display's answer, and these take the expose events
// off the connection into the client's queue, where the event loop does not
// look until the next event arrives (the pointer passing over the window). So
// the windows are not left to that news.
void repaintApplicationWindows()
{
    auto& desktop = juce::Desktop::getInstance();
    for (int i = 0; i < desktop.getNumComponents(); ++i)
        if (auto* window = desktop.getComponent(i); window != nullptr && window->isShowing())
            window->repaint();
}

// The framework's own chooser, for platforms without a file dialog of their
// own: the dialog juce::FileChooser would show, except that it opens with the
// keyboard focus in its file-name field, so that a typed name and Return save,
// open or load that file at once. (Left to itself the dialog window keeps the
// focus for itself and typed keys go nowhere.)
juce::File chooseWithBuiltInDialog(const juce::String& title, const juce::String& pattern, bool save)
{
    // The focus goes back where it was once the dialog has gone.
    const juce::Component::SafePointer<juce::Component> focused(juce::Component::getCurrentlyFocusedComponent());
    juce::File chosen;
    {
        const int flags = juce::FileBrowserComponent::canSelectFiles
                          | (save ? juce::FileBrowserComponent::saveMode | juce::FileBrowserComponent::warnAboutOverwriting
                                  : juce::FileBrowserComponent::openMode);
        juce::WildcardFileFilter filter(pattern.containsNonWhitespaceChars() ? pattern : "*", {}, {});
        juce::FileBrowserComponent browser(flags, juce::File(), &filter, nullptr);
        juce::FileChooserDialogBox dialog(title, {}, browser, save, browser.findColour(juce::AlertWindow::backgroundColourId),
                                          nullptr);
        for (auto* child : browser.getChildren())
            if (auto* fileName = dynamic_cast<juce::TextEditor*>(child))
            {
                // The window hands the focus to its first box, the file name
                // (whenever it gets the focus: the window manager gives it
                // only once the window is mapped).
                dialog.setWantsKeyboardFocus(false);
                fileName->setExplicitFocusOrder(1);
                // Escape still cancels, as it does with the focus elsewhere.
                fileName->onEscapeKey = [&dialog] { dialog.exitModalState(0); };
            }

        // Nothing of the menu that led here stays behind the dialog either.
        repaintApplicationWindows();
        if (dialog.show() && browser.getNumSelectedFiles() > 0)
            chosen = browser.getSelectedFile(0);
    }
    if (focused != nullptr && focused->isShowing() && ! focused->isCurrentlyBlockedByAnotherModalComponent())
        focused->grabKeyboardFocus();
    repaintApplicationWindows();
    return chosen;
}
} // namespace

juce::File NativeFileCommandPrompts::chooseFileToOpen(const juce::String& title, const juce::String& pattern)
{
    if (! juce::FileChooser::isPlatformDialogAvailable())
        return chooseWithBuiltInDialog(title, pattern, false);
    juce::FileChooser chooser(title, juce::File(), pattern);
    const auto chosen = chooser.browseForFileToOpen() ? chooser.getResult() : juce::File();
    repaintApplicationWindows();
    return chosen;
}

juce::File NativeFileCommandPrompts::chooseFileToSave(const juce::String& title, const juce::String& pattern)
{
    if (! juce::FileChooser::isPlatformDialogAvailable())
        return chooseWithBuiltInDialog(title, pattern, true);
    juce::FileChooser chooser(title, juce::File(), pattern);
    const auto chosen = chooser.browseForFileToSave(true) ? chooser.getResult() : juce::File();
    repaintApplicationWindows();
    return chosen;
}

void NativeFileCommandPrompts::showWarning(const juce::String& title, const juce::String& text, const juce::String& button)
{
    juce::AlertWindow::showMessageBox(juce::MessageBoxIconType::WarningIcon, title, text, button);
    repaintApplicationWindows();
}

void NativeFileCommandPrompts::showWarningAsync(const juce::String& title, const juce::String& text, const juce::String& button)
{
    juce::AlertWindow::showMessageBoxAsync(juce::MessageBoxIconType::WarningIcon, title, text, button);
}

bool NativeFileCommandPrompts::confirm(const juce::String& title, const juce::String& text, const juce::String& yesButton,
                                       const juce::String& noButton)
{
    const bool yes = juce::AlertWindow::showOkCancelBox(juce::MessageBoxIconType::WarningIcon, title, text, yesButton, noButton,
                                                        nullptr, nullptr);
    repaintApplicationWindows();
    return yes;
}
