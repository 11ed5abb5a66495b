#include "scene/InfoList.h"

#include "scene/Colour.h"
#include "scene/Twips.h"

#include <QPainter>
#include <QStyledItemDelegate>

namespace fg {
namespace {

// Every row exactly 13 pixels high, whatever the style would make of the font.
class FixedRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), InfoList::kRowHeight};
    }
    // No focus frame: styles such as Fusion draw it as a tinted fill over the whole row, so
    // that the list no longer shows its BackColor once it has the keyboard focus.
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem plain(option);
        plain.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, plain, index);
    }
};

} // namespace

InfoList::InfoList(const SceneRecord& record, QWidget* parent) : QListWidget(parent) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setLineWidth(2);
    setItemDelegate(new FixedRowDelegate(this));
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setFocusPolicy(Qt::TabFocus);
    // The list only shows lines: its colours stay BackColor and ForeColor, also when it takes
    // the focus from a portrait that hides.
    setSelectionMode(QAbstractItemView::NoSelection);
    setTextElideMode(Qt::ElideNone);

    // The font by pixel size, so that the rows keep their height on any screen; condensed and
    // at 10 pixels, so that the longest lines of 37 characters fit the narrowest list.
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(10);
    setFont(font);

    // The colours explicitly, so that the widget style does not decide them.
    QPalette palette = this->palette();
    const QColor back = toQColor(record.backColor, palette);
    const QColor fore = toQColor(record.foreColor, palette);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, back);
        palette.setColor(group, QPalette::Text, fore);
        palette.setColor(group, QPalette::Light, toQColor(0x80000014, palette)); // button highlight
        palette.setColor(group, QPalette::Dark, toQColor(0x80000010, palette));  // button shadow
        palette.setColor(group, QPalette::Shadow, toQColor(0x80000015, palette)); // 3D dark shadow
        palette.setColor(group, QPalette::Midlight, toQColor(0x80000016, palette)); // 3D light
    }
    setPalette(palette);
    setAutoFillBackground(true);

    setGeometry(0, 0, toPixels(record.width), toPixels(record.height));
}

} // namespace fg
