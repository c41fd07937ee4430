#include "menu/widgets.h"

#include <cstdio>
#include <cstring>

namespace {

// Steps are counted in whole numbers; a hold of many seconds must not overflow.
constexpr int kMaxStepsPerFrame = 1000000;

void placeSpinner(ValueSpinner& s, int left, int top, int width, int height) {
    s.outer = rectAt(left, top, width, height);
    s.insetPercent = 5;
    int i = width * s.insetPercent / 100;
    int j = height * s.insetPercent / 100;
    int a = width - 4 * i;   // arrow length
    int b = height - 4 * j;  // arrow height
    s.decrement = {left + i, top + j, left + i + a, top + j + b};
    s.increment = {left + i + a + 2 * i, top + j, left + 3 * i + 2 * a, top + j + b};
    s.targetFloat = nullptr;
    s.targetDouble = nullptr;
    s.targetInt = nullptr;
}

template <typename T>
T clampTo(T v, T lo, T hi) {
    if (v < lo) return lo;
    if (v > hi) return hi;
    return v;
}

void clampSpinner(ValueSpinner& s) {
    s.valueFloat = clampTo(s.valueFloat, s.minFloat, s.maxFloat);
    s.valueDouble = clampTo(s.valueDouble, s.minDouble, s.maxDouble);
    s.valueInt = clampTo(s.valueInt, s.minInt, s.maxInt);
}

void writeTarget(ValueSpinner& s) {
    if (s.targetFloat) *s.targetFloat = s.valueFloat;
    if (s.targetDouble) *s.targetDouble = s.valueDouble;
    if (s.targetInt) *s.targetInt = s.valueInt;
}

// Moves the value by steps (negative: down).
void moveSpinner(ValueSpinner& s, int steps, int frameFactor) {
    if (s.targetFloat) s.valueFloat += (float)steps * s.step;
    if (s.targetDouble) s.valueDouble += (double)steps * (double)s.step;
    if (s.targetInt) {
        long long delta = (long long)steps * (long long)(s.step * (float)frameFactor);
        long long v = clampTo<long long>((long long)s.valueInt + delta, s.minInt, s.maxInt);
        s.valueInt = (int)v;
    }
}

}  // namespace

void setupSpinner(ValueSpinner& s, int left, int top, int width, int height, float* target, float min, float max,
                  float step) {
    placeSpinner(s, left, top, width, height);
    s.targetFloat = target;
    s.minFloat = min;
    s.maxFloat = max;
    s.step = step;
    s.valueFloat = target ? *target : 0.0f;
    s.valueFloat = clampTo(s.valueFloat, min, max);
}

void setupSpinner(ValueSpinner& s, int left, int top, int width, int height, double* target, double min,
                  double max, float step) {
    placeSpinner(s, left, top, width, height);
    s.targetDouble = target;
    s.minDouble = min;
    s.maxDouble = max;
    s.step = step;
    s.valueDouble = target ? *target : 0.0;
    s.valueDouble = clampTo(s.valueDouble, min, max);
}

void setupSpinner(ValueSpinner& s, int left, int top, int width, int height, int* target, int min, int max,
                  float step) {
    placeSpinner(s, left, top, width, height);
    s.targetInt = target;
    s.minInt = min;
    s.maxInt = max;
    s.step = step;
    s.valueInt = target ? *target : 0;
    s.valueInt = clampTo(s.valueInt, min, max);
}

int spinnerHitTest(const ValueSpinner& s, int x, int y) {
    if (inside(s.decrement, x, y)) return kSpinnerDecrement;
    if (inside(s.increment, x, y)) return kSpinnerIncrement;
    if (inside(s.outer, x, y)) return kSpinnerBody;
    return kSpinnerOutside;
}

void spinnerPress(ValueSpinner& s, int x, int y, uint32_t nowMs) {
    int hit = spinnerHitTest(s, x, y);
    if (hit == kSpinnerDecrement || hit == kSpinnerIncrement) {
        SpinnerArrow& a = s.arrows[hit - 1];
        if (a.pressCount == 0) {
            a.pressCount = 1;
            a.pressTimeMs = nowMs;
        }
    } else if (hit == kSpinnerBody) {
        for (SpinnerArrow& a : s.arrows) a.pressCount = 0;
    }
}

