// Measures what an idle process costs: the application (its real binary, with
// no amplifier attached, so it rests on the device page) against an empty
// window built the same way, both running side by side so that the load of
// the machine hits both alike. After a settling time it samples, per thread,
// the CPU time the scheduler accounted (/proc/PID/task/TID/schedstat, in ns)
// and the number of times the thread went to sleep and woke up again
// (voluntary context switches). Linux only. Run under a display (xvfb-run):
//   rigsmith_idlebench [seconds] [settle-seconds] [other-binary]
//                                   both (and another build of the application
//                                   beside them), per-thread figures
//   rigsmith_idlebench empty                        the empty window alone
#include <juce_gui_basics/juce_gui_basics.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{
juce::JUCEApplicationBase* noApplication()
{
    return nullptr;
}

int runEmptyWindow()
{
    juce::JUCEApplicationBase::createInstance = &noApplication;
    juce::ScopedJuceInitialiser_GUI framework;
    juce::DocumentWindow window("Empty", juce::Colours::black, juce::DocumentWindow::allButtons, false);
    window.setUsingNativeTitleBar(true);
    auto* content = new juce::Component();
    content->setSize(1024, 768);
    window.setContentOwned(content, true);
    window.centreWithSize(window.getWidth(), window.getHeight());
    window.addToDesktop();
    window.setVisible(true);
    juce::MessageManager::getInstance()->runDispatchLoop();
    return 0;
}

struct ThreadFigures
{
    std::string name;
    unsigned long long cpuNs = 0;
    unsigned long long wakes = 0;
};

std::string readFile(const std::string& path)
{
    std::string text;
    if (auto* f = std::fopen(path.c_str(), "r"))
    {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof(buffer), f)) > 0)
            text.append(buffer, n);
        std::fclose(f);
    }
    return text;
}

unsigned long long fieldOf(const std::string& status, const char* key)
{
    const auto at = status.find(key);
    return at == std::string::npos ? 0 : std::strtoull(status.c_str() + at + std::strlen(key), nullptr, 10);
}

std::map<int, ThreadFigures> sample(pid_t pid)
{
    std::map<int, ThreadFigures> threads;
    const auto taskDir = juce::File("/proc/" + juce::String(pid) + "/task");
    for (const auto& task : taskDir.findChildFiles(juce::File::findDirectories, false))
    {
        const auto dir = task.getFullPathName().toStdString();
        ThreadFigures figures;
        figures.name = juce::String(readFile(dir + "/comm")).trim().toStdString();
        figures.cpuNs = std::strtoull(readFile(dir + "/schedstat").c_str(), nullptr, 10);
        figures.wakes = fieldOf(readFile(dir + "/status"), "voluntary_ctxt_switches:");
        threads[task.getFileName().getIntValue()] = figures;
    }
    return threads;
}

pid_t spawn(const std::vector<std::string>& args, const std::string& home)
{
    const pid_t pid = fork();
    if (pid == 0)
    {
        setenv("HOME", home.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        if (std::freopen("/dev/null", "w", stdout) == nullptr || std::freopen("/dev/null", "w", stderr) == nullptr)
            _exit(127);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

double loadAverage()
{
    return std::strtod(readFile("/proc/loadavg").c_str(), nullptr);
}

void report(const char* title, const std::map<int, ThreadFigures>& before, const std::map<int, ThreadFigures>& after,
            double seconds)
{
    unsigned long long cpu = 0, wakes = 0;
    std::printf("%s\n", title);
    for (const auto& [tid, end] : after)
    {
        const auto start = before.find(tid);
        const auto cpuNs = end.cpuNs - (start != before.end() ? start->second.cpuNs : 0);
        const auto w = end.wakes - (start != before.end() ? start->second.wakes : 0);
        cpu += cpuNs;
        wakes += w;
        if (cpuNs > 0 || w > 0)
            std::printf("  %-16s %8.3f ms CPU  %7.1f wakes/s\n", end.name.c_str(), (double) cpuNs / 1.0e6, (double) w / seconds);
    }
    std::printf("  total            %8.3f ms CPU (%.3f ms/s)  %7.1f wakes/s\n", (double) cpu / 1.0e6,
                (double) cpu / 1.0e6 / seconds, (double) wakes / seconds);
}

int compare(const char* self, int seconds, int settle, const char* otherBinary)
{
    // Each application in a home of its own: one instance per home runs.
    std::vector<juce::File> homes;
    auto newHome = [&homes] {
        homes.push_back(juce::File::createTempFile("idlebench"));
        homes.back().createDirectory();
        return homes.back().getFullPathName().toStdString();
    };

    const pid_t app = spawn({ RIGSMITH_APP_BINARY }, newHome());
    const pid_t empty = spawn({ self, "empty" }, newHome());
    const pid_t other = otherBinary != nullptr ? spawn({ otherBinary }, newHome()) : 0;
    std::printf("settling %d s, then sampling %d s; load average %.2f\n", settle, seconds, loadAverage());
    std::fflush(stdout);
    sleep((unsigned) settle);

    const auto appBefore = sample(app);
    const auto emptyBefore = sample(empty);
    const auto otherBefore = other != 0 ? sample(other) : std::map<int, ThreadFigures>();
    sleep((unsigned) seconds);
    const auto appAfter = sample(app);
    const auto emptyAfter = sample(empty);
    const auto otherAfter = other != 0 ? sample(other) : std::map<int, ThreadFigures>();

    report("empty window", emptyBefore, emptyAfter, seconds);
    report("application on the device page", appBefore, appAfter, seconds);
    if (other != 0)
        report(otherBinary, otherBefore, otherAfter, seconds);
    std::printf("load average at the end %.2f\n", loadAverage());

    for (const pid_t pid : { app, empty, other })
    {
        if (pid == 0)
            continue;
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
    for (auto& home : homes)
        home.deleteRecursively();
    return appAfter.empty() || emptyAfter.empty() ? 1 : 0;
}
} // namespace

int main(int argc, char* argv[])
{
    const juce::String mode = argc > 1 ? argv[1] : "";
    if (mode == "empty")
        return runEmptyWindow();
    const int seconds = mode.getIntValue() > 0 ? mode.getIntValue() : 30;
    const int settle = argc > 2 && std::atoi(argv[2]) > 0 ? std::atoi(argv[2]) : 5;
    return compare(argv[0], seconds, settle, argc > 3 ? argv[3] : nullptr);
}
