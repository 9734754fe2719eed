#pragma once

namespace testing_support
{
// How long a test waits for what must come (a boot, a scan, a
// synchronisation): long enough for a machine busy with other work. The wait
// ends as soon as the thing is there, so it costs nothing when all goes well.
constexpr int patienceMs = 30000;

} // namespace testing_support
