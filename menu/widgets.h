// The menu's widgets as plain records and GL-free behaviour: a value spinner,
// an on/off toggle, an image button, a scroll bar, a name list and a text-entry
// dialog. Rectangles are in the 800 by 600 virtual screen with the origin at
// the top-left, the units of the mouse position. A widget writes the variable
// it is bound to; nothing else is told of a change. Drawing is in
// widgets_draw_gl.cpp.
#pragma once

#include <cstdint>

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

inline Rect rectAt(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }
// Edges included.
inline bool inside(const Rect& r, int x, int y) { return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom; }

// ---- value spinner --------------------------------------------------------------

struct SpinnerArrow {
    int pressCount = 0;      // 1 while held
    uint32_t pressTimeMs = 0;
    uint32_t heldTimeMs = 0;  // time of the last release
    uint32_t holdDelayMs = 0;
};

enum SpinnerHit { kSpinnerOutside = -1, kSpinnerBody = 0, kSpinnerDecrement = 1, kSpinnerIncrement = 2 };

struct ValueSpinner {
    Rect outer;
    // Exactly one target is set.
    float* targetFloat = nullptr;
    double* targetDouble = nullptr;
    int* targetInt = nullptr;
    float valueFloat = 0, minFloat = 0, maxFloat = 0;
    double valueDouble = 0, minDouble = 0, maxDouble = 0;
    int valueInt = 0, minInt = 0, maxInt = 0;
    float step = 1;
    int insetPercent = 5;
    Rect decrement, increment;
    SpinnerArrow arrows[2];  // decrement, increment
};

// Geometry, target and range. The spinner's value is the target's, pulled
// into the range; the target takes it when the spinner next writes (each
// frame it is drawn, and at a click), so a value the keys set outside the
// range stands until the page that edits it is shown. The press state
// survives a rebuild, so a click that rebuilds the menu still counts.
void setupSpinner(ValueSpinner& s, int left, int top, int width, int height, float* target, float min, float max,
                  float step);
void setupSpinner(ValueSpinner& s, int left, int top, int width, int height, double* target, double min,
                  double max, float step);
void setupSpinner(ValueSpinner& s, int left, int top, int width, int height, int* target, int min, int max,
                  float step);
int spinnerHitTest(const ValueSpinner& s, int x, int y);
void spinnerPress(ValueSpinner& s, int x, int y, uint32_t nowMs);
// A press and a release on the same arrow step the value once.
void spinnerRelease(ValueSpinner& s, int x, int y, uint32_t nowMs);
// Every frame: a held arrow runs the value by floor(held ms / 100) steps
// (integer targets times frameFactor); the value is clamped and written to
// the target.
void spinnerTick(ValueSpinner& s, uint32_t nowMs, int frameFactor = 1);
// The mouse button went up somewhere: no arrow stays held.
void spinnerLetGo(ValueSpinner& s);
bool spinnerHeld(const ValueSpinner& s);

// ---- toggle -------------------------------------------------------------------------

struct ToggleBox {
    Rect rect;
    int kind = 1;
    bool enabled = true;
    bool state = false;
    int pressCount = 0;
    bool* target = nullptr;
};

// A disabled toggle is cleared and clears its switch.
void setupToggle(ToggleBox& t, int left, int top, int width, int height, bool* target, bool enabled = true);
void togglePress(ToggleBox& t, int x, int y);
// Flips at the release that completes a press and release inside.
void toggleRelease(ToggleBox& t, int x, int y);
// Every frame: writes the state into the switch.
void toggleTick(ToggleBox& t);

// ---- image button ------------------------------------------------------------------

struct ImageButton {
    Rect rect;
    int hoverImage = -1;   // TGA image index, -1 for none
    int normalImage = -1;
};

void setupButton(ImageButton& b, int x0, int y0, int x1, int y1, int hoverImage = -1, int normalImage = -1);
// A click is a release inside the rectangle.
inline bool buttonHit(const ImageButton& b, int x, int y) { return inside(b.rect, x, y); }

// ---- scroll bar ---------------------------------------------------------------------

struct ScrollBar {
    Rect track;
    bool vertical = true;
    int thumbPercent = 15;
    float rangeMax = 100.0f;
    float value = 0.0f;
    int offset = 0;       // thumb offset along the track
    int grabOffset = 0;
    int grabPoint = 0;
    bool dragging = false;
};

void setupScrollBar(ScrollBar& b, int x0, int y0, int x1, int y1, int thumbPercent);
int scrollTrackLength(const ScrollBar& b);
int scrollThumbLength(const ScrollBar& b);
Rect scrollThumbRect(const ScrollBar& b);
// A press on the thumb starts a drag.
void scrollPress(ScrollBar& b, int x, int y);
void scrollDrag(ScrollBar& b, int x, int y);
void scrollRelease(ScrollBar& b);

// ---- name list ------------------------------------------------------------------------

constexpr int kNameListCapacity = 200;
constexpr int kNameListNameLength = 255;

struct NameListEntry {
    char name[kNameListNameLength + 1] = {};
    void* record = nullptr;
};

struct NameList {
    Rect rect;
    int rowHeight = 20;
    int visibleRows = 0;
    NameListEntry entries[kNameListCapacity];
    int count = 0;
    int selected = 0;  // 1-based; 0 for none
};

void setupNameList(NameList& l, int x0, int y0, int x1, int y1, int rowHeight);
void nameListClear(NameList& l);
// False when the list is full.
bool nameListAdd(NameList& l, const char* name, void* record);
// The first entry shown (0-based) for a scroll value of 0 to 100.
int nameListFirstVisible(const NameList& l, float scroll);
// A click inside selects the entry under it; true when it was inside.
bool nameListSelect(NameList& l, int x, int y, float scroll);
// The record of the selected entry, or null.
void* nameListSelectedRecord(const NameList& l);
const char* nameListSelectedName(const NameList& l);

// ---- text dialog ------------------------------------------------------------------------

constexpr int kDialogTextMode = 2;
constexpr int kDialogMaxIndex = 43;  // up to 44 characters

struct TextDialog {
    Rect box;
    char prompt[256] = {};
    Rect edit;
    int backgroundImage = -1;
    ImageButton ok, cancel;
    int mode = kDialogTextMode;
    int maxIndex = kDialogMaxIndex;
    char text[kDialogMaxIndex + 2] = {};
    int length = 0;
    bool open = false;
};

// Box geometry places the OK and CANCEL buttons.
void setupDialog(TextDialog& d, const Rect& box, const Rect& edit, const char* prompt, int backgroundImage,
                 int buttonHover, int buttonNormal);
void dialogOpen(TextDialog& d);
void dialogClose(TextDialog& d);
inline bool dialogIsOpen(const TextDialog& d) { return d.open; }
void dialogClearText(TextDialog& d);
// Backspace and the left arrow remove the last character; other keys append
// their character while there is room.
void dialogTypeKey(TextDialog& d, int virtualKey);
// The character a key code stands for in the dialog.
char dialogKeyChar(int virtualKey);
// 1 for OK, 0 for CANCEL (either closes the dialog), -1 for neither.
int dialogClicked(TextDialog& d, int x, int y);
