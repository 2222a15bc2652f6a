// kelo_soak: a month on the wall in minutes. The chart window's form runs its real update cycle on a
// simulated clock, minute after minute: sixty ticks of Timer1 a minute, each re-arming the timer and
// reading the time text, and in second 00 the update, the paint into the platform's real surface at the
// window's size and its copy onto the window, as the running screen saver does. Prints one JSON object
// with the wall time taken and the resident memory after the first hour and at the end; on Windows also
// the GDI and USER objects and the handles at both moments, which must not grow. Under Wine, where
// GetGuiResources is not implemented and GetProcessHandleCount answers 0, the GDI objects are counted in
// the process's GDI handle table (tableGdiObjects) and the handles in the system's handle list
// (listedHandles).
//
//   kelo_soak [--minutes N] [--size WxH] [--settings KELO.INI] [--font glypha.ttf]
//   defaults: 43200 minutes (30 days), 1920x1080, KELO.INI and glypha.ttf beside the program
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>
#include <algorithm>

#include "platform/fake/fake_platform.h"
#include "platform/fixed_clock.h"
#include "shell/kelo_form.h"

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>

#include "platform/win32/gdiplus_surface.h"
#include "platform/win32/win32_system.h"
#else
#include "platform/cairo/cairo_surface.h"
#include "platform/cairo/freetype_font_registry.h"
#endif

namespace {

constexpr int64_t kMsPerMinute = 60000;
constexpr int kMinutesPerHour = 60;
constexpr int kZoneOffsetSeconds = -5 * 3600;  // New York in winter; the shipped file takes the clock's zone

// The local date and time of a count of milliseconds since 1970-01-01 00:00 UT, in the fixed zone.
LocalDateTime LocalAt(int64_t utcMs) {
    int64_t seconds = utcMs / 1000 + kZoneOffsetSeconds;
    int64_t days = seconds / 86400;
    const int64_t inDay = seconds % 86400;
    // The civil date of a day count, by 400-year eras from March 1 (the inverse of UtcMinuteOf's).
    days += 719468;
    const int64_t era = days / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t mp = (5 * dayOfYear + 2) / 153;
    LocalDateTime t;
    t.day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    t.year = static_cast<int>(yearOfEra + era * 400 + (t.month <= 2 ? 1 : 0));
    t.hour = static_cast<int>(inDay / 3600);
    t.minute = static_cast<int>(inDay / 60 % 60);
    t.second = static_cast<int>(inDay % 60);
    t.utcOffsetSeconds = kZoneOffsetSeconds;
    return t;
}

struct Counts {
    long rssKiB = 0;
    // Windows only; -1 where the system cannot say.
    long gdiObjects = -1, userObjects = -1, handles = -1, listedHandles = -1, tableGdiObjects = -1;
};

#ifdef _WIN32
// The process's kernel handles as the system's handle list has them (NtQuerySystemInformation,
// SystemHandleInformation): where GetProcessHandleCount says nothing (Wine answers 0), the list does.
long HandlesInSystemList() {
    struct Entry {
        USHORT processId, creatorBackTraceIndex;
        UCHAR objectTypeIndex, handleAttributes;
        USHORT handleValue;
        PVOID object;
        ULONG grantedAccess;
    };
    struct List {
        ULONG count;
        Entry entries[1];
    };
    using QueryFn = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<QueryFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    if (query == nullptr) return -1;
    constexpr ULONG kSystemHandleInformation = 16;
    std::vector<char> buffer(1 << 20);
    ULONG needed = 0;
    LONG status;
    while ((status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed)) ==
               static_cast<LONG>(0xC0000004) /* STATUS_INFO_LENGTH_MISMATCH */ &&
           buffer.size() < (256u << 20))
        buffer.resize(std::max<size_t>(buffer.size() * 2, needed));
    if (status != 0) return -1;
    const auto* list = reinterpret_cast<const List*>(buffer.data());
    const USHORT self = static_cast<USHORT>(GetCurrentProcessId());
    long n = 0;
    for (ULONG i = 0; i < list->count; ++i)
        if (list->entries[i].processId == self) ++n;
    return n;
}