void spinnerRelease(ValueSpinner& s, int x, int y, uint32_t nowMs) {
    int hit = spinnerHitTest(s, x, y);
    if (hit == kSpinnerDecrement || hit == kSpinnerIncrement) {
        SpinnerArrow& a = s.arrows[hit - 1];
        // Only the arrow the press went to counts this release: a release on
        // the other arrow must not leave that one held and running.
        if (a.pressCount == 1) {
            a.heldTimeMs = nowMs;
            moveSpinner(s, hit == kSpinnerDecrement ? -1 : 1, 1);
        }
    }
    spinnerLetGo(s);
    clampSpinner(s);
    writeTarget(s);
}

void spinnerTick(ValueSpinner& s, uint32_t nowMs, int frameFactor) {
    for (int k = 0; k < 2; ++k) {
        SpinnerArrow& a = s.arrows[k];
        if (a.pressCount != 1) continue;
        uint32_t t = nowMs - a.pressTimeMs;
        if (t <= a.holdDelayMs) continue;
        uint32_t steps = t / 100;
        if (steps > (uint32_t)kMaxStepsPerFrame) steps = kMaxStepsPerFrame;
        moveSpinner(s, k == 0 ? -(int)steps : (int)steps, frameFactor);
        clampSpinner(s);
    }
    clampSpinner(s);
    writeTarget(s);
}

void spinnerLetGo(ValueSpinner& s) {
    for (SpinnerArrow& a : s.arrows) a.pressCount = 0;
}

bool spinnerHeld(const ValueSpinner& s) { return s.arrows[0].pressCount == 1 || s.arrows[1].pressCount == 1; }

// ---- toggle -------------------------------------------------------------------------

void setupToggle(ToggleBox& t, int left, int top, int width, int height, bool* target, bool enabled) {
    t.rect = rectAt(left, top, width, height);
    t.kind = 1;
    t.target = target;
    t.enabled = enabled;
    t.state = enabled && target && *target;
    if (!enabled && target) *target = false;
}

void togglePress(ToggleBox& t, int x, int y) { t.pressCount = t.enabled && inside(t.rect, x, y) ? 1 : 0; }

void toggleRelease(ToggleBox& t, int x, int y) {
    // A release inside completes the press that went to this toggle; one that
    // began elsewhere does not count, so it cannot leave the toggle a click behind.
    if (t.enabled && t.pressCount == 1 && inside(t.rect, x, y)) {
        t.state = !t.state;
        if (t.target) *t.target = t.state;
    }
    t.pressCount = 0;
}

void toggleTick(ToggleBox& t) {
    if (!t.enabled) t.state = false;
    if (t.target) *t.target = t.state;
}

// ---- image button ------------------------------------------------------------------

void setupButton(ImageButton& b, int x0, int y0, int x1, int y1, int hoverImage, int normalImage) {
    b.rect = {x0, y0, x1, y1};
    b.hoverImage = hoverImage;
    b.normalImage = normalImage;
}

// ---- scroll bar ---------------------------------------------------------------------

void setupScrollBar(ScrollBar& b, int x0, int y0, int x1, int y1, int thumbPercent) {
    b = ScrollBar();
    b.track = {x0, y0, x1, y1};
    b.vertical = true;
    b.thumbPercent = thumbPercent;
    b.rangeMax = 100.0f;
}

int scrollTrackLength(const ScrollBar& b) {
    return b.vertical ? b.track.bottom - b.track.top : b.track.right - b.track.left;
}

int scrollThumbLength(const ScrollBar& b) { return scrollTrackLength(b) * b.thumbPercent / 100; }

Rect scrollThumbRect(const ScrollBar& b) {
    int len = scrollThumbLength(b);
    if (b.vertical) return {b.track.left, b.track.top + b.offset, b.track.right, b.track.top + b.offset + len};
    return {b.track.left + b.offset, b.track.top, b.track.left + b.offset + len, b.track.bottom};
}

void scrollPress(ScrollBar& b, int x, int y) {
    if (!inside(scrollThumbRect(b), x, y)) return;
    b.dragging = true;
    b.grabOffset = b.offset;
    b.grabPoint = b.vertical ? y : x;
}

void scrollDrag(ScrollBar& b, int x, int y) {
    if (!b.dragging) return;
    int room = scrollTrackLength(b) - scrollThumbLength(b);
    int offset = b.grabOffset + ((b.vertical ? y : x) - b.grabPoint);
    b.offset = clampTo(offset, 0, room > 0 ? room : 0);
    b.value = room > 0 ? (float)b.offset / (float)room * b.rangeMax : 0.0f;
}

