// Measures how long the audio-EQ page's response curve takes to paint at the
// page's size (620 x 200), as it does on every step of a knob drag: the
// curve alone, and the whole graph (scale and curve) as one snapshot.
// Prints the median and the worst of many paints, in milliseconds.
#include "EQ/CAudioEQManager.h"
#include "GUI/AudioEQ/RSDraggableFRCurveComponent.h"
#include "GUI/AudioEQ/RSFrequencyResponseAxisComponent.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace
{
struct Summary
{
    double median, p99, worst, worstCpu;
};

// CPU time of this thread in milliseconds: what a paint costs without the
// time the scheduler gives to other processes.
double threadCpuMs()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return (double) t.tv_sec * 1000.0 + (double) t.tv_nsec / 1.0e6;
}

template <typename Paint>
Summary measure(int runs, Paint&& paint)
{
    // The first paints load the label font's glyphs, once per run of the
    // application (when the page opens), not on each step of a drag.
    for (int i = 0; i < 10; ++i)
        paint(i);

    std::vector<double> ms;
    ms.reserve((size_t) runs);
    double worstCpu = 0.0;
    for (int i = 0; i < runs; ++i)
    {
        const auto cpuStart = threadCpuMs();
        const auto start = juce::Time::getHighResolutionTicks();
        paint(i);
        ms.push_back(juce::Time::highResolutionTicksToSeconds(juce::Time::getHighResolutionTicks() - start) * 1000.0);
        worstCpu = std::max(worstCpu, threadCpuMs() - cpuStart);
    }
    std::sort(ms.begin(), ms.end());
    return { ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.back(), worstCpu };
}
} // namespace

int main()
{
    juce::ScopedJuceInitialiser_GUI gui;
    constexpr int runs = 5000;

    CAudioEQManager manager;
    auto setBands = [&manager](int step) {
        // A different shape each paint, as a dragged gain knob gives.
        manager.setTrim(((step % 48) - 24) * 0.5);
        manager.getBand(1)->setParam(120.0, 8.0, 0.7);
        manager.getBand(2)->setParam(400.0, -7.0 + (step % 10), 2.0);
        manager.getBand(3)->setParam(2500.0, 10.0, 1.2);
        manager.getBand(4)->setParam(8000.0, -9.0, 0.5);
    };

    RSFrequencyResponseAxisComponent axis(44100.0, -24.0, 24.0, true, true, true, true, juce::Colours::black,
                                          juce::Colours::lightgrey, juce::Colours::darkgrey);
    auto* curve = new RSDraggableFRCurveComponent(44100.0, -24.0, 24.0);
    axis.setChildPane(curve);
    axis.setSize(620, 200);

    juce::Image image(juce::Image::ARGB, 620, 200, true);
    const auto curveOnly = measure(runs, [&](int i) {
        setBands(i);
        juce::Graphics g(image);
        curve->paintCurve(g, &manager);
    });

    // The whole graph: what the window repaints for the curve's area.
    juce::Image whole(juce::Image::ARGB, 620, 200, true);
    const auto graph = measure(runs / 5, [&](int i) {
        setBands(i);
        juce::Graphics g(whole);
        axis.paint(g);
        curve->paintCurve(g, &manager);
    });

    std::printf("curve paint 620x200: median %.4f ms, 99th percentile %.4f ms, worst %.4f ms wall / %.4f ms CPU (%d paints)\n",
                curveOnly.median, curveOnly.p99, curveOnly.worst, curveOnly.worstCpu, runs);
    std::printf("scale + curve 620x200: median %.4f ms, 99th percentile %.4f ms, worst %.4f ms wall / %.4f ms CPU (%d paints)\n",
                graph.median, graph.p99, graph.worst, graph.worstCpu, runs / 5);
    return 0;
}
