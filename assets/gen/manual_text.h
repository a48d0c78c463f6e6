// The words of the instruction leaflet, page by page.
#pragma once

namespace zxa {

// What a page shows beside its text.
enum class PageArt {
    cover,
    device,
    timeFace,
    clockFaces,
    readyFace,
    field,
    attack,
    bonus,
    miss,
    hiscore,
    keys,
    sound
};

struct ManualPageText {
    const char* title;
    const char* body;  // paragraphs separated by blank lines
    PageArt art;
};

// Pages 1..12 at indices 0..11.
const ManualPageText& manualPageText(int n);

}  // namespace zxa