void scrollRelease(ScrollBar& b) { b.dragging = false; }

// ---- name list ------------------------------------------------------------------------

void setupNameList(NameList& l, int x0, int y0, int x1, int y1, int rowHeight) {
    l.rect = {x0, y0, x1, y1};
    l.rowHeight = rowHeight > 0 ? rowHeight : 1;
    l.visibleRows = (y1 - y0) / l.rowHeight;
}

void nameListClear(NameList& l) { l.count = 0; }

bool nameListAdd(NameList& l, const char* name, void* record) {
    if (l.count >= kNameListCapacity) return false;
    NameListEntry& e = l.entries[l.count++];
    std::snprintf(e.name, sizeof e.name, "%s", name ? name : "");
    e.record = record;
    return true;
}

int nameListFirstVisible(const NameList& l, float scroll) {
    if (l.count <= l.visibleRows) return 0;
    int first = (int)(scroll * (float)(l.count - l.visibleRows) / 100.0f);
    return clampTo(first, 0, l.count - l.visibleRows);
}

bool nameListSelect(NameList& l, int x, int y, float scroll) {
    if (!inside(l.rect, x, y)) return false;
    int row = (y - l.rect.top) / l.rowHeight;
    if (row >= l.visibleRows) row = l.visibleRows - 1;  // the bottom edge belongs to the last row
    l.selected = nameListFirstVisible(l, scroll) + row + 1;
    return true;
}

void* nameListSelectedRecord(const NameList& l) {
    if (l.selected < 1 || l.selected > l.count) return nullptr;
    return l.entries[l.selected - 1].record;
}

const char* nameListSelectedName(const NameList& l) {
    if (l.selected < 1 || l.selected > l.count) return "";
    return l.entries[l.selected - 1].name;
}

// ---- text dialog ------------------------------------------------------------------------

void setupDialog(TextDialog& d, const Rect& box, const Rect& edit, const char* prompt, int backgroundImage,
                 int buttonHover, int buttonNormal) {
    d.box = box;
    d.edit = edit;
    std::snprintf(d.prompt, sizeof d.prompt, "%s", prompt ? prompt : "");
    d.backgroundImage = backgroundImage;
    d.mode = kDialogTextMode;
    d.maxIndex = kDialogMaxIndex;
    int w = box.right - box.left, h = box.bottom - box.top;
    int top = box.top + h * 75 / 100, height = h * 15 / 100, width = w * 30 / 100;
    setupButton(d.ok, box.left + w * 10 / 100, top, box.left + w * 10 / 100 + width, top + height, buttonHover,
                buttonNormal);
    setupButton(d.cancel, box.left + w * 60 / 100, top, box.left + w * 60 / 100 + width, top + height,
                buttonHover, buttonNormal);
}

void dialogOpen(TextDialog& d) { d.open = true; }
void dialogClose(TextDialog& d) { d.open = false; }

void dialogClearText(TextDialog& d) {
    d.length = 0;
    d.text[0] = '\0';
}

char dialogKeyChar(int virtualKey) {
    switch (virtualKey) {
        case 188: return ',';
        case 189: return '-';
        case 190: return '.';
        case 191: return '/';
        case 219: return '[';
        case 221: return ']';
        case 222: return '"';
        default: break;
    }
    // A zero would end the name early and a line feed would split the preset
    // file's name line; neither comes from a key.
    if (virtualKey <= 0 || virtualKey > 255 || virtualKey == '\n') return '\0';
    return (char)virtualKey;
}

void dialogTypeKey(TextDialog& d, int virtualKey) {
    if (!d.open || d.mode != kDialogTextMode) return;
    if (virtualKey == 8 || virtualKey == 37) {  // backspace, left arrow
        if (d.length > 0) d.text[--d.length] = '\0';
        return;
    }
    if (d.length > d.maxIndex || d.length >= (int)sizeof d.text - 1) return;
    char c = dialogKeyChar(virtualKey);
    if (c == '\0') return;
    d.text[d.length++] = c;
    d.text[d.length] = '\0';
}

int dialogClicked(TextDialog& d, int x, int y) {
    if (buttonHit(d.ok, x, y)) {
        d.open = false;
        return 1;
    }
    if (buttonHit(d.cancel, x, y)) {
        d.open = false;
        return 0;
    }
    return -1;
}
