// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "preflight.h"

#include <QGuiApplication>

#if DUSET_WITH_XCB
#include <xcb/xcb.h>

#include <cstdint>
#endif

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <new>

#include <fcntl.h>
#include <pthread.h>
#include <sys/mman.h>
#include <sys/resource.h>

namespace duset {

namespace {

constexpr std::size_t MiB = 1024 * 1024;

// What the program takes from here to a full tour of its screens, beside
// the threads' stacks, with fontconfig scanning every font folder afresh:
// about 20 MiB on Debian 12. The rest is for bigger font sets, input
// methods and a screen reader's bridge.
constexpr std::size_t RoomBesideStacks = 64 * MiB;
// Qt's reader of the X server's events, its D-Bus connection and the
// painter's helpers that draw the star field.
constexpr std::size_t Threads = 4;
// The program holds about a dozen files at once (the X server, D-Bus,
// fontconfig's caches, wake-ups of the event loops); a screen reader's bus
// and an input method add to them.
constexpr int DescriptorsNeeded = 32;

constexpr double SmallestScale = 1.0 / 64;
constexpr double LargestScale = 64;

const char *const NoMemoryMessage
    = "duset: เริ่มโปรแกรมไม่ได้ เพราะหน่วยความจำไม่พอ: ต้องการที่ว่างอีกราว %zu MiB "
      "ซึ่งขีดจำกัด (ulimit -v, ulimit -d) หรือระบบไม่เหลือให้\n"
      "duset: the program cannot start for want of memory: it needs room for about %zu MiB more, which the limits "
      "(ulimit -v, ulimit -d) or the system do not leave\n";
const char *const NoDescriptorsMessage
    = "duset: เริ่มโปรแกรมไม่ได้ เพราะขีดจำกัดจำนวนไฟล์ที่เปิดได้ (ulimit -n) เหลือให้เปิดได้อีก %d ไฟล์ "
      "แต่โปรแกรมต้องเปิดได้อย่างน้อย %d ไฟล์\n"
      "duset: the program cannot start: the limit on open files (ulimit -n) leaves %d free, and it needs at least "
      "%d\n";
const char *const MemoryRanOutMessage = "duset: โปรแกรมทำงานต่อไม่ได้ เพราะหน่วยความจำหมด\n"
                                        "duset: the program cannot go on: it has run out of memory\n";
const char *const ScaleFactorMessage
    = "duset: ไม่ใช้ QT_SCALE_FACTOR=%s เพราะมาตราส่วนต้องเป็นตัวเลขตั้งแต่ 1/64 ถึง 64 "
      "หน้าต่างจึงใช้มาตราส่วนของเดสก์ท็อป\n"
      "duset: QT_SCALE_FACTOR=%s is left out: a scale factor is a number from 1/64 to 64; the windows keep the "
      "desktop's own scale\n";
const char *const DepthMessage = "duset: แสดงหน้าต่างบนจอภาพนี้ไม่ได้ เพราะไม่รองรับสี %d บิตของจอภาพนี้\n"
                                 "duset: the program cannot draw on this display: its colour depth of %d bits is "
                                 "not supported\n";

std::size_t threadStackSize()
{
    std::size_t size = 8 * MiB;
    pthread_attr_t defaults;
    if (pthread_getattr_default_np(&defaults) == 0) {
        pthread_attr_getstacksize(&defaults, &size);
        pthread_attr_destroy(&defaults);
    }
    return size;
}

// Asking for the room, writable and private as the heap and the stacks are,
// meets every limit that would refuse them: the address space, the data
// size and the system's commit limit. Its pages are never touched.
bool hasRoomInMemory(std::size_t bytes)
{
    void *room = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (room == MAP_FAILED)
        return false;
    munmap(room, bytes);
    return true;
}

// A descriptor is free where no file holds its number below the limit.
int freeDescriptors()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return DescriptorsNeeded;
    int free = 0;
    for (rlim_t fd = 0; fd < limit.rlim_cur && free < DescriptorsNeeded; ++fd) {
        if (fcntl(int(fd), F_GETFD) == -1 && errno == EBADF)
            ++free;
    }
    return free;
}

void leaveOutUnusableScaleFactor()
{
    const char *text = std::getenv("QT_SCALE_FACTOR");
    if (!text || !*text)
        return;
    const char *end = text + std::strlen(text);
    double factor = 0;
    const auto [last, error] = std::from_chars(text, end, factor);
    if (error == std::errc() && last == end && std::isfinite(factor) && factor >= SmallestScale
        && factor <= LargestScale)
        return;
    std::fprintf(stderr, ScaleFactorMessage, text, text);
    unsetenv("QT_SCALE_FACTOR");
}

} // namespace

void endForWantOfMemory()
{
    std::fputs(MemoryRanOutMessage, stderr);
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

bool prepareProcess()
{
    const std::size_t need = RoomBesideStacks + Threads * threadStackSize();
    if (!hasRoomInMemory(need)) {
        std::fprintf(stderr, NoMemoryMessage, need / MiB, need / MiB);
        return false;
    }
    if (const int free = freeDescriptors(); free < DescriptorsNeeded) {
        std::fprintf(stderr, NoDescriptorsMessage, free, DescriptorsNeeded, free, DescriptorsNeeded);
        return false;
    }
    // Qt's containers throw when they cannot grow, and nothing that draws or
    // reads the X server can go on half-built: whatever asks for memory and
    // gets none ends the program.
    std::set_new_handler(endForWantOfMemory);
    static const std::terminate_handler previous = std::set_terminate([] {
        try {
            if (const std::exception_ptr failure = std::current_exception())
                std::rethrow_exception(failure);
        } catch (const std::bad_alloc &) {
            endForWantOfMemory();
        } catch (...) {
        }
        previous();
    });
    leaveOutUnusableScaleFactor();
    return true;
}

#if DUSET_WITH_XCB
namespace {

// The colour depth of the X screen's own visual where Qt cannot draw through
// it, else 0. Qt paints into an image in the format of the window's visual,
// which is the screen's own: it has such formats for true colour of 15 bits
// and more and for 8-bit grey, and none for a colour map.
int undrawableDepth(xcb_connection_t *connection)
{
    char *host = nullptr;
    int display = 0;
    int number = 0;
    if (xcb_parse_display(nullptr, &host, &display, &number))
        std::free(host);
    else
        number = 0;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (; screens.rem && number > 0; --number)
        xcb_screen_next(&screens);
    if (!screens.rem)
        return 0;
    const xcb_screen_t *screen = screens.data;
    for (auto depths = xcb_screen_allowed_depths_iterator(screen); depths.rem; xcb_depth_next(&depths)) {
        for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem; xcb_visualtype_next(&visuals)) {
            if (visuals.data->visual_id != screen->root_visual)
                continue;
            const std::uint8_t kind = visuals.data->_class;
            const bool colour = kind == XCB_VISUAL_CLASS_TRUE_COLOR || kind == XCB_VISUAL_CLASS_DIRECT_COLOR;
            if ((colour && screen->root_depth >= 15)
                || (kind == XCB_VISUAL_CLASS_GRAY_SCALE && screen->root_depth == 8))
                return 0;
            return screen->root_depth;
        }
    }
    return 0;
}

} // namespace
#endif

bool canDrawOnDisplay()
{
#if DUSET_WITH_XCB
    // Only an X server offers displays of that kind.
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (const int depth = connection ? undrawableDepth(connection) : 0) {
        std::fprintf(stderr, DepthMessage, depth, depth);
        return false;
    }
#endif
    return true;
}

} // namespace duset
