#include "app/skin_menu.h"

#include <QFile>
#include <QFontMetrics>
#include <QMenuBar>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

#include <algorithm>

namespace galloria {

CSkinMenu::CSkinMenu(const QString& title, QWidget* parent) : QMenu(title, parent) {}

QAction* CSkinMenu::AppendItem(int commandId, const QString& text, bool withBitmap)
{
    QAction* action = addAction(text);
    action->setData(commandId);
    if (withBitmap) {
        const QString bitmap = QStringLiteral(":/art/menu_%1.png").arg(commandId);
        if (QFile::exists(bitmap))
            action->setIcon(QIcon(bitmap));
    }
    return action;
}

SkinMenuStyle::SkinMenuStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void SkinMenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (qobject_cast<const QMenuBar*>(widget) &&
        (element == CE_MenuBarEmptyArea || element == CE_MenuBarItem)) {
        DrawMenuBarPart(element, option, painter);
        return;
    }
    if (element != CE_MenuItem || !item || !qobject_cast<const CSkinMenu*>(widget)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const QRect rect = item->rect;
    const QColor face = item->palette.color(QPalette::Button);
    painter->save();
    painter->fillRect(rect, ItemColour());
    const QRect column(rect.left(), rect.top(), kBitmapColumn, rect.height());
    painter->fillRect(column, face);

    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        const int y = rect.top() + 3;
        painter->setPen(face.darker(130));
        painter->drawLine(rect.left() + 5, y, rect.right(), y);
        painter->setPen(Qt::white);
        painter->drawLine(rect.left() + 5, y + 1, rect.right(), y + 1);
        painter->restore();
        return;
    }

    const bool enabled = item->state & State_Enabled;
    const bool selected = enabled && (item->state & State_Selected);
    const QRect textArea = rect.adjusted(kBitmapColumn, 0, 0, 0);
    if (selected) {
        painter->fillRect(textArea, SelectedFillColour());
        painter->setPen(SelectedFrameColour());
        painter->drawRect(textArea.adjusted(0, 0, -1, -1));
    }

    if (!item->icon.isNull()) {
        const QRect bitmap(column.left() + (kBitmapColumn - 20) / 2,
                           column.top() + (column.height() - 20) / 2, 20, 20);
        painter->drawPixmap(bitmap, item->icon.pixmap(QSize(20, 20)));
        if (selected && !item->checked) {
            // A raised edge around the bitmap of the selected item.
            const QRect edge = bitmap.adjusted(-1, -1, 0, 0);
            painter->setPen(Qt::white);
            painter->drawLine(edge.topLeft(), edge.topRight());
            painter->drawLine(edge.topLeft(), edge.bottomLeft());
            painter->setPen(face.darker(160));
            painter->drawLine(edge.bottomLeft(), edge.bottomRight());
            painter->drawLine(edge.topRight(), edge.bottomRight());
        }
    }

    // The label, moved right and down a little from the shrunk text area;
    // the shortcut in the last 60 pixels.
    QString label = item->text;
    QString shortcut;
    if (const qsizetype tab = label.indexOf(u'\t'); tab >= 0) {
        shortcut = label.mid(tab + 1);
        label = label.left(tab);
    }
    const QRect labelRect = textArea.adjusted(2 + 6, 2 + 2, -2, -2);
    painter->setFont(item->font);
    // Grayed text in the 3-D face colour, darkened: today's face colours
    // are so light that the text would vanish into the ivory item.
    painter->setPen(enabled ? QColor(Qt::black) : face.darker(135));
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    painter->drawText(labelRect, flags, label);
    if (!shortcut.isEmpty()) {
        const QRect shortcutRect(textArea.right() - kShortcutWidth, labelRect.top(), kShortcutWidth,
                                 labelRect.height());
        painter->drawText(shortcutRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shortcut);
    }
    painter->restore();
}

void SkinMenuStyle::DrawMenuBarPart(ControlElement element, const QStyleOption* option,
                                    QPainter* painter) const
{
    // The bar in the popups' ivory with a navy rule under it; the open or
    // hovered title framed and filled as a selected popup item is.
    painter->save();
    if (element == CE_MenuBarEmptyArea) {
        painter->fillRect(option->rect, ItemColour());
        painter->setPen(SelectedFrameColour());
        painter->drawLine(option->rect.bottomLeft(), option->rect.bottomRight());
        painter->restore();
        return;
    }
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    const QRect rect = option->rect;
    painter->fillRect(rect, ItemColour());
    painter->setPen(SelectedFrameColour());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    const bool enabled = option->state & State_Enabled;
    const bool selected = enabled && (option->state & (State_Selected | State_Sunken));
    if (selected) {
        const QRect area = rect.adjusted(1, 1, -2, -2);
        painter->fillRect(area, SelectedFillColour());
        painter->setPen(SelectedFrameColour());
        painter->drawRect(area);
    }
    if (item != nullptr) {
        painter->setFont(item->font);
        painter->setPen(enabled ? QColor(Qt::black) : option->palette.color(QPalette::Button).darker(135));
        // The mnemonic's letter stays underlined, as the popups' items are.
        painter->drawText(rect, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, item->text);
    }
    painter->restore();
}

void SkinMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const
{
    if (element == PE_PanelMenuBar && qobject_cast<const QMenuBar*>(widget)) {
        painter->fillRect(option->rect, ItemColour());
        return;
    }
    if ((element == PE_PanelMenu || element == PE_FrameMenu) && qobject_cast<const CSkinMenu*>(widget)) {
        if (element == PE_PanelMenu)
            painter->fillRect(option->rect, ItemColour());
        painter->setPen(option->palette.color(QPalette::Dark));
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QSize SkinMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                      const QWidget* widget) const
{
    const auto* menu = qobject_cast<const CSkinMenu*>(widget);
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (type == CT_MenuItem && menu && item) {
        if (item->menuItemType == QStyleOptionMenuItem::Separator)
            return QSize(menu->ItemWidth(), kSeparatorHeight);
        // The popup's own width, or wider when a label (a long translation)
        // needs it: the popup takes its widest item's width, so none is cut.
        QString label = item->text;
        int shortcut = 0;
        if (const qsizetype tab = label.indexOf(u'\t'); tab >= 0) {
            label = label.left(tab);
            shortcut = kShortcutWidth;
        }
        const int labelWidth = QFontMetrics(item->font).size(Qt::TextShowMnemonic, label).width();
        const int needed = kBitmapColumn + 2 + 6 + labelWidth + shortcut + 12;
        return QSize(std::max(menu->ItemWidth(), needed), menu->ItemHeight());
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int SkinMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (qobject_cast<const CSkinMenu*>(widget)) {
        // Items fill the popup edge to edge, as the owner-drawn popups do.
        switch (metric) {
        case PM_MenuPanelWidth:
            return 1;
        case PM_MenuHMargin:
        case PM_MenuVMargin:
            return 0;
        default:
            break;
        }
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

} // namespace galloria
