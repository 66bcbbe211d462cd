#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QPainter;

namespace galloria::art {

// The colours of a summer race day, shared by every picture.
namespace palette {
inline const QColor kTurf{46, 112, 52};
inline const QColor kTurfDark{30, 82, 38};
inline const QColor kDirt{170, 118, 74};
inline const QColor kDirtDark{128, 84, 50};
inline const QColor kRail{246, 246, 240};
inline const QColor kGold{238, 190, 64};
inline const QColor kGoldLight{255, 236, 150};
inline const QColor kGoldDark{150, 98, 22};
inline const QColor kNavy{28, 44, 96};
inline const QColor kRed{196, 40, 44};
inline const QColor kCream{248, 238, 214};
inline const QColor kInk{34, 30, 38};
inline const QColor kSky{82, 130, 196};
} // namespace palette

// A blank picture in the one format every piece is drawn in; transparent.
QImage BlankImage(int width, int height);

// A painter set up the same way for every piece: antialiased throughout.
void PrepareSmooth(QPainter& painter);

// Writes a picture as PNG; the same picture always gives the same bytes.
bool SavePng(const QImage& image, const QString& path);

// A galloping horse, facing right, in a box of about 100 x 66 units (ground
// at y = 64). `stride` 0 or 1 picks one of two leg positions.
QPainterPath GallopingHorse(int stride);
// The rider crouched over such a horse: body (silks) and cap.
QPainterPath JockeyBody();
QPainterPath JockeyCap();

// A horse's head and neck in profile, facing left, in a 100 x 100 box.
QPainterPath HorseHeadProfile();

// Fills a path with a solid colour and edges it with a darker one.
void FillOutlined(QPainter& painter, const QPainterPath& path, const QColor& fill, const QColor& edge,
                  double edgeWidth);

// A thick line as a fillable outline, round at its ends.
QPainterPath Stroked(const QPainterPath& path, double width);

// One picture the game uses: its file name and how it is drawn.
struct ArtPiece {
    std::string fileName;
    std::function<QImage()> make;
};

// Every picture, in a fixed order.
std::vector<ArtPiece> ArtCatalogue();

// The pictures themselves.
QImage MakeTile();
QImage MakeTitle();
QImage MakeStartPicture();
QImage MakeTipster();
QImage MakeMedal();
QImage MakeNotice();
QImage MakeAboutEmblem();
QImage MakeProgramIcon();
// The program icon at `size` pixels square, for the desktop's icon theme.
QImage MakeProgramIconAt(int size);

// The square sizes of the icon installed into the desktop's hicolor theme.
std::vector<int> DesktopIconSizes();
// Where the icon of one size lies under the resources folder:
// icons/hicolor/SIZExSIZE/apps/galloria.png.
std::string DesktopIconPath(int size);

} // namespace galloria::art