// The GDI objects in the process's GDI handle table (the table the process environment block names,
// entries of 24 bytes, a type byte that is 0 in a free entry): where GetGuiResources is not
// implemented (Wine keeps this table per process), it counts what GetGuiResources would.
long GdiObjectsInHandleTable() {
    struct Entry {
        UINT64 object;
        ULONG owner;
        USHORT unique;
        UCHAR type, flags;
        UINT64 userPointer;
    };
    static_assert(sizeof(Entry) == 24);
    constexpr size_t kTableOfPeb = 0xF8, kEntries = 0x10000;
    const char* peb = nullptr;
    asm("mov %%gs:0x60, %0" : "=r"(peb));  // the x64 thread block's pointer to the process block
    const auto* table = *reinterpret_cast<const Entry* const*>(peb + kTableOfPeb);
    if (table == nullptr) return -1;
    long n = 0;
    for (size_t i = 0; i < kEntries; ++i)
        if (table[i].type != 0) ++n;
    return n;
}

// The memory last: the handle list's buffer is in the working set at both moments, not at the end only.
Counts Measure() {
    Counts c;
    // A count the system cannot give is -1 (GetGuiResources gives 0 on failure).
    SetLastError(0);
    const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    c.gdiObjects = gdi == 0 && GetLastError() != 0 ? -1 : static_cast<long>(gdi);
    SetLastError(0);
    const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    c.userObjects = user == 0 && GetLastError() != 0 ? -1 : static_cast<long>(user);
    DWORD handles = 0;
    c.handles = GetProcessHandleCount(GetCurrentProcess(), &handles) ? static_cast<long>(handles) : -1;
    c.listedHandles = HandlesInSystemList();
    if (c.gdiObjects < 0) c.tableGdiObjects = GdiObjectsInHandleTable();
    PROCESS_MEMORY_COUNTERS pmc{};
    if (GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc)) c.rssKiB = static_cast<long>(pmc.WorkingSetSize / 1024);
    return c;
}

// The chart window as the saver has it on one monitor: the GDI+ surface, copied at every paint onto a
// window-sized bitmap in its own device context, as WM_PAINT copies it onto the window.
class SoakWindow : public FakeChartWindow {
public:
    SoakWindow(int width, int height) {
        surface_.SetDeviceSize(width, height);
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~SoakWindow() override {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    void SetLogicalSize(double w, double h) override { surface_.SetCoordinates(0, 0, w, h); }
    Surface& PaintSurface() override { return surface_; }
    void PresentPaint() override {
        surface_.CopyTo(dc_);
        ++presents;
    }

private:
    GdiplusSurface surface_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
};
#else
Counts Measure() {
    Counts c;
    if (FILE* f = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, f))
            if (std::strncmp(line, "VmRSS:", 6) == 0) c.rssKiB = std::strtol(line + 6, nullptr, 10);
        std::fclose(f);
    }
    return c;
}

// The chart window as the saver has it on one monitor: the Cairo back buffer of the window's size,
// presented at every paint onto the window (here an image of the same size), as the draw handler does.
class SoakWindow : public FakeChartWindow {
public:
    SoakWindow(FreeTypeFontRegistry& fonts, int width, int height) : surface_(fonts) {
        surface_.SetWindowSize(width, height);
        window_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
        cr_ = cairo_create(window_);
    }
    ~SoakWindow() override {
        cairo_destroy(cr_);
        cairo_surface_destroy(window_);
    }
    void SetLogicalSize(double w, double h) override { surface_.SetCoordinates(0, 0, w, h); }
    Surface& PaintSurface() override { return surface_; }
    void PresentPaint() override {
        surface_.Present(cr_);
        ++presents;
    }

private:
    CairoWindowSurface surface_;
    cairo_surface_t* window_ = nullptr;
    cairo_t* cr_ = nullptr;
};
#endif

