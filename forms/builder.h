// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screendescription.h"
#include "window.h"

#include <string_view>
#include <vector>

class QAction;
class QLabel;
class QMenuBar;
class QScrollArea;

namespace duset {

inline constexpr int TwipsPerPixel = 15;

// Edges are rounded, not sizes, so that neighbouring controls stay neighbours.
int twipsToPixels(int twips);
QRect twipsToPixels(int left, int top, int width, int height);

// The window of a loaded screen: its frame, its menu bar if it has one, and the
// client area with the star field and every control, all built from the
// screen's description.
class ScreenWindow : public FormWindow {
    Q_OBJECT

public:
    explicit ScreenWindow(const ScreenDescription &description);

    QWidget *surface() const { return m_surface; }
    QMenuBar *menuBar() const { return m_menuBar; }
    // A control or a menu entry by its name in the description, as the
    // program's parts outside the screens know it.
    QWidget *control(std::string_view name) const;
    QAction *menuEntry(std::string_view name) const;
    // A control by its place in the description, and a menu entry by its
    // place across the menus from left to right, as the screens know them.
    QWidget *controlAt(std::size_t index) const { return m_controls.at(index); }
    QAction *menuEntryAt(std::size_t index) const { return m_menuEntries.at(index); }

    // A line that the screen fills in with what it found, and the caption
    // beside it that names it.
    struct ResultLine {
        QLabel *caption;
        QLabel *line;
    };
    const std::vector<ResultLine> &resultLines() const { return m_resultLines; }

    // Moves the window where its placement rule puts it, on the screen the
    // home window is on; called at every load.
    void place(const QWidget *home);

private:
    void buildMenus(std::span<const Menu> menus);
    QWidget *buildControl(const Control &control);
    void nameFieldsByTheirLabels();
    void readByLine();
    void orderFocus();
    bool scrollWhereTheScreenIsTooSmall(QSize room);

    const ScreenDescription &m_description;
    QMenuBar *m_menuBar = nullptr;
    QWidget *m_surface = nullptr;
    QScrollArea *m_scroll = nullptr;
    std::vector<QWidget *> m_controls; // in the order of the description
    std::vector<QAction *> m_menuEntries;
    std::vector<ResultLine> m_resultLines;
};

} // namespace duset
