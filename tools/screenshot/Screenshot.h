#pragma once
// Pictures of what the screen shows, for our Windows programs (the replay tool and the Wine
// tests): the pixels of a rectangle, read through GDI, and saved as a PNG file through Windows
// Imaging Component.
//
//     RECT frame;
//     GetWindowRect(window, &frame);
//     const ScreenPicture picture(frame);
//     if (FAILED(picture.SavePng("window.png"))) ...
#include <windows.h>

#include <string>
#include <vector>

class ScreenPicture {
public:
    // What `area` of the screen shows now (screen coordinates), or, given a window, what that
    // part of its client area shows (client coordinates).
    explicit ScreenPicture(const RECT& area, HWND window = nullptr);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // The colour of a pixel; CLR_INVALID outside the picture.
    COLORREF At(int x, int y) const;

    // Writes the picture as a PNG file (8-bit RGB): S_OK, or the first failure.
    HRESULT SavePng(const std::string& path) const;

private:
    int m_width = 0;
    int m_height = 0;
    int m_stride = 0;           // bytes per row, a multiple of 4
    std::vector<BYTE> m_pixels; // rows top to bottom, 3 bytes (blue, green, red) per pixel
};
