// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screendescription.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <cstddef>
#include <span>
#include <string_view>
#include <type_traits>

namespace duset {

class Screen;

// Each screen names its controls by an enumeration whose entries are the
// controls' names in the order of its description, and names its menu
// entries, across its menus from left to right, in the same way. The
// enumeration is declared with its names as text beside it,
//
//     DUSET_NAMES(EntryControl, Label1, Label2, ..., Command4);
//
// and the screen's file ties it to the description with a function found by
// the enumeration's type:
//
//     constexpr std::span<const Control> describedBy(EntryControl)
//     {
//         return describing<EntryControl>(Controls);
//     }
//
// which does not compile unless each entry names the control at its place,
// so that a missing, extra or misplaced entry stops the build.
#define DUSET_NAMES(Enumeration, ...)                                                                                  \
    enum class Enumeration;                                                                                            \
    consteval std::string_view namesOf(Enumeration)                                                                    \
    {                                                                                                                  \
        return #__VA_ARGS__;                                                                                           \
    }                                                                                                                  \
    enum class Enumeration { __VA_ARGS__ }

template<typename Id> constexpr std::size_t indexOf(Id id)
{
    static_assert(std::is_enum_v<Id>);
    return static_cast<std::size_t>(id);
}

// The entries of an enumeration declared by DUSET_NAMES, walked along its
// description's names: where the two part, the build stops.
class EntryNames {
public:
    consteval explicit EntryNames(std::string_view names)
        : m_rest(names)
    {
    }
    // The description's next name, which the enumeration's next entry must be.
    consteval void expect(std::string_view name)
    {
        if (atEnd())
            throw "the enumeration and the description count different entries";
        if (next() != name)
            throw "an entry of the enumeration names another control or menu entry than the one at its place";
    }
    // After the description's last name, where the enumeration must end too.
    consteval void expectEnd() const
    {
        if (!atEnd())
            throw "the enumeration and the description count different entries";
    }

private:
    static constexpr std::string_view Blanks = " \t\n";

    consteval bool atEnd() const { return m_rest.find_first_not_of(Blanks) == std::string_view::npos; }
    consteval std::string_view next()
    {
        const std::size_t comma = m_rest.find(',');
        std::string_view name = m_rest.substr(0, comma);
        m_rest = comma == std::string_view::npos ? std::string_view() : m_rest.substr(comma + 1);
        name.remove_prefix(std::min(name.find_first_not_of(Blanks), name.size()));
        name.remove_suffix(name.size() - std::min(name.find_last_not_of(Blanks) + 1, name.size()));
        return name;
    }

    std::string_view m_rest;
};

template<typename Id, std::size_t Count> consteval std::span<const Control> describing(const Control (&controls)[Count])
{
    EntryNames names(namesOf(Id{}));
    for (const Control &control : controls)
        names.expect(control.name);
    names.expectEnd();
    return controls;
}

template<typename Id, std::size_t Count> consteval std::span<const Menu> describing(const Menu (&menus)[Count])
{
    EntryNames names(namesOf(Id{}));
    for (const Menu &menu : menus) {
        for (const MenuEntry &entry : menu.entries)
            names.expect(entry.name);
    }
    names.expectEnd();
    return menus;
}

// A line between a menu's entries, which chooses nothing.
constexpr bool isSeparator(const MenuEntry &entry)
{
    return entry.caption.size() == 1 && entry.caption[0] == u'-';
}

// A menu entry by its place in its screen's menus.
constexpr const MenuEntry &menuEntryAt(std::span<const Menu> menus, std::size_t index)
{
    for (const Menu &menu : menus) {
        if (index < menu.entries.size())
            return menu.entries[index];
        index -= menu.entries.size();
    }
    throw "no such menu entry";
}

// How a screen reaches a control of its loaded window. A handle offers what
// the screen's handlers do with a control of its kind, and no widget: every
// signal a screen hears passes Screen's guarded connections. Only Screen
// makes handles, for the window it has loaded; a handle kept past that
// window's unloading refuses every use, as a fault of the program.
class ControlHandle {
public:
    void setFocus() const;
    void setVisible(bool visible) const;
    bool isHidden() const;

protected:
    explicit ControlHandle(QWidget *widget);
    QWidget &widget() const;

    template<typename Widget> Widget &as() const { return static_cast<Widget &>(widget()); }

private:
    friend class Screen;
    QPointer<QWidget> m_widget;
};

// A label: a caption, or a line that the screen fills in.
class LabelHandle : public ControlHandle {
public:
    QString text() const;
    void setText(const QString &text) const;

private:
    friend class Screen;
    using ControlHandle::ControlHandle;
};

// A text box.
class FieldHandle : public ControlHandle {
public:
    QString text() const;
    void setText(const QString &text) const;

private:
    friend class Screen;
    using ControlHandle::ControlHandle;
};

// A combo box or a drop-down list.
class ListHandle : public ControlHandle {
public:
    // The place of the chosen item, or -1 while none is chosen.
    int currentIndex() const;
    // What the field shows: the chosen item or, in a combo box, what the
    // person typed.
    QString currentText() const;
    // Shows the text and chooses the item it names, if any, so that the
    // arrow keys go on from there.
    void show(const QString &text) const;
    // Chooses nothing and shows nothing, as on a fresh screen.
    void clear() const;

private:
    friend class Screen;
    using ControlHandle::ControlHandle;
};

// A multi-line text box: a passage the screen puts in, line by line.
class PassageHandle : public ControlHandle {
public:
    QString text() const;
    // Shows the text from its first line, with nothing selected.
    void setText(const QString &text) const;

private:
    friend class Screen;
    using ControlHandle::ControlHandle;
};

// A command button.
class ButtonHandle : public ControlHandle {
private:
    friend class Screen;
    using ControlHandle::ControlHandle;
};

// A check box or an option button.
class ChoiceHandle : public ControlHandle {
public:
    bool isChecked() const;
    void setText(const QString &text) const;
    // Turns the choice off without a word to the screen's handlers, even an
    // option button, which turns off only by turning another one on.
    void clear() const;

private:
    friend class Screen;
    using ControlHandle::ControlHandle;
};

// A picture, which a screen only shows or hides.
class ImageHandle : public ControlHandle {
private:
    friend class Screen;
    using ControlHandle::ControlHandle;
};

// The handle of a control of this kind.
template<Control::Kind Kind> constexpr auto handleOfKind()
{
    using enum Control::Kind;
    if constexpr (Kind == Label)
        return std::type_identity<LabelHandle>{};
    else if constexpr (Kind == TextBox)
        return std::type_identity<FieldHandle>{};
    else if constexpr (Kind == CommandButton)
        return std::type_identity<ButtonHandle>{};
    else if constexpr (Kind == ComboBox || Kind == DropDownList)
        return std::type_identity<ListHandle>{};
    else if constexpr (Kind == CheckBox || Kind == OptionButton)
        return std::type_identity<ChoiceHandle>{};
    else if constexpr (Kind == Image)
        return std::type_identity<ImageHandle>{};
    else if constexpr (Kind == MultiLineTextBox)
        return std::type_identity<PassageHandle>{};
}
template<Control::Kind Kind> using HandleOf = typename decltype(handleOfKind<Kind>())::type;

} // namespace duset
