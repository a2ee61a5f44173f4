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
    const int b = breedte - (p.VScroll ? scrollbalk : 0);
    const int h = hoogte - (p.HScroll ? scrollbalk : 0);
    const int extra = menuOpdracht ? 8 : 0;
    p.Links = p.HScroll ? 8 : extra + T(b, paneelBreedte);
    p.Boven = p.VScroll ? 8 : extra + T(h, paneelHoogte);
    return p;
}

} // namespace rcveltor::app
