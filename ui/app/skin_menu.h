#pragma once

#include <QMenu>
#include <QProxyStyle>

namespace galloria {

// A popup of the game's menu bar: every item the same width and height, a
// column for the item's 20 x 20 bitmap at the left, and the look of the
// game's menus (drawn by SkinMenuStyle).
class CSkinMenu : public QMenu {
    Q_OBJECT
public:
    CSkinMenu(const QString& title, QWidget* parent);

    // Appends an item for `commandId` (kept as the action's data) with the
    // bitmap ":/art/menu_<commandId>.png" when `withBitmap` is set; a
    // missing bitmap leaves the column empty. A tab in `text` starts the
    // shortcut text.
    QAction* AppendItem(int commandId, const QString& text, bool withBitmap);

    void SetItemWidth(int width) { itemWidth_ = width; }
    void SetItemHeight(int height) { itemHeight_ = height; }
    int ItemWidth() const { return itemWidth_; }
    int ItemHeight() const { return itemHeight_; }

private:
    int itemWidth_ = 25;
    int itemHeight_ = 32;
};

// The look of CSkinMenu on top of any base style: ivory items, the bitmap
// column in the 3-D face colour, a navy frame with a lavender fill around
// the selected item, and grayed text in a darkened 3-D face colour.
class SkinMenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    SkinMenuStyle();

    static constexpr int kBitmapColumn = 24; // the 20 x 20 bitmap and its edge
    static constexpr int kShortcutWidth = 60;
    static constexpr int kSeparatorHeight = 6;

    static QColor ItemColour() { return QColor(255, 255, 240); }
    static QColor SelectedFrameColour() { return QColor(64, 64, 128); }
    static QColor SelectedFillColour() { return QColor(216, 216, 235); }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;

private:
    // The menu bar in the popups' colours: its empty area and its titles.
    void DrawMenuBarPart(ControlElement element, const QStyleOption* option, QPainter* painter) const;
};

} // namespace galloria
