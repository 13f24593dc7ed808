// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pictures.h"

#include <QPalette>
#include <QStringView>

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// A screen is described once, as plain data in twips, and built afresh from
// that description every time it is loaded.
namespace duset {

struct Font {
    std::string_view face{};
    double points = 0;
    int weight = 400; // 700 is bold
    bool italic = false;
};

struct Colour {
    enum class Source { Default, Rgb, System };

    Source source = Source::Default;
    unsigned rgb = 0;
    QPalette::ColorRole role = QPalette::NoRole;
};

constexpr Colour rgb(unsigned value)
{
    return {.source = Colour::Source::Rgb, .rgb = value};
}

constexpr Colour systemColour(QPalette::ColorRole role)
{
    return {.source = Colour::Source::System, .role = role};
}

enum class Placement { Manual, CentreScreen };
enum class Alignment { Left, Centre };

// How a screen reader reads a screen. A form is read control by control, as
// the focus reaches each. A page, which a person opens to read, is read by
// its lines as well: as it opens, after its caption, its lines top to
// bottom, each whole; and a field that holds part of a line is named by its
// whole line.
enum class Reading { ByControl, ByLine };

struct Control {
    // A drop-down list offers only its items; option buttons on one screen
    // exclude each other; a multi-line text box holds a passage to read,
    // wrapped at its width, which a person reads and copies but cannot change.
    enum class Kind {
        Label,
        TextBox,
        CommandButton,
        ComboBox,
        Image,
        DropDownList,
        CheckBox,
        OptionButton,
        MultiLineTextBox,
    };

    Kind kind = Kind::Label;
    std::string_view name{};
    QStringView text{}; // caption of a label or button, text of a field
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::optional<Font> font{}; // none: the program's default face
    Colour foreColor{};
    Colour backColor{};
    Alignment alignment = Alignment::Left;
    int tabIndex = 0;
    bool enabled = true;
    bool locked = false; // a field that can be focused and copied from but not edited
    bool border = false; // a thin line around a label
    std::span<const QStringView> items{}; // the list of a combo box
    // The items of a combo box that a text being typed may stand for, which
    // the list offers as the person types; none offers nothing.
    std::vector<std::size_t> (*offers)(std::u16string_view typed) = nullptr;
    Picture picture = Picture::None;
    int maxLength = 0; // the most characters a text box takes, spaces around them not counted; 0 for no limit
    bool numbers = false; // a text box of numbers: the number row types its digits, whichever layout is active
    // A label that Tab reaches, as it reaches the lines a screen fills in, so
    // that a screen reader reads it in its place among the controls.
    bool tabStop = false;
    // What a screen reader says of the control after its name, where a person
    // sees more beside it than its name.
    QStringView spokenDescription{};
};

struct MenuEntry {
    std::string_view name{};
    QStringView caption{}; // "-" is a separator line
};

struct Menu {
    std::string_view name{};
    QStringView caption{};
    std::span<const MenuEntry> entries{};
};

struct ScreenDescription {
    std::string_view name{};
    QStringView caption{};
    int clientLeft = 0; // used only with manual placement
    int clientTop = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    Placement placement = Placement::Manual;
    Colour backColor{};
    WindowIcon icon = WindowIcon::Information;
    std::span<const Menu> menus{}; // the menu bar, left to right
    std::span<const Control> controls{};
    // What a screen reader says of the window after its caption, where the
    // window gives a sighted person more than its caption does.
    QStringView spokenDescription{};
    Reading reading = Reading::ByControl;
};

} // namespace duset
