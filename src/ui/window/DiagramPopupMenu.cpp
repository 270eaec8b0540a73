#include "ui/window/DiagramPopupMenu.h"

#include <QIcon>
#include <initializer_list>

#include "ui_TForm1.h"

namespace kaldoventri {

DiagramPopupMenu::DiagramPopupMenu(Ui::TForm1& f, QWidget* window, std::function<void()> beforeOpening)
    : QMenu(window), beforeOpening_(std::move(beforeOpening)) {
    setObjectName(QStringLiteral("PopupMenu1"));
    addAction(f.YSkala0);
    addAction(f.YSKala1);
    addAction(f.YSkala2);
    addSeparator();
    addAction(f.Visameter1);
    addAction(f.VisaBackar1);
    addAction(f.VisaBackarbacknr1);
    addSeparator();
    addAction(f.VisaVKkurva1);
    addMenu(f.Kormonster1);
    // What came later goes after what users already reach by its place.
    addAction(f.VisaFaltbild1);
    addAction(f.KopieraFaltbild1);
    addSeparator();
    addAction(f.PopupMenu_Setup);

    for (QWidget* source : std::initializer_list<QWidget*>{f.Diagram_PaintBox, f.Top_Panel, f.Bottom_Panel, f.GroupBox1,
                                                           f.GroupBox3, f.GroupBox4, f.PageControl1, f.VKCurveView,
                                                           f.FieldMapView}) {
        source->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(source, &QWidget::customContextMenuRequested, this,
                [this, source](const QPoint& pos) { OpenAt(source, pos); });
    }
    // Not GroupBox2: a right click there (or on its labels) opens nothing.
    f.GroupBox2->setContextMenuPolicy(Qt::PreventContextMenu);
}

void DiagramPopupMenu::OpenAt(QWidget* source, const QPoint& pos) {
    if (beforeOpening_) beforeOpening_();
    popup(source->mapToGlobal(pos));
}

void SetWindowIcons(Ui::TForm1& f, QWidget* window) {
    window->setWindowIcon(QIcon(QStringLiteral(":/icons/kaldoventri.xpm")));
    f.Nytt_ToolButton->setIcon(QIcon(QStringLiteral(":/icons/new.xpm")));
    f.Open_ToolButton->setIcon(QIcon(QStringLiteral(":/icons/open.xpm")));
    f.Spara_ToolButton->setIcon(QIcon(QStringLiteral(":/icons/save.xpm")));
    f.Print_ToolButton->setIcon(QIcon(QStringLiteral(":/icons/print.xpm")));
    f.Close_Button->setIcon(QIcon(QStringLiteral(":/icons/close.xpm")));
}

}  // namespace kaldoventri
