#include "platform/report_list.h"

#include "platform/events.h"
#include "platform/objects.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QProxyStyle>
#include <QTableView>

namespace platform {
namespace {

const char* const GRID_COLOUR = "orveliaGridColour";

// The rows, one column with its title.
class RowsModel : public QAbstractTableModel {
public:
    RowsModel(const QString& title, QObject* parent) : QAbstractTableModel(parent), title_(title) {}

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : int(rows_.size());
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 1; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid()) return {};
        return rows_.value(index.row());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section == 0) return title_;
        return {};
    }
    void append(const QStringList& texts) {
        if (texts.isEmpty()) return;
        const int first = int(rows_.size());
        beginInsertRows(QModelIndex(), first, first + int(texts.size()) - 1);
        rows_.append(texts);
        endInsertRows();
    }
    QString row(int index) const { return rows_.value(index); }
    const QString& title() const { return title_; }

private:
    QString title_;
    QStringList rows_;
};

// Draws a list's grid in the colour the list carries; everything else as the application does.
class GridColourStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_Table_GridLineColor && widget && widget->property(GRID_COLOUR).isValid()) {
            const int colour = widget->property(GRID_COLOUR).toInt();
            return int(qRgb(colour & 255, (colour >> 8) & 255, (colour >> 16) & 255));
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle* gridColourStyle() {
    static QPointer<GridColourStyle> style;
    if (!style) {
        style = new GridColourStyle;
        style->setParent(qApp);
    }
    return style;
}

QTableView* findList(int list) {
    return controls().get<QTableView>(list);
}

RowsModel* modelOf(int list) {
    QTableView* view = findList(list);
    return view ? static_cast<RowsModel*>(view->model()) : nullptr;
}

void postListEvent(const QWidget* list, int type) {
    if (int number = controls().numberOf(list)) postEvent({EventKind::Control, number, type});
}

} // namespace

int createReportList(int number, int x, int y, int width, int height, const QString& columnTitle,
                     int columnWidth, int gridColour) {
    auto* view = new QTableView;
    view->setModel(new RowsModel(columnTitle, view));
    view->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSortingEnabled(false);
    view->setWordWrap(false);
    view->setShowGrid(true);
    view->setGridStyle(Qt::SolidLine);
    view->setProperty(GRID_COLOUR, gridColour);
    view->setStyle(gridColourStyle());
    // Rows of one height, never measured one by one: long lists fill and scroll quickly.
    QHeaderView* rows = view->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(view->fontMetrics().height() + 4);
    QHeaderView* columns = view->horizontalHeader();
    columns->setStretchLastSection(false);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->resizeSection(0, columnWidth);
    QObject::connect(view, &QTableView::clicked, view, [view] { postListEvent(view, CLICK_LEFT); });
    QObject::connect(view, &QTableView::doubleClicked, view,
                     [view] { postListEvent(view, CLICK_LEFT_DOUBLE); });
    return adoptControlAt(number, view, x, y, width, height);
}

void addReportRows(int list, const QStringList& texts) {
    // One insertion for all: the view takes them in at once rather than row by row.
    if (RowsModel* model = modelOf(list)) model->append(texts);
}

int reportRowCount(int list) {
    RowsModel* model = modelOf(list);
    return model ? model->rowCount(QModelIndex()) : 0;
}

QString reportRowText(int list, int row) {
    RowsModel* model = modelOf(list);
    return model ? model->row(row) : QString();
}

int selectedReportRow(int list) {
    QTableView* view = findList(list);
    if (!view) return -1;
    const QModelIndexList selected = view->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void selectReportRow(int list, int row) {
    QTableView* view = findList(list);
    if (!view) return;
    if (row < 0 || row >= view->model()->rowCount())
        view->clearSelection();
    else
        view->selectRow(row);
}

QString reportColumnTitle(int list) {
    RowsModel* model = modelOf(list);
    return model ? model->title() : QString();
}

int reportColumnWidth(int list) {
    QTableView* view = findList(list);
    return view ? view->columnWidth(0) : 0;
}

int reportGridColour(int list) {
    QTableView* view = findList(list);
    if (!view) return 0;
    // The colour the list's painting asks its style for.
    QStyleOption option;
    option.initFrom(view);
    const auto rgb = QRgb(view->style()->styleHint(QStyle::SH_Table_GridLineColor, &option, view));
    return qRed(rgb) + 256 * qGreen(rgb) + 65536 * qBlue(rgb);
}

} // namespace platform
