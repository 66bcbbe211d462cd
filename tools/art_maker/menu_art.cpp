#include "menu_art.h"

#include "art_kit.h"

#include <QPainter>

#include <cmath>
#include <numbers>

namespace galloria::art {

namespace {

using namespace palette;

const QColor kOutline{40, 40, 52};
const QColor kPaper{252, 250, 242};
const QColor kBlue{52, 104, 188};
const QColor kGreen{52, 150, 70};

QPen Line(const QColor& colour, double width = 1.2)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void NewRaceFlag(QPainter& p)
{
    // A chequered starter's flag on its pole.
    p.setPen(Line(QColor(90, 62, 36), 1.6));
    p.drawLine(QPointF(4, 2.5), QPointF(4, 18.5));
    const QRectF flag(4.8, 3, 12.5, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(flag);
    p.setBrush(kInk);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col) {
            if ((row + col) % 2 == 0) {
                p.drawRect(QRectF(flag.left() + col * 3.125, flag.top() + row * 3, 3.125, 3));
            }
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(Line(kOutline, 0.9));
    p.drawRect(flag);
}

void ContinueArrow(QPainter& p)
{
    // A round arrow coming back to its start, over a green disc.
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(10, 10), 8.5, 8.5);
    p.setPen(Line(Qt::white, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(5, 5, 10, 10), 60 * 16, 280 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const QPointF tip[] = {{15.8, 4.8}, {15.6, 10.6}, {10.4, 7.6}};
    p.drawPolygon(tip, 3);
}

void Folder(QPainter& p)
{
    QPainterPath back;
    back.moveTo(2, 5);
    back.lineTo(7.5, 5);
    back.lineTo(9, 7);
    back.lineTo(17, 7);
    back.lineTo(17, 16);
    back.lineTo(2, 16);
    back.closeSubpath();
    FillOutlined(p, back, QColor(214, 160, 60), QColor(120, 82, 20), 1.0);
    QPainterPath front;
    front.moveTo(4.5, 9.5);
    front.lineTo(19, 9.5);
    front.lineTo(16.5, 16);
    front.lineTo(2, 16);
    front.closeSubpath();
    FillOutlined(p, front, QColor(246, 204, 104), QColor(120, 82, 20), 1.0);
}

void Disk(QPainter& p)
{
    QPainterPath body;
    body.moveTo(3, 3);
    body.lineTo(15, 3);
    body.lineTo(17, 5);
    body.lineTo(17, 17);
    body.lineTo(3, 17);
    body.closeSubpath();
    FillOutlined(p, body, kBlue, QColor(24, 50, 100), 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 226, 236));
    p.drawRect(QRectF(6, 3.5, 8, 5));
    p.setBrush(QColor(24, 50, 100));
    p.drawRect(QRectF(11, 4.3, 1.8, 3.4));
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(5.5, 11, 9, 5.5), 0.8, 0.8);
}

void ExitDoor(QPainter& p)
{
    // An open door with an arrow walking out of it.
    p.setPen(Line(kOutline, 1.0));
    p.setBrush(QColor(236, 228, 210));
    p.drawRect(QRectF(3, 2.5, 9, 15));
    QPainterPath door;
    door.moveTo(3, 2.5);
    door.lineTo(8.5, 4.5);
    door.lineTo(8.5, 19);
    door.lineTo(3, 17.5);
    door.closeSubpath();
    FillOutlined(p, door, QColor(150, 96, 50), QColor(80, 50, 22), 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawEllipse(QPointF(7.3, 11), 0.8, 0.8);
    p.setPen(Line(kRed, 2.0));
    p.drawLine(QPointF(11.5, 10), QPointF(16.5, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    const QPointF head[] = {{19, 10}, {15, 6.5}, {15, 13.5}};
    p.drawPolygon(head, 3);
}

void Gear(QPainter& p)
{
    QPainterPath gear;
    constexpr int kTeeth = 8;
    for (int i = 0; i < kTeeth * 4; ++i) {
        // Each tooth: two points out, two points in.
        const double angle = (i / 4 + ((i % 4) == 0   ? -0.18
                                       : (i % 4) == 1 ? 0.18
                                       : (i % 4) == 2 ? 0.32
                                                      : 0.68)) *
                             2 * std::numbers::pi / kTeeth;
        const double radius = (i % 4) < 2 ? 8.6 : 6.4;
        const QPointF point(10 + radius * std::cos(angle), 10 + radius * std::sin(angle));
        if (i == 0) {
            gear.moveTo(point);
        } else {
            gear.lineTo(point);
        }
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(QPointF(10, 10), 2.6, 2.6);
    FillOutlined(p, gear.subtracted(hole), QColor(150, 156, 168), QColor(60, 64, 76), 1.0);
}

void AddHorse(QPainter& p)
{
    // A horse's head with a green plus badge.
    p.save();
    p.translate(0, 0.5);
    p.scale(0.185, 0.185);
    const QColor coat(150, 86, 40);
    const QPainterPath head = HorseHeadProfile();
    FillOutlined(p, head, coat, QColor(60, 34, 16), 5.5);
    p.setClipPath(head);
    p.setPen(QPen(QColor(50, 26, 10), 16, Qt::SolidLine, Qt::RoundCap));
    QPainterPath mane(QPointF(66, 12));
    mane.cubicTo(88, 36, 97, 66, 99, 104);
    p.drawPath(mane);
    p.setPen(QPen(QColor(250, 244, 230), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(42, 30), QPointF(16, 58)); // the blaze
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 12, 8));
    p.drawEllipse(QPointF(50, 38), 6, 6);
    p.restore();
    p.setPen(Line(QColor(20, 80, 30), 0.8));
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(15.3, 15.3), 4.3, 4.3);
    p.setPen(Line(Qt::white, 1.6));
    p.drawLine(QPointF(15.3, 13), QPointF(15.3, 17.6));
    p.drawLine(QPointF(13, 15.3), QPointF(17.6, 15.3));
}

void HorseList(QPainter& p)
{
    p.setPen(Line(kOutline, 0.9));
    p.setBrush(kPaper);
    p.drawRect(QRectF(2.5, 2.5, 15, 15));
    const QColor bullets[] = {kRed, kBlue, kGreen, kGold};
    for (int row = 0; row < 4; ++row) {
        const double y = 5.5 + row * 3.2;
        p.setPen(Qt::NoPen);
        p.setBrush(bullets[row]);
        p.drawEllipse(QPointF(5.5, y), 1.2, 1.2);
        p.setPen(Line(QColor(90, 90, 100), 1.2));
        p.drawLine(QPointF(8, y), QPointF(15, y));
    }
}

void Trophy(QPainter& p)
{
    QPainterPath cup;
    cup.moveTo(5, 3);
    cup.lineTo(15, 3);
    cup.cubicTo(15, 9, 13, 11.5, 10, 11.5);
    cup.cubicTo(7, 11.5, 5, 9, 5, 3);
    cup.closeSubpath();
    p.setPen(Line(kGoldDark, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2, 4, 5, 5), 90 * 16, 180 * 16);
    p.drawArc(QRectF(13, 4, 5, 5), 270 * 16, 180 * 16);
    FillOutlined(p, cup, kGold, kGoldDark, 0.9);
    p.setPen(Qt::NoPen);
    p.setBrush(kGoldDark);
    p.drawRect(QRectF(9, 11.5, 2, 3));
    p.setBrush(kGold);
    p.setPen(Line(kGoldDark, 0.8));
    p.drawRect(QRectF(6, 14.5, 8, 3));
    p.setPen(Line(kGoldLight, 1.0));
    p.drawLine(QPointF(7.3, 4.5), QPointF(7.6, 8));
}

void Ticket(QPainter& p)
{
    // A betting ticket with notched ends and a torn-off stub line.
    QPainterPath ticket;
    ticket.addRoundedRect(QRectF(1.5, 5, 17, 10), 1.2, 1.2);
    QPainterPath notches;
    notches.addEllipse(QPointF(1.5, 10), 2, 2);
    notches.addEllipse(QPointF(18.5, 10), 2, 2);
    FillOutlined(p, ticket.subtracted(notches), QColor(248, 220, 120), QColor(140, 96, 20), 0.9);
    p.setPen(QPen(QColor(140, 96, 20), 0.9, Qt::DotLine));
    p.drawLine(QPointF(13.5, 5.8), QPointF(13.5, 14.2));
    p.setPen(Line(kRed, 1.3));
    p.drawLine(QPointF(5, 8.5), QPointF(11, 8.5));
    p.setPen(Line(QColor(120, 90, 40), 1.0));
    p.drawLine(QPointF(5, 11.5), QPointF(10, 11.5));
}

void BarChart(QPainter& p)
{
    p.setPen(Line(kOutline, 1.0));
    p.drawLine(QPointF(2.5, 2.5), QPointF(2.5, 17.5));
    p.drawLine(QPointF(2.5, 17.5), QPointF(18, 17.5));
    const double heights[] = {6, 11, 8, 13};
    const QColor colours[] = {kBlue, kGreen, kGold, kRed};
    for (int i = 0; i < 4; ++i) {
        p.setPen(Line(colours[i].darker(150), 0.8));
        p.setBrush(colours[i]);
        p.drawRect(QRectF(4.5 + i * 3.4, 17 - heights[i], 2.6, heights[i]));
    }
}

void RacingForm(QPainter& p)
{
    // A sheet of form figures with a folded corner.
    QPainterPath sheet;
    sheet.moveTo(4, 2);
    sheet.lineTo(13, 2);
    sheet.lineTo(17, 6);
    sheet.lineTo(17, 18);
    sheet.lineTo(4, 18);
    sheet.closeSubpath();
    FillOutlined(p, sheet, kPaper, kOutline, 0.9);
    QPainterPath fold;
    fold.moveTo(13, 2);
    fold.lineTo(13, 6);
    fold.lineTo(17, 6);
    FillOutlined(p, fold, QColor(220, 216, 200), kOutline, 0.8);
    p.setPen(Line(kNavy, 1.1));
    p.drawLine(QPointF(6.5, 5), QPointF(11, 5));
    for (int row = 0; row < 4; ++row) {
        const double y = 8.5 + row * 2.6;
        p.setPen(Line(kRed, 1.1));
        p.drawLine(QPointF(6.5, y), QPointF(8, y));
        p.setPen(Line(QColor(100, 100, 110), 1.0));
        p.drawLine(QPointF(9.5, y), QPointF(14.5, y));
    }
}

void Camera(QPainter& p)
{
    p.setPen(Line(kOutline, 0.9));
    p.setBrush(QColor(70, 74, 86));
    p.drawRoundedRect(QRectF(1.5, 6, 17, 11), 1.6, 1.6);
    p.drawRect(QRectF(6.5, 3.5, 6, 3));
    p.setBrush(QColor(200, 210, 226));
    p.drawEllipse(QPointF(10, 11.5), 4, 4);
    p.setBrush(QColor(40, 60, 100));
    p.drawEllipse(QPointF(10, 11.5), 2.2, 2.2);
    p.setPen(Qt::NoPen);
    p.setBrush(kGoldLight);
    p.drawRect(QRectF(14.5, 7.5, 2.5, 1.6));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(9.2, 10.7), 0.7, 0.7);
}

void FinishResults(QPainter& p)
{
    // The winners' podium: 1 in the middle, highest.
    const QRectF steps[] = {{7, 5, 6, 13}, {1.5, 9, 5.5, 9}, {13, 11, 5.5, 7}};
    const QColor colours[] = {kGold, QColor(196, 200, 210), QColor(200, 128, 70)};
    for (int i = 0; i < 3; ++i) {
        p.setPen(Line(colours[i].darker(170), 0.9));
        p.setBrush(colours[i]);
        p.drawRect(steps[i]);
    }
    p.setPen(Line(kInk, 1.3));
    p.drawLine(QPointF(10, 7.5), QPointF(10, 12.5)); // a "1" on the top step
    p.drawLine(QPointF(9, 8.5), QPointF(10, 7.5));
}

void HowDidIDo(QPainter& p)
{
    // A stack of coins.
    for (int i = 0; i < 4; ++i) {
        const double y = 15 - i * 3.2;
        p.setPen(Line(kGoldDark, 0.9));
        p.setBrush(kGold);
        p.drawRect(QRectF(3.5, y - 1.2, 13, 2.4));
        p.drawEllipse(QRectF(3.5, y - 3, 13, 3.6));
    }
    p.setPen(Line(kGoldDark, 1.0));
    p.drawLine(QPointF(7.5, 4.8), QPointF(12.5, 4.8));
}

void HelpContents(QPainter& p)
{
    p.setPen(Line(QColor(24, 50, 100), 1.0));
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(10, 10), 8.5, 8.5);
    // A question mark drawn as a stroke and a dot.
    QPainterPath hook(QPointF(7, 7.4));
    hook.cubicTo(7, 3.6, 13.4, 3.6, 13.2, 7.4);
    hook.cubicTo(13.1, 9.6, 10, 9.6, 10, 12.2);
    p.setPen(Line(Qt::white, 2.1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(10, 15.3), 1.3, 1.3);
}

} // namespace

std::vector<MenuCommand> MenuCommandsWithGlyphs()
{
    std::vector<MenuCommand> commands;
    for (const MenuCommand command : kMenuCommands) {
        // PAUSE RACE, QUIT THIS RACE SET, REPLAY A RACE, the RACE! item and
        // ABOUT are plain text.
        if (command != MenuCommand::PauseRace && command != MenuCommand::QuitRaceSet &&
            command != MenuCommand::ReplayRace && command != MenuCommand::RaceOrNextRace &&
            command != MenuCommand::About) {
            commands.push_back(command);
        }
    }
    return commands;
}

std::string MenuGlyphFileName(MenuCommand command)
{
    return "menu_" + std::to_string(static_cast<int>(command)) + ".png";
}

QImage MakeMenuGlyph(MenuCommand command)
{
    QImage image = BlankImage(kMenuGlyphSize, kMenuGlyphSize);
    QPainter p(&image);
    PrepareSmooth(p);
    switch (command) {
    case MenuCommand::StartNewRaceSet:
        NewRaceFlag(p);
        break;
    case MenuCommand::ContinueLastSet:
        ContinueArrow(p);
        break;
    case MenuCommand::Open:
        Folder(p);
        break;
    case MenuCommand::Save:
        Disk(p);
        break;
    case MenuCommand::Exit:
        ExitDoor(p);
        break;
    case MenuCommand::GameOptions:
        Gear(p);
        break;
    case MenuCommand::AddHorse:
        AddHorse(p);
        break;
    case MenuCommand::ListHorses:
        HorseList(p);
        break;
    case MenuCommand::HallOfFame:
        Trophy(p);
        break;
    case MenuCommand::BettingWindow:
        Ticket(p);
        break;
    case MenuCommand::LiveOdds:
        BarChart(p);
        break;
    // Both RACING FORM items show the same sheet.
    case MenuCommand::TrackRacingForm:
    case MenuCommand::SummaryRacingForm:
        RacingForm(p);
        break;
    case MenuCommand::ShowNextPhoto:
        Camera(p);
        break;
    case MenuCommand::FinishResults:
        FinishResults(p);
        break;
    case MenuCommand::HowDidIDo:
        HowDidIDo(p);
        break;
    case MenuCommand::HelpContents:
        HelpContents(p);
        break;
    case MenuCommand::PauseRace:
    case MenuCommand::QuitRaceSet:
    case MenuCommand::ReplayRace:
    case MenuCommand::RaceOrNextRace:
    case MenuCommand::About:
        break;
    }
    p.end();
    return image;
}

} // namespace galloria::art