std::string CountsJson(const char* moment, const Counts& c) {
    std::string json = ", \"rss" + std::string(moment) + "KiB\": " + std::to_string(c.rssKiB);
#ifdef _WIN32
    json += ", \"gdiObjects" + std::string(moment) + "\": " + std::to_string(c.gdiObjects);
    json += ", \"userObjects" + std::string(moment) + "\": " + std::to_string(c.userObjects);
    json += ", \"handles" + std::string(moment) + "\": " + std::to_string(c.handles);
    json += ", \"listedHandles" + std::string(moment) + "\": " + std::to_string(c.listedHandles);
    json += ", \"tableGdiObjects" + std::string(moment) + "\": " + std::to_string(c.tableGdiObjects);
#endif
    return json;
}

int Usage() {
    std::fputs("usage: kelo_soak [--minutes N] [--size WxH] [--settings KELO.INI] [--font glypha.ttf]\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    long minutes = 43200;
    int width = 1920, height = 1080;
    const std::filesystem::path folder = std::filesystem::path(argv[0]).parent_path();
    std::string settings = (folder / "KELO.INI").string(), font = (folder / "glypha.ttf").string();
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (i + 1 >= argc) return Usage();
        const char* v = argv[++i];
        if (a == "--minutes") {
            minutes = std::strtol(v, nullptr, 10);
        } else if (a == "--size") {
            if (std::sscanf(v, "%dx%d", &width, &height) != 2) return Usage();
        } else if (a == "--settings") {
            settings = v;
        } else if (a == "--font") {
            font = v;
        } else {
            return Usage();
        }
    }
    if (minutes < 1 || width < 16 || height < 16 || width > 16384 || height > 16384) return Usage();

    // The platform: the real surface and font registration, a clock that the loop sets, and the rest
    // of the start-up's needs answered quietly (no message boxes: a failed check is counted instead).
#ifdef _WIN32
    GdiplusSession gdiplus;
    Win32FontRegistry fonts;
    SoakWindow window(width, height);
#else
    FreeTypeFontRegistry fonts;
    SoakWindow window(fonts, width, height);
#endif
    FakeOptionsDialog options;
    FakeMessageBoxes boxes;
    FakePointer pointer;
    int64_t utcMs = 1795582800000;  // 2026-11-25 00:00 in New York (05:00 UT)
    FixedClock clock(LocalAt(utcMs), 1);
    FakeRegistry registry;
    FakeTextFiles textFiles;
    NoInstanceLock instance;
    FakeProcess process;
    process.programDir = std::filesystem::path(settings).parent_path().string();
    process.settingsFileName = settings;
    process.glyphFontPath = font;
    Platform platform{window, options, boxes, pointer, fonts, clock, registry, textFiles, instance, process};

    ChartState s;
    KeloForm form(s, platform);
    try {
        window.Load(form);
    } catch (const ProcessEnded& e) {
        std::fprintf(stderr, "kelo_soak: start-up ended the program with status %d (settings %s)\n", e.status,
                     settings.c_str());
        return 1;
    }
    // The first expose: the window's size, then the picture.
    form.Form_Resize();
    form.Form_Paint();

    Counts start, end;
    const auto began = std::chrono::steady_clock::now();
    for (long minute = 1; minute <= minutes; ++minute) {
        for (int second = 0; second < 60; ++second) {
            utcMs += 1000;
            clock.Set(LocalAt(utcMs));
            form.Timer1_Timer();
        }
        if (minute == kMinutesPerHour) start = Measure();
    }
    end = Measure();
    if (minutes < kMinutesPerHour) start = end;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    if (!boxes.shown.empty())
        std::fprintf(stderr, "kelo_soak: %zu settings messages, the first: %s\n", boxes.shown.size(),
                     boxes.shown.front().text.c_str());

    std::printf("{\"minutes\": %ld, \"seconds\": %.1f%s%s, \"paints\": %d}\n", minutes, seconds,
                CountsJson("Start", start).c_str(), CountsJson("End", end).c_str(), window.presents);
    return boxes.shown.empty() ? 0 : 1;
}
