#pragma once

#include <QColor>

namespace galloria::course {

// The colours of the course and its boards, shared by the race scene, the
// racing form and the payout board.
inline const QColor kGrass(0x28, 0x82, 0x1E);
inline const QColor kDirt(0xAA, 0x5E, 0x00);
inline const QColor kLake(0x05, 0x96, 0xFF);
inline const QColor kGeneralPen(0xA0, 0xA0, 0x50);
inline const QColor kFinishRed(0xFF, 0x00, 0x00);
inline const QColor kClockYellow(0xFA, 0xFA, 0x96);
inline const QColor kTippedYellow(0xFF, 0xFF, 0x00);

// The flag and box colours by index.
inline const QColor kFlagColours[12] = {{0xDC, 0x3C, 0x3C},
                                        {0xDC, 0xDC, 0x3C},
                                        {0x28, 0x82, 0x1E},
                                        {0x87, 0x2D, 0xB3},
                                        {0xAA, 0x5E, 0x00},
                                        {0x28, 0x4B, 0x78},
                                        {0x1E, 0x3C, 0x64},
                                        {0x53, 0x97, 0xE1},
                                        {0xFF, 0xFF, 0xFF},
                                        kLake,
                                        kGrass,
                                        kDirt};
// The boards' blue and its next shade.
inline const QColor& kBoardBlue = kFlagColours[6];
inline const QColor& kBoardStripe = kFlagColours[5];

} // namespace galloria::course
