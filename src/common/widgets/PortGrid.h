#pragma once
// Where a page puts its per-port controls (a check box or edit box per port, the port number
// above): ports in rows, one column per port. Each page has a size table by DevicePortNum: the
// window size, the ports per row and a gap added between columns.
//
//     static constexpr PortGridSize sizes[] = {{28, {625, 255}, 14, 0}, {52, {585, 345}, 13, 0}};
//     PortGrid grid(portCount, sizes, {25, 65}, 42, 45);
//     grid.place(edit, port, 20, 40, 20);

#include <QPoint>
#include <QRect>
#include <QSize>

#include <span>

class QLabel;
class QWidget;

struct PortGridSize {
    int portCount;
    QSize window;     // an empty size: the page's own
    int perRow;       // 0: every port in one row
    int extraGap;     // pixels added to the page's column pitch
};

class PortGrid {
public:
    // The entry of `sizes` for portCount; a count not in the table puts every port in one row
    // with the page's own pitch and window size.
    PortGrid(int portCount, std::span<const PortGridSize> sizes, QPoint origin, int pitch, int rowStep);
    // `perRow` ports per row (0: all in one), each column `pitch` wide, without a size table.
    PortGrid(int portCount, int perRow, QPoint origin, int pitch, int rowStep);

    // The entry of `sizes` for portCount, nullptr when it has none.
    static const PortGridSize* entryFor(std::span<const PortGridSize> sizes, int portCount);

    int portCount() const { return m_portCount; }
    int perRow() const { return m_perRow; }
    int rows() const;
    // The window size of the table (empty when the count is not in it).
    QSize window() const { return m_window; }
    // The column of `port` (1-based) in its row: pitch wide, its top at the row's top.
    QRect cell(int port) const;
    // Width of one row, height from the first row's top to the last row's top.
    QSize extent() const;

    // Puts `control` in the port's cell, centred, `dy` below the row's top; a size of -1 keeps
    // the control's own.
    void place(QWidget* control, int port, int dy, int width = -1, int height = -1) const;
    // The port number as a caption, named `id`, centred in the port's cell, `dy` below the top;
    // in a smaller font when the column is too narrow for it.
    QLabel* addCaption(QWidget* parent, int port, int id, int dy) const;

private:
    int m_portCount;
    int m_perRow;
    int m_pitch;
    int m_rowStep;
    QPoint m_origin;
    QSize m_window;
};
