#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quorvel::e2e {

// What the screen shows, as 8-bit red, green, blue per pixel, top row first.
struct Screenshot {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// The whole screen, through GDI (under Wine: the X display the program draws on).
Screenshot CaptureScreen();
// One rectangle of the screen, in screen coordinates.
Screenshot CaptureRect(const RECT& area);

// The height of the tallest picture a flat menu window of the program shows: the longest
// run of rows of its image column (the pixels of `columnColour`, a COLORREF) where
// something else is drawn. A menu's window shows before its items are painted, so it is
// measured again until a picture is taller than `moreThan` or the time is up.
int TallestMenuPicture(HWND menu, COLORREF columnColour, int moreThan);

// The height of what a window shows in `ink` (a COLORREF): from its first such row to its
// last.
int InkHeight(HWND window, COLORREF ink);

// Writes the picture as a PNG file (stored, uncompressed deflate: no library needed).
bool WritePng(const std::filesystem::path& path, const Screenshot& picture);

// Saves the screen as build/artifacts/<name>.png once the last paints have landed.
void SaveScreenshot(const std::string& name);

}  // namespace quorvel::e2e
