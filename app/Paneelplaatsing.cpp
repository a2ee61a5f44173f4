#include "app/Paneelplaatsing.h"

namespace rcveltor::app {

namespace {
// The panel's offset that centres it in the area, in one direction; the
// integer division truncates toward zero.
int Gecentreerd(int gebied, int paneel) {
    return (gebied - paneel - 20) / 2;
}
} // namespace

TPlaatsing PlaatsPaneel(int breedte, int hoogte, int paneelBreedte, int paneelHoogte,
                        int scrollbalk, bool menuOpdracht) {
    TPlaatsing plaatsing;
    // Scroll bars with the panel at 8, 8; one bar narrows the room for the other.
    const int rechts = 8 + paneelBreedte;
    const int onder = 8 + paneelHoogte;
    plaatsing.HScroll = breedte < rechts;
    plaatsing.VScroll = hoogte < onder;
    if (plaatsing.HScroll && !plaatsing.VScroll) {
        plaatsing.VScroll = hoogte - scrollbalk < onder;
    }
    if (plaatsing.VScroll && !plaatsing.HScroll) {
        plaatsing.HScroll = breedte - scrollbalk < rechts;
    }
    // Centred on the whole area, scroll bars included: the bar of one
    // direction does not move the panel in the other.
    const int extra = menuOpdracht ? 8 : 0;
    plaatsing.Links = plaatsing.HScroll ? 8 : extra + Gecentreerd(breedte, paneelBreedte);
    plaatsing.Boven = plaatsing.VScroll ? 8 : extra + Gecentreerd(hoogte, paneelHoogte);
    return plaatsing;
}

} // namespace rcveltor::app
