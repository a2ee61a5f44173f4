#pragma once

// Where a calculation screen's panel sits in its scrolling area.

namespace rcveltor::app {

struct TPlaatsing {
    int Links = 8;        // panel's left edge in the area [px]
    int Boven = 8;        // panel's top edge in the area [px]
    bool HScroll = false; // the area shows a horizontal scroll bar
    bool VScroll = false; // the area shows a vertical scroll bar
};

// breedte x hoogte: the area's size without scroll bars; scrollbalk: the
// thickness of a scroll bar. A resize centres the panel at
// (area - panel - 20) / 2 in each direction; a menu command puts it 8
// further right and down. A scroll bar keeps the panel at 8 from that edge.
TPlaatsing PlaatsPaneel(int breedte, int hoogte, int paneelBreedte, int paneelHoogte,
                        int scrollbalk, bool menuOpdracht);

} // namespace rcveltor::app
