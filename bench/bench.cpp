// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures, in one run and on one display, the program's start-up against a
// bare Qt dialog and one that shows a Thai label, the time of every way between the screens, the cost of the
// reckoning, the peak memory of the program against the dialog's, and how its
// memory grows while the entry screen is opened and left many times. The
// display is whatever the environment gives Qt (QT_QPA_PLATFORM, DISPLAY);
// bench/run.sh runs it off screen and on a virtual X server.

#include "reckoning.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char **environ;

namespace {

using Nanoseconds = long long;

Nanoseconds monotonicNow()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return Nanoseconds(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

[[noreturn]] void fail(const std::string &why)
{
    std::fprintf(stderr, "duset-bench: %s\n", why.c_str());
    std::exit(1);
}

struct Run {
    Nanoseconds started = 0;
    std::vector<std::string> lines;
    long peakKiB = 0;
};

// Starts a program with its output on a pipe and waits for it to end. The
// clock is read just before the process is created, so a time that the
// program reports counts from its very start.
Run run(const std::string &path, const std::vector<std::string> &arguments)
{
    int pipe[2];
    if (pipe2(pipe, O_CLOEXEC) != 0)
        fail("no pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
    std::vector<char *> argv{const_cast<char *>(path.c_str())};
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);

    Run result;
    pid_t child = 0;
    result.started = monotonicNow();
    const int error = posix_spawn(&child, path.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipe[1]);
    if (error != 0)
        fail("cannot start " + path + ": " + std::strerror(error));

    std::string output;
    char buffer[4096];
    for (ssize_t n; (n = read(pipe[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, std::size_t(n));
    close(pipe[0]);

    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        fail("lost " + path);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fail(path + " failed");
    result.peakKiB = usage.ru_maxrss;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);)
        result.lines.push_back(line);
    return result;
}

// The value after "key " on the line that starts with it.
std::string field(const Run &run, const std::string &key)
{
    for (const std::string &line : run.lines) {
        if (line.starts_with(key + ' '))
            return line.substr(key.size() + 1);
    }
    fail("no " + key + " reported");
}

Nanoseconds startUp(const Run &run)
{
    return std::stoll(field(run, "frame")) - run.started;
}

template<typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double ms(Nanoseconds value)
{
    return double(value) / 1e6;
}

double mib(long kib)
{
    return double(kib) / 1024.0;
}

const char *verdict(bool met)
{
    return met ? "met" : "MISSED";
}

std::string machine()
{
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string model = "unknown processor";
    for (std::string line; std::getline(cpuinfo, line);) {
        if (line.starts_with("model name")) {
            model = line.substr(line.find(':') + 2);
            break;
        }
    }
    utsname system{};
    uname(&system);
    return model + ", " + std::to_string(sysconf(_SC_NPROCESSORS_ONLN)) + " cores, " + system.sysname + ' '
        + system.release;
}

// The reckoning on its own: every combination of the three lists, and the
// warnings of empty and unknown texts, as many times as fit a second or so.
double reckoningNanosecondsPerPress()
{
    using namespace duset;
    std::vector<std::u16string_view> days{u"", u"วันจันทร์ "};
    std::vector<std::u16string_view> months{u""};
    std::vector<std::u16string_view> years{u""};
    for (const auto &row : DayTable)
        days.push_back(row.key);
    for (const auto &row : MonthTable)
        months.push_back(row.key);
    for (const auto &row : YearTable)
        years.push_back(row.key);

    ReckoningState state;
    long long presses = 0;
    long long checksum = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < 200; ++round) {
        for (const auto day : days) {
            for (const auto month : months) {
                for (const auto year : years) {
                    const ReckoningOutcome outcome = Reckon(day, month, year, state);
                    checksum += outcome.remainder + static_cast<long long>(outcome.text.size());
                    ++presses;
                }
            }
        }
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    if (checksum == 0)
        fail("the reckoning gave nothing");
    return double(std::chrono::duration_cast<std::chrono::nanoseconds>(elapsed).count()) / double(presses);
}

struct MemorySample {
    long roundTrips = 0;
    long residentKiB = 0;
    long heapKiB = 0;
};

// The program's samples of its memory, one every hundred round trips.
std::vector<MemorySample> memorySamples(const Run &run)
{
    std::vector<MemorySample> samples;
    for (const std::string &line : run.lines) {
        MemorySample sample;
        if (std::sscanf(line.c_str(), "memory %ld %ld %ld", &sample.roundTrips, &sample.residentKiB, &sample.heapKiB)
            == 3)
            samples.push_back(sample);
    }
    return samples;
}

// KiB per 1,000 round trips, from the first sample to the last.
double growthPerThousand(const MemorySample &first, const MemorySample &last, long MemorySample::*field)
{
    return double(last.*field - first.*field) * 1000.0 / double(last.roundTrips - first.roundTrips);
}

constexpr const char *Usage = "usage: duset-bench [--runs N] [--tours N] [--round-trips N]";

} // namespace

int main(int argc, char *argv[])
{
    int runs = 25;
    int tours = 50;
    int roundTrips = 1000;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--tours") == 0)
            tours = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--round-trips") == 0)
            roundTrips = std::atoi(argv[i + 1]);
        else
            fail(Usage);
    }
    // The growth is measured from the hundredth round trip on, so at least
    // one more sample must follow it.
    if (argc % 2 == 0 || runs < 1 || tours < 1 || roundTrips < 200)
        fail(std::string(Usage) + " (at least 200 round trips)");

    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0)
        fail("cannot find myself");
    const std::string here = std::string(self).substr(0, std::string(self).rfind('/') + 1);
    const std::string program = here + "duset-bench-program";
    const std::string baseline = here + "duset-bench-baseline";

