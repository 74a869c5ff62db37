// How long the track list takes to draw one screen of rows, and to scroll
// by a page, with a collection of 100,000 tracks in the store. Prints the
// figures (goal: a page in well under 16 ms).
#include "core/CollectionStore.h"
#include "core/TrackRecord.h"
#include "platform/Locations.h"
#include "platform/Paths.h"
#include "platform/Process.h"
#include "platform/Random.h"
#include "ui/TrackList.h"
#include "ui/WindowSkin.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

namespace {

double Now()
{
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return double(c.QuadPart) * 1000.0 / double(f.QuadPart);
}

vuv::TrackList* gList = nullptr;

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_DRAWITEM && gList) {
        gList->Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        return TRUE;
    }
    if (msg == WM_MEASUREITEM) {
        reinterpret_cast<MEASUREITEMSTRUCT*>(lp)->itemHeight = 18;
        return TRUE;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

}  // namespace

int main()
{
    const int kTracks = 100000;
    vuv::SetInstallFolderForRun(vuv::FolderOf(vuv::OwnExecutablePath()) + "..\\suite\\");
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);

    vuv::CollectionStore& store = vuv::TheCollectionStore();
    vuv::SeedRandom(7);
    for (int i = 0; i < kTracks; ++i) {
        char path[260];
        std::snprintf(path, sizeof path, "C:\\Music\\Artist %d\\Album %d\\%02d - Track %d.mp3", i / 120, i / 12,
                      i % 12 + 1, i);
        vuv::TrackRecord t = vuv::CreateTrackRecord(path);
        std::snprintf(t.artist, sizeof t.artist, "Artist %d", i / 120);
        std::snprintf(t.title, sizeof t.title, "A rather long track title number %d", i);
        std::snprintf(t.album, sizeof t.album, "Album %d", i / 12);
        t.preference = uint8_t(i % 10);
        t.lengthMs = 180000 + uint32_t(vuv::RandomBelow(120000));
        t.kbps = 192;
        t.sampleRate = 44100;
        t.channels = 2;
        t.fileSize = t.lengthMs * 24;
        t.year = int16_t(1970 + i % 50);
        t.trackNumber = uint8_t(i % 12 + 1);
        t.volumeBoost = int16_t(i % 3 ? vuv::kVolumeBoostAutomatic : 600);
        t.flags = i % 17 == 0 ? uint32_t(vuv::kFlagNew) : 0u;
        store.AppendTrack(t);
    }

    WNDCLASSA wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TrackListBench";
    RegisterClassA(&wc);
    HWND host = CreateWindowExA(0, wc.lpszClassName, "bench", WS_POPUP | WS_VISIBLE, 0, 0, 1280, 720, nullptr,
                                nullptr, wc.hInstance, nullptr);
    HWND listWindow = CreateWindowExA(0, WC_LISTVIEWA, "",
                                      WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA | LVS_OWNERDRAWFIXED |
                                          LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS,
                                      0, 0, 1266, 700, host, reinterpret_cast<HMENU>(1008), wc.hInstance, nullptr);
    vuv::WindowSkin skin;
    skin.Load(682);
    vuv::TrackList list;
    gList = &list;
    list.Attach(listWindow, &skin);
    list.CreateColumns();
    list.SetItemCount();
    Pump();

    // One page of rows composed and copied, as the list asks for them.
    RECT client{};
    GetClientRect(listWindow, &client);
    const int rowsPerPage = client.bottom / 18;
    HDC dc = GetDC(listWindow);
    const int pages = 50;
    double start = Now();
    for (int page = 0; page < pages; ++page) {
        const int first = (page * 1999) % (kTracks - rowsPerPage);
        for (int r = 0; r < rowsPerPage; ++r) {
            DRAWITEMSTRUCT item{};
            item.CtlType = ODT_LISTVIEW;
            item.itemID = UINT(first + r);
            item.hwndItem = listWindow;
            item.hDC = dc;
            item.rcItem = RECT{0, r * 18, 2062, r * 18 + 18};
            item.itemState = r == 3 ? ODS_SELECTED : 0;
            list.Draw(item);
        }
    }
    const double perPage = (Now() - start) / pages;
    ReleaseDC(listWindow, dc);

    // Scrolling by a page through the real control (its own redraw included).
    const int scrolls = 40;
    start = Now();
    for (int i = 0; i < scrolls; ++i) {
        SendMessageA(listWindow, WM_VSCROLL, SB_PAGEDOWN, 0);
        UpdateWindow(listWindow);
    }
    const double perScroll = (Now() - start) / scrolls;

    std::printf("tracks: %d, rows per page: %d\n", kTracks, rowsPerPage);
    std::printf("draw one page of rows: %.2f ms\n", perPage);
    std::printf("scroll by a page (with redraw): %.2f ms\n", perScroll);
    gList = nullptr;
    DestroyWindow(host);
    return 0;
}
