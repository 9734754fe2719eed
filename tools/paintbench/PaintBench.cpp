// Measures the time from the start of a process to the first paint of its
// window: the application's main window (as Application::initialise builds
// it) against an empty window of the same size built the same way. Each
// measurement is a fresh process, since the framework's font list is built
// once per process. Run under a display (xvfb-run):
//   rigsmith_paintbench [runs]       both kinds, median and worst of each
//   rigsmith_paintbench app|empty    one measurement, printed in ms
// With RIGSMITH_ALL_FONTS set, the application's window is built without
// narrowing the framework's font list to the application's family.
#include "Application/Host.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiManager.h"
#include "Platform/PlatformFonts.h"
#include "ZEZEResource.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;
Clock::time_point processStart;

double msSinceStart()
{
    return std::chrono::duration<double, std::milli>(Clock::now() - processStart).count();
}

// Sits on top of the window's content and notes the first paint pass.
struct PaintProbe : juce::Component
{
    PaintProbe()
    {
        setInterceptsMouseClicks(false, false);
        setOpaque(false);
    }

    void paint(juce::Graphics&) override
    {
        if (painted)
            return;
        painted = true;
        std::printf("%.3f\n", msSinceStart());
        std::fflush(stdout);
        juce::MessageManager::getInstance()->stopDispatchLoop();
    }

    bool painted = false;
};

juce::JUCEApplicationBase* noApplication()
{
    return nullptr;
}

int measureOnce(bool app)
{
    if (app && std::getenv("RIGSMITH_ALL_FONTS") == nullptr)
        PlatformFonts::useTheApplicationFamilyOnly();

    juce::JUCEApplicationBase::createInstance = &noApplication;
    juce::ScopedJuceInitialiser_GUI framework;
    PaintProbe probe;
    std::unique_ptr<juce::DocumentWindow> emptyWindow;
    Host* host = nullptr;

    if (app)
    {
        host = Host::createInstance();
        ZEZEResource::getInstance();
        host->run();
        auto* guiManager = host->getMasterGuiManager();
        auto* window = guiManager != nullptr ? guiManager->getMainWindow() : nullptr;
        if (window == nullptr || window->getContentComponent() == nullptr)
            return 1;
        auto* content = window->getContentComponent();
        content->addAndMakeVisible(probe);
        probe.setBounds(content->getLocalBounds());
    }
    else
    {
        emptyWindow =
            std::make_unique<juce::DocumentWindow>("Empty", juce::Colours::black, juce::DocumentWindow::allButtons, false);
        emptyWindow->setUsingNativeTitleBar(true);
        auto* content = new juce::Component();
        content->setSize(1024, 768);
        emptyWindow->setContentOwned(content, true);
        emptyWindow->centreWithSize(emptyWindow->getWidth(), emptyWindow->getHeight());
        emptyWindow->addToDesktop();
        emptyWindow->setVisible(true);
        content->addAndMakeVisible(probe);
        probe.setBounds(content->getLocalBounds());
    }

    juce::MessageManager::getInstance()->runDispatchLoopUntil(10000);
    const bool ok = probe.painted;
    if (probe.getParentComponent() != nullptr)
        probe.getParentComponent()->removeChildComponent(&probe);
    emptyWindow.reset();
    if (host != nullptr)
        Host::destroyInstance();
    return ok ? 0 : 1;
}

struct Figures
{
    double median = 0, worst = 0;
};

Figures figuresOf(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    if (v.empty())
        return {};
    return { v[v.size() / 2], v.back() };
}

int compare(const char* self, int runs)
{
    std::vector<double> app, empty;
    for (int i = 0; i < runs; ++i)
    {
        for (const bool isApp : { true, false })
        {
            juce::ChildProcess child;
            if (! child.start(juce::StringArray { self, isApp ? "app" : "empty" }, juce::ChildProcess::wantStdOut))
                return 1;
            const auto out = child.readAllProcessOutput().trim();
            const auto lastLine = juce::StringArray::fromLines(out).strings.getLast().trim();
            if (lastLine.getDoubleValue() <= 0)
            {
                std::printf("no paint measured (%s): %s\n", isApp ? "app" : "empty", out.toRawUTF8());
                return 1;
            }
            (isApp ? app : empty).push_back(lastLine.getDoubleValue());
        }
    }
    const auto a = figuresOf(app), e = figuresOf(empty);
    std::printf("start to first paint, %d runs each (ms)\n", runs);
    std::printf("  empty window       median %8.2f  worst %8.2f\n", e.median, e.worst);
    std::printf("  application window median %8.2f  worst %8.2f\n", a.median, a.worst);
    std::printf("  ratio of medians %.2f, of worsts %.2f\n", a.median / e.median, a.worst / e.worst);
    return 0;
}
} // namespace

int main(int argc, char* argv[])
{
    processStart = Clock::now();
    const juce::String mode = argc > 1 ? argv[1] : "";
    if (mode == "app" || mode == "empty")
        return measureOnce(mode == "app");
    return compare(argv[0], mode.getIntValue() > 0 ? mode.getIntValue() : 15);
}