    // A first run of each fills the system's caches and tells the size of
    // the main menu, which the bare dialog takes.
    const Run first = run(program, {});
    const std::string size = field(first, "size");
    run(baseline, {size});

    // The program and its two yardsticks take turns; the order rotates run
    // by run, so that none always finds the machine as another left it.
    std::vector<Nanoseconds> programTimes;
    std::vector<Nanoseconds> baselineTimes;
    std::vector<Nanoseconds> thaiTimes;
    std::vector<long> programPeaks;
    std::vector<long> baselinePeaks;
    std::vector<long> thaiPeaks;
    run(baseline, {size, "--thai-label"});
    for (int i = 0; i < runs; ++i) {
        for (int turn = 0; turn < 3; ++turn) {
            switch ((turn + i) % 3) {
            case 0: {
                const Run result = run(program, {});
                programTimes.push_back(startUp(result));
                programPeaks.push_back(result.peakKiB);
                break;
            }
            case 1: {
                const Run result = run(baseline, {size});
                baselineTimes.push_back(startUp(result));
                baselinePeaks.push_back(result.peakKiB);
                break;
            }
            default: {
                const Run result = run(baseline, {size, "--thai-label"});
                thaiTimes.push_back(startUp(result));
                thaiPeaks.push_back(result.peakKiB);
                break;
            }
            }
        }
    }

    const Run navigation = run(program, {"--navigate", std::to_string(tours)});
    // glibc's per-thread cache keeps up to seven freed blocks of each size
    // as if they were in use, and fills over the first few hundred round
    // trips: tens of KiB that look like growth. Without it, what the heap
    // reports in use is what the program holds.
    const char *tunables = std::getenv("GLIBC_TUNABLES");
    const std::string kept = tunables ? tunables : "";
    setenv("GLIBC_TUNABLES", (kept.empty() ? "" : kept + ':').append("glibc.malloc.tcache_count=0").c_str(), 1);
    const Run repeated = run(program, {"--round-trips", std::to_string(roundTrips)});
    if (tunables)
        setenv("GLIBC_TUNABLES", kept.c_str(), 1);
    else
        unsetenv("GLIBC_TUNABLES");

    std::printf("duset benchmark: platform %s, Qt %s, %s\n\n", field(first, "platform").c_str(),
        field(first, "qt").c_str(), machine().c_str());

    const double ratio = double(median(programTimes)) / double(median(thaiTimes));
    const double bareRatio = double(median(programTimes)) / double(median(baselineTimes));
    std::printf("Start-up, process start to the first painted frame (%d runs each, interleaved):\n\n", runs);
    std::printf("| program | median ms | fastest ms | slowest ms |\n|---|---|---|---|\n");
    const auto row = [](const char *name, const std::vector<Nanoseconds> &times) {
        std::printf("| %s | %.1f | %.1f | %.1f |\n", name, ms(median(times)),
            ms(*std::min_element(times.begin(), times.end())), ms(*std::max_element(times.begin(), times.end())));
    };
    row("bare dialog", baselineTimes);
    row("dialog with one Thai label", thaiTimes);
    row("duset main menu", programTimes);
    std::printf("\nratio to the Thai-label dialog %.2f (target at most 1.10): %s\n", ratio, verdict(ratio <= 1.10));
    std::printf("ratio to the bare dialog %.2f\n\n", bareRatio);

