#pragma once

// Window and strip sizes are given in twips (1/1440 inch); at the 96 dpi that Qt's
// device-independent pixels assume, 15 twips make one pixel.
constexpr int Twips(int twips) { return twips / 15; }
