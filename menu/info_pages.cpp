#include "menu/info_pages.h"

#include <cstring>

const char* const kKeymapPage1[kKeymapPage1Lines] = {
    "         Thrust",
    " ",
    "A            +GUN Catapult power",
    "Z            -GUN Catapult power",
    "S            +Main Rocket power",
    "X            -Main Rocket power",
    "D            +CG_OFF value (CG HIGH)",
    "C            -CG_OFF value (CG LOW)",
    "F            +Count Down sec 0.1",
    "V            -Count Down sec 0.1",
    ",            +Fighter Initial True Air speed knot 10 KNOT (shift 100)",
    ".            -Fighter Initial True Air speed knot 10 KNOT",
    "P             PAUSE simulation",
    "                              ",
    "        Fighter Control",
    "                              ",
    "E(or dblclick)     Eject!    ",
    "NUMPAD 84620. Fighter Rotation [ '0' , '.' for roll] ",
    "NUMPAD 93     Fighter Altitude",
    "-            -Fighter Altitude 2000 ft",
    "=            +Fighter Altitude 2000 ft",
    "U             Place Fighter 18000 ft for MODE 5",
    "TAB           TEXT Toggle",
    "HOME          Reset to zero zero default",
    "NUMPAD / *    Control Playback Speed",
};

const char* const kKeymapPage2[kKeymapPage2Lines] = {
    "Mouse Right Button         Stop simulation",
    "Mouse RightButton drag     Fighter Rotation",
    "[ ]                        SEAT BACK angle control",
    " ",
    "                  WEIGHT",
    " ",
    "G                         +Pilot weight 5 Kg",
    "B                         -Pilot weight 5 Kg",
    "H                         +Seat  weight 5 Kg",
    "N                         -Seat  weight 5 Kg",
    " ",
    "                 CAMERA",
    "ARROW                      Move Camera",
    "PageUp/Dn                  Move Camera Up/Down",
    "LeftMouseButton Drag(IJKM) Camera View Rotate",
    "NUMPAD + -                 ZOOM ",
    "Wheel                      FORWARD/ BACKWARD (right button down: LEFT/RIGHT)",
    "F1                         Free Movable Camera",
    "F2                         Flyby-Fighter",
    "F3                         FlyBy-Pilot",
    "F4                         Watch-Fighter",
    "F5                         Watch-Pilot",
    "F6                         Orbit-Fighter",
    "F7                         Orbit-Pilot",
    "",
    "ESC                        EXIT PROGRAM",
};

