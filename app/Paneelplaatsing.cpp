#include "Paneelplaatsing.h"

namespace rcveltor::app {

namespace {
int T(int a, int b) {
    return (a - b - 20) / 2;
} // integer division truncates toward zero
} // namespace

TPlaatsing PlaatsPaneel(int breedte, int hoogte, int paneelBreedte, int paneelHoogte,
                        int scrollbalk, bool menuOpdracht) {
    TPlaatsing p;
    // Scroll bars with the panel at 8, 8; one bar narrows the room for the other.
    const int rechts = 8 + paneelBreedte;
    const int onder = 8 + paneelHoogte;
    p.HScroll = breedte < rechts;
    p.VScroll = hoogte < onder;
    if (p.HScroll && !p.VScroll) {
        p.VScroll = hoogte - scrollbalk < onder;
    }
    if (p.VScroll && !p.HScroll) {
        p.HScroll = breedte - scrollbalk < rechts;
    }
    // Centred on the whole area, scroll bars included: the bar of one
    // direction does not move the panel in the other.
    const int extra = menuOpdracht ? 8 : 0;
    p.Links = p.HScroll ? 8 : extra + T(breedte, paneelBreedte);
    p.Boven = p.VScroll ? 8 : extra + T(hoogte, paneelHoogte);
    return p;
}

} // namespace rcveltor::app
