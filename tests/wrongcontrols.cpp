// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A screen that reaches its controls in the right ways, or breaks the one
// rule of the program's that the macro it is built with names. Each broken
// rule must stop the build with the program's own message, which every
// compiler repeats; the right ways must build. What C++ itself refuses (an
// unknown name, a handle of another kind) needs no test of ours.

#include "screen.h"

namespace duset {

#if defined(WRONG_CONTROL_COUNT)
DUSET_NAMES(SampleControl, Caption, Field, Button, Forgotten);
#elif defined(WRONG_CONTROL_ORDER)
DUSET_NAMES(SampleControl, Field, Caption, Button);
#else
DUSET_NAMES(SampleControl, Caption, Field, Button);
#endif
#ifdef WRONG_ENTRY_COUNT
DUSET_NAMES(SampleEntry, Open, Line, Quit, Forgotten);
#else
DUSET_NAMES(SampleEntry, Open, Line, Quit);
#endif

namespace {

constexpr Control Controls[] = {
    {.kind = Control::Kind::Label, .name = "Caption", .text = u"&Name"},
    {.kind = Control::Kind::TextBox, .name = "Field", .left = 1000},
    {.kind = Control::Kind::CommandButton, .name = "Button", .text = u"&Go", .top = 500},
};

constexpr MenuEntry Entries[] = {
    {.name = "Open", .caption = u"&Open"},
    {.name = "Line", .caption = u"-"},
    {.name = "Quit", .caption = u"&Quit"},
};

constexpr Menu Menus[] = {{.name = "file", .caption = u"&File", .entries = Entries}};

} // namespace

constexpr std::span<const Control> describedBy(SampleControl)
{
    return describing<SampleControl>(Controls);
}

constexpr std::span<const Menu> describedBy(SampleEntry)
{
    return describing<SampleEntry>(Menus);
}

class Sample final : public Screen {
public:
    using Screen::Screen;

protected:
    void connectHandlers() override
    {
        using enum SampleControl;
#if defined(SEPARATOR_CLICKED)
        onClick<SampleEntry::Line>([]{});
#elif defined(ENTRY_AS_CONTROL)
        control(SampleEntry::Open).setFocus();
#else
        control<Caption>().setText(control<Field>().text());
        control(Field).setFocus();
        onTextChange<Field>([] {});
        onRefusal<Field>([] {});
        onClick<Button>([] {});
        onClick<SampleEntry::Open>([] {});
#endif
    }
};

} // namespace duset
