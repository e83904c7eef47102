#pragma once

#include <QColor>
#include <array>

// A colour as the calendar keeps it: an RGB value 0xRRGGBB, or a system colour, marked by its top
// byte, whose value only the desktop palette knows. Keeping the system colour symbolic lets the
// squares stay plain data that need no running desktop, and follow the palette when painted.
using TColor = quint32;

inline constexpr TColor clBtnFace = 0xFF00000F;

inline constexpr int BookingColorCount = 15;
// Successive bookings of a year take these in turn.
inline constexpr std::array<TColor, BookingColorCount> BookingColors = {
    0xFF0088, 0xFFFF88, 0x00FF88, 0x88FFFF, 0xFF00FF, 0xFFFF00, 0x00FF00, 0x00FFFF,
    0xFF0000, 0x888800, 0x008800, 0x4400FF, 0x880000, 0x004444, 0x004488,
};

QColor ToQColor(TColor color);
