#include "ui/PlayControlPanel.h"

#include "core/CollectionStore.h"
#include "platform/Paths.h"
#include "platform/UserMessages.h"
#include "player/PlayQueue.h"
#include "player/PlayerLink.h"
#include "player/QueueView.h"
#include "plugins/TrackInfo.h"
#include "resources/resource.h"
#include "selection/SelectionIndex.h"
#include "ui/FileDialog.h"
#include "ui/PlayBars.h"
#include "ui/SiblingPrograms.h"

#include <algorithm>
#include <cstdint>

namespace vuv {

namespace {

constexpr DWORD kSeekSettleMs = 2000;  // the player needs this long to move after a seek

}  // namespace

void ReportQueueResult(const QueueResult& result)
{
    if (!result.queueInUse.empty())
        ShowMessage(QueueInUseMessage(result.queueInUse), kProgramTitle, MessageButtons::Ok, MessageIcon::Warning);
}

void PlayControlPanel::Create(HWND window, HINSTANCE instance, ButtonBar& bar, const WindowSkin& skin,
                              int splitter, bool locked, PlayContext& context)
{
    window_ = window;
    context_ = &context;
    instance_ = instance;
    bar_ = &bar;
    skin_ = &skin;
    splitter_ = splitter;
    const int s = splitter;
    auto path = [](const char* name) { return SkinFilePath(name); };
    bar.AddButton(88, s + 11, path("Editor\\PlayCntrlPrev.bmp"), [this] { SkipBack(*context_); }, 0, nullptr,
                  [] { StartSiblingProgram(SiblingProgram::PreviouslyPlayed); },
                  "Skip Back [A right click displays Previously Played / Most Played lists]", skin.backdrop);
    pause_ = bar.AddButton(108, s + 11, path("Editor\\PlayCntrlPause.bmp"),
                           [this] {
                               TogglePause(*context_);
                               Tick();
                           },
                           0, nullptr, nullptr, "Pause",
                           skin.backdrop);
    play_ = bar.AddButton(128, s + 11, path("Editor\\PlayCntrlPlay.bmp"),
                          [this] {
                              PlayToggle(*context_);
                              Tick();
                          },
                          0, nullptr, nullptr, "Play",
                          skin.backdrop);
    bar.AddButton(148, s + 11, path("Editor\\PlayCntrlSkip.bmp"), [this] { Skip(*context_); }, 0, nullptr, nullptr, "Skip",
                  skin.backdrop);
    random_ = bar.AddButton(178, s + 12, path("Editor\\PlayCntrlRandPlay.bmp"),
                            [this] {
                                ToggleRandomPlay(*context_);
                                Tick();
                            },
                            0, nullptr, nullptr,
                            "Randomly Play From Music Collection", skin.backdrop);
    selective_ = bar.AddButton(267, s + 12, path("Editor\\PlayCntrlSelective.bmp"),
                               [this] {
                                   if (onSelectivePlay)
                                       SetLatch(selective_, onSelectivePlay());
                               },
                               0, nullptr, nullptr, "Selective Play of Specified - Artists / Genres / Preference",
                               skin.backdrop);
    SetLatch(selective_, SelectionIndexHasEntries(UserSelectionFiles().index));
    mute_ = bar.AddButton(468, s + 9, path("Editor\\Mute.bmp"),
                          [this] {
                              Link().mute.Toggle();
                              Tick();
                          },
                          0, nullptr, nullptr, "Mute", skin.backdrop);
    bar.AddButton(582, s + 9, path("Editor\\PlakButton.bmp"),
                  [] { NamedEvent(Link().ObjectName("evtTbShowPlak").c_str()).Set(); }, 0, nullptr, nullptr, "Tonbrook",
                  skin.backdrop);
    bar.AddButton(609, s + 9, path("Editor\\MenuButton.bmp"), [] { StartSiblingProgram(SiblingProgram::Menu); }, 0,
                  nullptr, nullptr, "Options Menu", skin.backdrop);
    bar.AddButton(636, s + 9, path("Editor\\Playlist.bmp"), nullptr, IDR_MENU_PLAYLIST, nullptr, nullptr,
                  "Playlist", skin.backdrop);
    RECT client{};
    GetClientRect(window, &client);
    lock_ = bar.AddButton(client.right - 30, s + 10, path("Editor\\Un-Locked.bmp"),
                          [this] {
                              if (bar_->IsLatched(lock_))
                                  bar_->Release(lock_);
                              else
                                  bar_->Latch(lock_);
                              if (onLockChanged)
                                  onLockChanged(Locked());
                          },
                          0, nullptr, nullptr, "Locks Music Collection (so cannot be edited)", skin.backdrop);
    if (locked)
        bar.Latch(lock_);

    queue_ = GetDlgItem(window, IDC_QUEUE_VIEW);
    LVCOLUMNA column{};
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.cx = 480;
    column.pszText = const_cast<char*>("Title");
    SendMessageA(queue_, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    ListView_SetBkColor(queue_, skin.colours.listBackground);
    ListView_SetExtendedListViewStyle(queue_, LVS_EX_INFOTIP | LVS_EX_FULLROWSELECT);
    if (HWND tips = ListView_GetToolTips(queue_)) {
        SendMessageA(tips, TTM_SETDELAYTIME, TTDT_INITIAL, 2000);
        SendMessageA(tips, TTM_SETDELAYTIME, TTDT_AUTOPOP, 20000);
    }
}

bool PlayControlPanel::Locked() const { return bar_ && bar_->IsLatched(lock_); }

void PlayControlPanel::PlaceLock(int width)
{
    if (lock_ && lock_->window)
        SetWindowPos(lock_->window, nullptr, width - 30, splitter_ + 10, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PlayControlPanel::Tick()
{
    PlayerLink& link = Link();
    const struct {
        BitmapButton* button;
        bool on;
    } latches[] = {{pause_, link.pause.IsSet()},
                   {play_, link.play.IsSet()},
                   {random_, link.myMusicRandom.IsSet()},
                   {mute_, link.mute.IsSet()}};
    for (const auto& latch : latches)
        SetLatch(latch.button, latch.on);
    PositionAndVolume(nullptr);
}

void PlayControlPanel::SetLatch(BitmapButton* button, bool on)
{
    if (!button || on == bar_->IsLatched(button))
        return;
    if (on)
        bar_->Latch(button);
    else
        bar_->Release(button);
}

void PlayControlPanel::PrepareMenu(HMENU menu) const
{
    if (!SiblingInstalled(SiblingProgram::Playlist))
        EnableMenuItem(menu, IDM_PLAYLIST_CREATOR, MF_BYCOMMAND | MF_GRAYED);
}

void PlayControlPanel::PositionAndVolume(HDC given)
{
    if (!skin_ || skin_->positionBack.Empty() || skin_->positionKnob.Empty() || skin_->volumeBack.Empty() ||
        skin_->volume.Empty())
        return;
    if (seeking_ && GetTickCount() - lastSeek_ < kSeekSettleMs)
        return;
    seeking_ = false;
    HDC dc = given ? given : GetDC(window_);
    if (!draggingPosition_)
        draggedPercent_ = -1;
    const int y = splitter_ + 11;
    skin_->positionBack.Draw(dc, kPositionBarLeft, y);
    int percent = draggedPercent_;
    if (!draggingPosition_) {
        TrackTime time{};
        Link().trackTime.Get(&time);
        percent = time.lengthMs ? int(std::min<uint64_t>(uint64_t(time.elapsedMs) * 100 / time.lengthMs, 100)) : 0;
    }
    skin_->positionKnob.Draw(dc, KnobX(percent, skin_->positionKnob.Width()), y);
    if (!draggingVolume_)
        volume_ = int(std::min<uint32_t>(Link().volume.GetU32(), 100));
    skin_->volumeBack.Draw(dc, kVolumeBarLeft, y);
    skin_->volume.DrawPart(dc, kVolumeBarLeft, y, volume_ * kVolumeBarWidth / 100);
    if (!given)
        ReleaseDC(window_, dc);
}

void PlayControlPanel::MouseDown(POINT point)
{
    switch (BarAt(point.x, point.y, splitter_)) {
    case BarHit::Position:
        draggingPosition_ = true;
        draggedPercent_ = PositionPercentAt(point.x);
        PositionAndVolume(nullptr);
        SetCapture(window_);
        break;
    case BarHit::Volume:
        draggingVolume_ = true;
        volume_ = VolumeAt(point.x);
        Link().volume.SetU32(uint32_t(volume_));
        PositionAndVolume(nullptr);
        SetCapture(window_);
        break;
    default:
        break;
    }
}

void PlayControlPanel::MouseMove(POINT point)
{
    if (draggingPosition_) {
        draggedPercent_ = PositionPercentAt(point.x);
        PositionAndVolume(nullptr);
    } else if (draggingVolume_) {
        volume_ = VolumeAt(point.x);
        Link().volume.SetU32(uint32_t(volume_));
        PositionAndVolume(nullptr);
    }
}

void PlayControlPanel::MouseUp()
{
    if (draggingPosition_ && draggedPercent_ >= 0) {
        ReleaseCapture();
        Link().skipToPos.SetU32(uint32_t(draggedPercent_) + 1);
        lastSeek_ = GetTickCount();
        seeking_ = true;
    }
    if (draggingVolume_)
        ReleaseCapture();
    draggingPosition_ = false;
    draggingVolume_ = false;
}

void PlayControlPanel::FillQueueView()
{
    if (!queue_)
        return;
    queueLines_.clear();
    for (QueueViewLine& line : BuildQueueView(*context_))
        queueLines_.push_back({line.kind, std::move(line.text)});
    SendMessageA(queue_, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(queue_);
    for (size_t i = 0; i < queueLines_.size(); ++i) {
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = int(i);
        item.pszText = const_cast<char*>(queueLines_[i].text.c_str());
        item.lParam = LPARAM(i);
        SendMessageA(queue_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(queue_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(queue_, nullptr, TRUE);
}

// A line: the kind's icon (what plays, stopped, random play), then its text
// with a one-pixel shadow, indented by kind: queued items under the icons'
// text, playlist entries under their playlist.
void PlayControlPanel::DrawQueueLine(const DRAWITEMSTRUCT& item)
{
    if (!skin_ || item.itemID >= queueLines_.size())
        return;
    const QueueLine& line = queueLines_[item.itemID];
    const SkinColours& c = skin_->colours;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    HDC dc = item.hDC;
    const RECT r = item.rcItem;
    HBRUSH back = CreateSolidBrush(selected ? c.selectedBackground : c.listBackground);
    FillRect(dc, &r, back);
    DeleteObject(back);
    int x = r.left + 24;
    switch (line.kind) {
    case kQueueLinePlaying:
        (Link().pause.IsSet() ? skin_->paused : skin_->playing).Draw(dc, r.left + 6, r.top + 2);
        break;
    case kQueueLineNotPlaying:
        skin_->stopped.Draw(dc, r.left + 6, r.top + 3);
        break;
    case kQueueLineRandom:
        skin_->random.Draw(dc, r.left + 6, r.top + 2);
        break;
    case kQueueLineQueued:
    case kQueueLinePlaylist:
        x = r.left + 40;
        break;
    case kQueueLinePlaylistEntry:
        x = r.left + 56;
        break;
    default:
        break;
    }
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    RECT shadow{x, r.top + 1, r.right, r.bottom + 1};
    SetTextColor(dc, selected ? c.queueSelectedShadow : c.queueShadow);
    DrawTextA(dc, line.text.c_str(), -1, &shadow, format);
    RECT face{x, r.top, r.right, r.bottom};
    SetTextColor(dc, selected ? c.selectedText : c.listText);
    DrawTextA(dc, line.text.c_str(), -1, &face, format);
    SetBkMode(dc, oldMode);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(dc, &r);
}

void PlayControlPanel::QueueMenu(POINT screenPoint)
{
    const int mark = int(SendMessageA(queue_, LVM_GETSELECTIONMARK, 0, 0));
    const int kind = mark >= 0 && size_t(mark) < queueLines_.size() ? queueLines_[mark].kind : kQueueLinePlaying;
    if (kind == kQueueLineBlank)
        return;
    const bool notPlaying = kind == kQueueLineNotPlaying;
    HMENU menu = LoadMenuA(instance_, MAKEINTRESOURCEA(notPlaying ? IDR_MENU_NOT_PLAYING : IDR_MENU_PLAYING));
    if (!menu)
        return;
    HMENU popup = GetSubMenu(menu, 0);
    if (!notPlaying) {
        EnableMenuItem(popup, IDM_ENQUEUE_PLAYING,
                       MF_BYCOMMAND | (kind == kQueueLinePlaying ? MF_ENABLED : MF_GRAYED));
        CheckMenuItem(popup, IDM_RANDOM_PLAY_TOGGLE,
                      MF_BYCOMMAND | (Link().myMusicRandom.IsSet() ? MF_CHECKED : MF_UNCHECKED));
    }
    TrackPopupMenu(popup, TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, 0, window_, nullptr);
    DestroyMenu(menu);
}

void PlayControlPanel::QueueTip(NMLVGETINFOTIPA& tip) const
{
    if (!tip.pszText || tip.cchTextMax <= 0)
        return;
    tip.pszText[0] = '\0';
    if (tip.iItem < 0 || size_t(tip.iItem) >= queueLines_.size() || queueLines_[tip.iItem].kind != kQueueLinePlaying)
        return;
    TrackRecord playing{};
    Link().trackPlaying.Get(&playing);
    CopyBounded(tip.pszText, BuildTrackInfoText(playing).c_str(), size_t(tip.cchTextMax));
}

bool PlayControlPanel::Command(int id)
{
    PlayContext& play = *context_;
    switch (id) {
    case IDM_SKIP:
        Skip(play);
        break;
    case IDM_STOP:
        Stop(play);
        break;
    case IDM_RANDOM_PLAY_TOGGLE:
        ToggleRandomPlay(play);
        Tick();
        break;
    case IDM_ENQUEUE_PLAYING:
        ReportQueueResult(RequeuePlayingTrack(play));
        break;
    case IDM_CLEAR_QUEUE:
        ClearQueue(play);
        break;
    case IDM_SHUFFLE_QUEUE:
        ShuffleQueue(play);
        break;
    case IDM_PLAYLIST_CREATOR:
        StartSiblingProgram(SiblingProgram::Playlist);
        break;
    case IDM_PLAY_PLAYLIST:
    case IDM_ENQUEUE_PLAYLIST: {
        const FileDialogRequest request{"Select Playlist", "Playlists (M3U, PLS)\0*.m3u;*.pls\0",
                                        OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST, false, kLastFolderSetting};
        const std::string file = ChooseFile(window_, request);
        if (!file.empty())
            ReportQueueResult(id == IDM_PLAY_PLAYLIST ? PlayFile(play, file) : EnqueueFile(play, file));
        break;
    }
    case IDM_RANDOM_PLAY_START:
        Link().myMusicRandom.Set();
        [[fallthrough]];
    case IDM_PLAY_START:
        if (!Link().play.IsSet())
            PlayToggle(play);
        Tick();
        break;
    default:
        return false;
    }
    return true;
}

}  // namespace vuv