    std::printf("Navigation, click to the target's first painted frame (%d tours):\n\n", tours);
    std::printf("| from | by | to | runs | median ms | worst ms | first ms |\n|---|---|---|---|---|---|---|\n");
    bool navigationMet = true;
    for (const std::string &line : navigation.lines) {
        if (!line.starts_with("route "))
            continue;
        char from[32], by[32], to[32];
        long long count = 0, middle = 0, worst = 0, firstTime = 0;
        if (std::sscanf(line.c_str(), "route %31s %31s %31s %lld %lld %lld %lld", from, by, to, &count, &middle, &worst,
                &firstTime)
            != 7)
            fail("cannot read " + line);
        navigationMet = navigationMet && middle <= 16'000'000 && worst <= 33'000'000;
        std::printf("| %s | %s | %s | %lld | %.2f | %.2f | %.2f |\n", from, by, to, count, ms(middle), ms(worst),
            ms(firstTime));
    }
    std::printf("\nevery route at most 16 ms median and 33 ms worst: %s\n\n", verdict(navigationMet));

    std::printf("Reckoning: %.0f ns per press\n\n", reckoningNanosecondsPerPress());

    // Like for like, both programs end at their first frame; the run that
    // has opened every screen many times shows what a long session costs.
    const long dialogPeak = median(baselinePeaks);
    const long programPeak = median(programPeaks);
    std::printf("Peak resident memory (MiB):\n\n| program | peak | over the dialog |\n|---|---|---|\n");
    std::printf("| bare dialog | %.1f | |\n", mib(dialogPeak));
    std::printf(
        "| dialog with one Thai label | %.1f | %.1f |\n", mib(median(thaiPeaks)), mib(median(thaiPeaks) - dialogPeak));
    std::printf(
        "| duset at the main menu's first frame | %.1f | %.1f |\n", mib(programPeak), mib(programPeak - dialogPeak));
    std::printf("| duset after %d tours of every screen | %.1f | %.1f |\n", tours, mib(navigation.peakKiB),
        mib(navigation.peakKiB - dialogPeak));
    std::printf(
        "\nat the first frame at most 10 MiB over the dialog: %s\n", verdict(programPeak - dialogPeak <= 10 * 1024));
    std::printf("after every screen at most 10 MiB over the dialog: %s\n\n",
        verdict(navigation.peakKiB - dialogPeak <= 10 * 1024));

    // The first hundred round trips fill what is built once per run (faces,
    // the style's own data, the window system's buffers); after them a
    // round trip should leave nothing behind.
    const std::vector<MemorySample> samples = memorySamples(repeated);
    if (samples.size() < 2 || samples.front().roundTrips != 100)
        fail("too few memory samples from the round trips");
    std::printf("Memory over %d round trips to the entry screen and back (KiB):\n\n", roundTrips);
    std::printf("| round trips | resident | heap in use |\n|---|---|---|\n");
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (i == 0 || i + 1 == samples.size() || samples[i].roundTrips % 500 == 0)
            std::printf("| %ld | %ld | %ld |\n", samples[i].roundTrips, samples[i].residentKiB, samples[i].heapKiB);
    }
    const MemorySample &hundredth = samples.front();
    const MemorySample &last = samples.back();
    std::printf("\ngrowth after the first 100, per 1,000 round trips: resident %.1f KiB, heap %.1f KiB\n",
        growthPerThousand(hundredth, last, &MemorySample::residentKiB),
        growthPerThousand(hundredth, last, &MemorySample::heapKiB));
    // A page is the smallest step the resident size takes.
    const long pageKiB = sysconf(_SC_PAGESIZE) / 1024;
    const bool flat
        = last.residentKiB - hundredth.residentKiB <= pageKiB && last.heapKiB - hundredth.heapKiB <= pageKiB;
    std::printf("no growth after the first 100 (within one %ld KiB page from round trip 100 to %ld): %s\n", pageKiB,
        last.roundTrips, verdict(flat));
    return 0;
}
