// Everything the main window draws from the skin, loaded once when the
// window is created: the colours, the backdrop, and the images of the track
// list, the bars and the queue view. A missing image stays empty and is
// simply not drawn.
#pragma once

#include "ui/SkinColours.h"
#include "ui/SkinImage.h"

#include <string>

namespace vuv {

// The path of a skin file such as "Editor\NEW.bmp" in the active skin.
std::string SkinFilePath(const std::string& name);

struct WindowSkin {
    SkinColours colours;
    SkinImage backdrop;

    // Track list marks and strips.
    MaskedImage newMark, missingMark, excludedMark;
    MaskedImage highlightMarks[4];
    MaskedImage preference, preferenceOff, preferencePointer;
    MaskedImage boostAuto, boostNoAuto, boostBar, boostPointer;
    // Play control bars and the search field's icon.
    SkinImage positionBack;  // composed onto the backdrop at its place
    SkinImage positionKnob;
    SkinImage volumeBack;
    MaskedImage volume;
    MaskedImage quickFind;
    // Queue view line icons; `playing` also marks the playing row.
    MaskedImage playing, paused, stopped, random;

    // `splitter` places the play position bar for its composition.
    void Load(int splitter);
};

}  // namespace vuv
