#pragma once
// A window holding every control kind the window services offer, for looking
// at how the Qt view draws them and for the view's tests. Runs as a procedure
// (on its own thread): zorozo::qtview::gallery_program.

#include <string>
#include <vector>

namespace zorozo::qtview {

void gallery_program();
// An MDI frame with a menu, a status bar and a background image that opens the
// gallery window inside it.
void gallery_frame_program();

// The values the gallery's bound controls hold when it closes (tests read them).
struct GalleryValues {
    std::string ime;
    std::string lozinka;
    int broj = 0;
    int aktivan = 0;
    int kolicina = 0;
    std::string biljeske;
    std::vector<std::string> events; // "accepted 15", "rejected 7" ...
};
GalleryValues last_gallery_values();

} // namespace zorozo::qtview
