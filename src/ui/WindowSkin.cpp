#include "ui/WindowSkin.h"

#include "platform/Locations.h"
#include "ui/Backdrop.h"
#include "ui/PlayBars.h"

namespace vuv {

std::string SkinFilePath(const std::string& name)
{
    std::string path;
    GetSkinFile(name, path);
    return path;
}

void WindowSkin::Load(int splitter)
{
    colours = ReadColours(SkinFilePath("Editor\\Colors.txt"));
    backdrop = BuildBackdrop(colours, SkinFilePath("Editor\\backdrop.jpg"));
    auto masked = [](const char* name) { return LoadMaskedImage(SkinFilePath(name)); };
    newMark = masked("Editor\\NEW.bmp");
    missingMark = masked("Editor\\FileMissing.bmp");
    excludedMark = masked("Editor\\FileExcluded.bmp");
    highlightMarks[0] = masked("Editor\\SpecialState1.bmp");
    highlightMarks[1] = masked("Editor\\SpecialState2.bmp");
    highlightMarks[2] = masked("Editor\\SpecialState3.bmp");
    highlightMarks[3] = masked("Editor\\SpecialState4.bmp");
    preference = masked("Editor\\Preferrence.bmp");
    preferenceOff = masked("Editor\\PreferrenceOff.bmp");
    preferencePointer = masked("Editor\\PrefPointer.bmp");
    boostAuto = masked("Editor\\VolBoostAuto.bmp");
    boostNoAuto = masked("Editor\\VolBoostNoAuto.bmp");
    boostBar = masked("Editor\\VolBoostBar.bmp");
    boostPointer = masked("Editor\\VolBoostPointer.bmp");
    const std::string positionPath = SkinFilePath("Editor\\PlayPosBack.bmp");
    positionBack = LoadSkinImage(positionPath);
    ComposeOntoBackdrop(positionBack, backdrop, kPositionBarLeft, splitter + 11, positionPath);
    positionKnob = LoadSkinImage(SkinFilePath("Editor\\playposslider.bmp"));
    volumeBack = LoadSkinImage(SkinFilePath("Editor\\volumeback.bmp"));
    volume = masked("Editor\\volume.bmp");
    quickFind = masked("Editor\\QuickFind.bmp");
    playing = masked("Editor\\PlayCntrlPlaying.bmp");
    paused = masked("Editor\\PlayCntrlPaused.bmp");
    stopped = masked("Editor\\PlayCntrlStopped.bmp");
    random = masked("Editor\\PlayCntrlRandom.bmp");
}

}  // namespace vuv