namespace {

constexpr int kFirstLineY = 525;
constexpr int kLineStep = 20;

// ABOUT texts: '#' starts a title line (light blue), '*' a line of the
// mode table (yellow); other lines are white. Empty strings leave a gap.
const char* const kAbout1[] = {
    "#The seat",
    "The simulated seat is a rocket-assisted ejection seat: a gun catapult fires it up the",
    "rails, a rocket under the seat carries it clear of the fighter, a drogue steadies it",
    "and the main parachute lowers the pilot after seat/man separation.",
    "The sequencer senses speed and altitude just after the catapult stroke and picks a mode:",
    "",
    "*MODE        KNOT(KEAS)   DROGUE FIRE(RELEASE)  PARACHUTE ROCKET FIRES    Altitude",
    "*Mode 1:    0-  350         0.22   (0.32)             0.45                 0 - 8000 ft",
    "*Mode 2:    350-500         0.22   (1.25)             1.10                 0 - 8000 ft",
    "*Mode 3:    500-600         0.22   (1.45)             1.30                 0 - 8000 ft",
    "*Mode 4:     ALL            0.22   (3.05)             2.90                 8000-18000 ft",
    "*Mode 5:     ALL            0.22   (4.80+t)           4.87+t               18000 ft +",
    "",
    "In mode 5 operation, altitude sensing is to recommence at 4.80 seconds, continuing until",
    "fall-through-condition (below 18,000 ft) is detected.",
    "t = time interval between 4.80 seconds and fall-through-condition.",
    "",
    "#physical description",
    ". height : 56.60 inches",
    ". width  : 20.75 inches",
    ". weight : 228   pounds(103 Kg)",
    ". Seat-back angle   18 degrees",
    ". Maximum Rocket thrust 4,800 pounds for 0.25 seconds\t",
};

const char* const kAbout2[] = {
    "#The simulation",
    "Set the flight condition and the seat on the CONTROL page or with the keys, then",
    "eject with E or a double click. The whole run is computed at once, one step per",
    "millisecond, and played back at full or slowed speed.",
    "",
    "The catapult pushes the seat up the rails until the stroke ends; the rocket then",
    "burns along a line canted from the seat back, so the seat pitches about its centre",
    "of gravity (CG off on Z axis). Drag, gravity and the fighter's own motion act",
    "throughout.",
    "",
    "The drogue fires 0.22 s into the sequence and is released at the time of the mode;",
    "the parachute rocket then pulls the main canopy out, the lines stretch and the",
    "canopy inflates over the distance the pilot falls.",
    "",
    "#The pages",
    "ABOUT     the seat, its modes and pictures of the sequence",
    "KEYMAP    every key and mouse command",
    "CONTROL   every parameter of the seat and the flight",
    "SCENE     named scenes: load, delete, save",
    "OPTION    sound, trees, buildings, sky and the fighter",
};

const char* const kAbout8[] = {
    "#Watching a run",
    "F1 to F7 choose the camera; the small arrows in the camera box do the same while",
    "the menu is closed. The orbit cameras turn with the left button held down.",
    "",
    "Numpad / and * slow the playback down or speed it up again; P pauses it.",
    "HOME puts the fighter back on the runway for the zero-zero case.",
    "",
    "#Scenes and settings",
    "SAVE on the SCENE page keeps the whole set-up under a name; Ctrl+1 keeps it under",
    "the date and time. Escape writes the scene list to Data/scene.ini.",
    "The switches of the OPTION page and the fog colour are kept in Data/3d_eject.ini",
    "when the program ends.",
    "",
    "#VORIX",
    "Ejection seat simulation version 1.0",
};

const char* const kPictureCaptions[] = {
    "#Seat layout",                 // page 3
    "#Operating modes by speed and altitude",
    "#Sequence of events",
    "#Trajectory of the seat",
    "#Rocket thrust and the parachute descent",  // page 7
};

template <size_t N>
int layoutText(const char* const (&source)[N], int panelX, MenuText* lines, int capacity) {
    int n = 0;
    for (size_t k = 0; k < N && n < capacity; ++k) {
        const char* t = source[k];
        float r = 1.0f, g = 1.0f, b = 1.0f;
        if (t[0] == '#') {
            r = 0.6f, g = 0.8f, b = 1.0f;
            ++t;
        } else if (t[0] == '*') {
            r = 1.0f, g = 1.0f, b = 0.0f;
            ++t;
        }
        setMenuText(lines[n++], panelX, kFirstLineY - kLineStep * (int)k, 0, 0.9f, 0.9f, r, g, b, "%s", t);
    }
    return n;
}

}  // namespace

int layoutKeymapPage(int page, int panelX, MenuText* lines, int capacity) {
    const char* const* source = page == 2 ? kKeymapPage2 : kKeymapPage1;
    int count = page == 2 ? kKeymapPage2Lines : kKeymapPage1Lines;
    int n = 0;
    for (int k = 0; k < count && n < capacity; ++k) {
        const char* t = source[k];
        int y = kFirstLineY - kLineStep * k;
        if (t[0] == ' ') setMenuText(lines[n++], panelX, y, 4, 1.2f, 1.0f, 1.0f, 1.0f, 1.0f, "%s", t);
        else setMenuText(lines[n++], panelX, y, 0, 0.8f, 0.9f, 1.0f, 1.0f, 0.0f, "%s", t);
    }
    return n;
}

int layoutAboutPage(int page, int panelX, MenuText* lines, int capacity) {
    switch (page) {
        case 1: return layoutText(kAbout1, panelX, lines, capacity);
        case 2: return layoutText(kAbout2, panelX, lines, capacity);
        case 8: return layoutText(kAbout8, panelX, lines, capacity);
        default: break;
    }
    if (page < 3 || page > 7 || capacity < 1) return 0;
    const char* caption = kPictureCaptions[page - 3];
    setMenuText(lines[0], panelX, kFirstLineY, 0, 0.9f, 0.9f, 0.6f, 0.8f, 1.0f, "%s", caption + 1);
    return 1;
}

int aboutPictures(int page, int panelX, AboutPicture* out, int capacity) {
    // Photo-set slots 40 to 45: one picture on pages 3 to 6, two on page 7.
    if (page >= 3 && page <= 6 && capacity >= 1) {
        out[0] = {40 + (page - 3), rectAt(panelX + 190, 100, 400, 400)};
        return 1;
    }
    if (page == 7 && capacity >= 2) {
        out[0] = {44, rectAt(panelX + 10, 120, 370, 370)};
        out[1] = {45, rectAt(panelX + 400, 120, 370, 370)};
        return 2;
    }
    return 0;
}
